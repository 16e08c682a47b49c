#pragma once

#include "core/SpreadsheetFile.h"
#include "db/Connection.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <functional>

namespace zentrel::pupils {

// The import of pupils from a spreadsheet text file (core::SpreadsheetFile reads it: encoding,
// separator, quoted cells). The first record names the columns (any order, any letter case and
// accents; unknown columns are skipped); "Enolična oznaka", "Priimek", "Ime"
// and "Spol" are required. A checking pass ("Preverjam N") reads every line without writing
// and ends the import at the first bad line; the writing pass ("Vpisujem N") then inserts all
// lines in one transaction, so the register either gets every line or stays as it was.
class UvozUcencev {
public:
    // Shown for every line ("Preverjam 12", "Vpisujem 12").
    using Progress = std::function<void(const QString &)>;

    // The default progress shows the text on the status line and lets the window repaint.
    UvozUcencev();
    explicit UvozUcencev(Progress progress) : m_progress(std::move(progress)) {}

    // Reads the file and imports it; false, with the message shown, when it cannot be read or a
    // line is refused. A file that is not there or cannot be read gives "Datoteke # ni mogoče
    // prebrati.".
    bool importFile(const QString &path);
    // Imports the text of a file.
    bool importText(const QString &text);
    // Pupils written by the last successful import.
    int imported() const { return m_imported; }

    // The file dialog's title and filter.
    static QString dialogTitle() { return QStringLiteral("Uvoz učencev"); }
    static QString dialogFilter() {
        return QStringLiteral("S podpičji ločene datoteke (*.csv)|*.csv|Vse datoteke (*.*)|*.*");
    }

private:
    struct Column {
        QString field; // ERD_UCENEC column
        int cell = 0;  // position in the line
    };

    bool importRecords(const core::SpreadsheetFile &file);
    bool readHeader(const core::SpreadsheetFile &file);
    // Checks a line (number counted from the first data line) and gives the values of the
    // mapped columns; false with the message shown.
    bool checkLine(int number, const QStringList &cells, QVariantList &values);
    bool writeAll(const core::SpreadsheetFile &file);

    Progress m_progress;
    QList<Column> m_columns;
    QSet<QString> m_registered;   // code keys already in the register
    QHash<QString, int> m_inFile; // code key -> line that brought it
    int m_imported = 0;
};

} // namespace zentrel::pupils
