#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace zentrel::basicdata {

// What a copy of a curriculum takes along: the six check boxes of the dialog, in its order.
struct CurriculumCopyChoices {
    enum Box { Razredniki, UcenciEnot, Predmetniki, IzbiraUcencev, Razpored, Urniki, BoxCount };
    std::array<bool, BoxCount> on{true, true, true, true, true, false};

    bool operator[](Box box) const { return on[box]; }
    // Sets a box as the user did and then the boxes that depend on it: choices of pupils need
    // the pupils and the programmes, assignments need the programmes, timetables need the
    // assignments (and the other way round for unchecking).
    void set(Box box, bool value);
    // The captions of the boxes: "kopiraj razrednike", ...
    static const QStringList &captions();
};

// The dialog "Kopiranje razporeda": copies a curriculum into a new one with the parts the boxes
// name. The dialog reports in its own status line, so outcomes are texts.
class KopirajRazpored {
public:
    KopirajRazpored(qint64 source, QString sourceName);

    static QString caption() { return QStringLiteral("Kopiranje razporeda"); }
    const QString &sourceName() const { return m_sourceName; }
    // The source's timetables; without any the box "kopiraj urnike" has nothing to copy.
    int timetableCount() const;

    // "Ime ne sme biti prazno." or "To ime je že uporabljeno" (letter case and č/š/ž ignored);
    // empty when the name may be used.
    QString check(const QString &name) const;
    // Checks, then copies in one transaction: a failure leaves no part of the new curriculum.
    // status() holds the text for the status line afterwards.
    bool copy(const QString &name, const CurriculumCopyChoices &choices);
    const QString &status() const { return m_status; }
    qint64 newCurriculum() const { return m_new; }

private:
    qint64 m_source;
    QString m_sourceName;
    QString m_status;
    qint64 m_new = -1;
};

} // namespace zentrel::basicdata
