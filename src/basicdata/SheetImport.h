#pragma once

#include "SheetKinds.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

namespace zentrel::core {
class SpreadsheetFile;
}

namespace zentrel::basicdata {

class SheetPlan;

// What a row of the sheet will do to the project.
enum class SheetAction { Add, Change, Unchanged, Refused };

struct SheetRow {
    int line = 0;                              // file line the row starts on
    SheetAction action = SheetAction::Refused;
    QStringList cells;                         // in the kind's column order; "" where the file lacks the column
    QString note;                              // why it is refused, or what it changes
};

// The import of one kind of basic data from a spreadsheet text file.
//
// States: empty -> read (readFile/readBytes: every row decided, nothing written) -> written
// (apply). Reading again starts over. The rows' decisions use the record rules of the kind's
// own window (Ucitelji, Predmeti, Prostori, Oddelki, the programme rows and assignments), so the
// import refuses what the window refuses, with the same words and the row's line.
//
// Rows are matched to the project by code (letter case and surrounding blanks ignored; an
// assignment by class, subject, turnus and teacher). A column the file lacks keeps what the
// project holds; an empty yes/no cell too.
class SheetImport {
public:
    // curriculum: where assignments go (-1 for the other kinds).
    explicit SheetImport(SheetKind kind, qint64 curriculum = -1);
    ~SheetImport();

    // Reads the file and decides every row; false, with the message shown, when the file cannot
    // be read, lacks a required column ("V datoteki manjka obvezno polje Oznaka") or the
    // assignments have no curriculum. Writes nothing.
    bool readFile(const QString &path);
    bool readBytes(const QByteArray &bytes);

    SheetKind kind() const { return m_kind; }
    const QList<SheetRow> &rows() const { return m_rows; }
    int count(SheetAction action) const;
    // "Dodanih: 2, spremenjenih: 1, nespremenjenih: 5, zavrnjenih: 0."
    QString summary() const;

    // The one write of the import: every added and changed row, in one transaction. Refused,
    // with a message, while any row is refused; a file without changes writes nothing. True
    // when the project holds the file's data.
    bool apply();

    // The file dialog's filter.
    static QString DialogFilter() {
        return QStringLiteral("Preglednice (*.csv,*.txt)|*.csv;*.txt|Vse datoteke (*.*)|*.*");
    }

    // "dodaj", "spremeni", "nespremenjeno", "zavrnjeno": the preview's words for an action.
    static QString ActionText(SheetAction action);

private:
    // Decides the rows of a file that could be read, else shows why it could not.
    bool read(const core::SpreadsheetFile &file, bool readable);

    SheetKind m_kind;
    qint64 m_curriculum;
    QList<SheetRow> m_rows;
    std::unique_ptr<SheetPlan> m_plan;
};

} // namespace zentrel::basicdata
