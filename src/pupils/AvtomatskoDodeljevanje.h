#pragma once

#include "IzbirniModel.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace zentrel::pupils {

// The automatic assignment of pupils to elective groups of a curriculum, from the refusals
// before it to the writing after it. The run is refused while any elective group has lessons in
// a timetable with validity, and asks first when elective groups have teaching assignments
// (they go with the old groups). The result is written in one transaction that the answer to
// "Rezultat avtomatskega dodeljevanja" commits or rolls back.
class AvtomatskoDodeljevanje {
public:
    struct Options {
        qint64 curriculum = -1;
        qint64 set = -1; // only the electives of this set take part (-1: all)
        bool useTeachers = false;
    };

    explicit AvtomatskoDodeljevanje(Options options) : m_options(options) {}

    // Checks, reads and runs; false (reported) when refused, declined or reading failed. Only a
    // run meant for writing asks whether the existing elective groups may go.
    bool prepare(bool forWriting = true);
    const ElectiveFigures &figures() const { return m_figures; }
    const ElectiveModel &model() const { return m_model; }

    // The result as the message dialog shows it.
    QString resultText() const;

    // Writes the result and asks `accept` (default: the question "Rezultat avtomatskega
    // dodeljevanja" with the figures) whether to keep it; a rejection rolls the writing back.
    // True when the result was kept.
    bool write(const std::function<bool()> &accept = {});

private:
    Options m_options;
    ElectiveModel m_model;
    ElectiveFigures m_figures;
};

// Counts elective groups of the curriculum with lessons in a timetable with validity (when
// `valid`) or with teaching assignments at all; -1 (reported) on failure.
qint64 CountElectiveGroupsInUse(qint64 curriculum, bool valid);

} // namespace zentrel::pupils
