#include "UvozUcencev.h"

#include "PupilText.h"
#include "basicdata/WriteAction.h"
#include "core/Messages.h"
#include "core/SpreadsheetFile.h"
#include "db/MBaza.h"
#include "shell/SafetyCopies.h"

#include <QCoreApplication>
#include <iterator>

namespace zentrel::pupils {

namespace {

// Display name of a column and its field, in the order the required ones are tested.
struct HeaderName {
    const char *caption;
    const char *field;
};
constexpr HeaderName kHeader[] = {
    {"Enolična oznaka", "OZNAKA"},
    {"Priimek", "PRIIMEK"},
    {"Ime", "IME"},
    {"Spol", "SPOL"},
    {"Vmesno ime", "VMESNOIME"},
    {"Datum rojstva", "DATUMROJSTVA"},
    {"Leto vpisa", "LETOVPISA"},
    {"Paralelka", "PARALELKA"},
    {"Usmeritev", "USMERITEV"},
};
constexpr int kRequired = 4;

bool lineError(const QString &text, const QVariant &v1 = {}, const QVariant &v2 = {}) {
    core::ShowMessage(core::MsgError, text, v1, v2);
    return false;
}

// A message of the pupils page for a line of the file.
bool pageError(const QString &text, int number) {
    return lineError(text + QStringLiteral(" Vrstica #."), number);
}

// Lines are numbered from the first line after the header, as the messages have always counted
// them; a record whose quoted cell spans lines is named by the line it starts on.
int lineNumber(const core::SpreadsheetFile &file, const core::SpreadsheetRecord &record) {
    return record.line - file.records().first().line;
}

} // namespace

UvozUcencev::UvozUcencev()
    : m_progress([](const QString &text) {
          core::ShowMessage(core::MsgStatus, text);
          QCoreApplication::processEvents();
      }) {}

bool UvozUcencev::importFile(const QString &path) {
    core::SpreadsheetFile file;
    const bool readable = file.readFile(path);
    return readable ? importRecords(file) : lineError(file.error());
}

bool UvozUcencev::importText(const QString &text) {
    core::SpreadsheetFile file;
    const bool readable = file.readText(text);
    return readable ? importRecords(file) : lineError(file.error());
}

bool UvozUcencev::readHeader(const core::SpreadsheetFile &file) {
    m_columns.clear();
    for (int h = 0; h < static_cast<int>(std::size(kHeader)); ++h) {
        const QString caption = QString::fromUtf8(kHeader[h].caption);
        const int cell = file.column({caption});
        if (cell >= 0)
            m_columns << Column{QString::fromLatin1(kHeader[h].field), cell};
        else if (h < kRequired)
            return lineError(QStringLiteral("V datoteki manjka obvezno polje ") + caption);
    }
    return true;
}

bool UvozUcencev::checkLine(int number, const QStringList &cells, QVariantList &values) {
    values.clear();
    for (const Column &c : m_columns) {
        const QString cell = c.cell < cells.size() ? cells[c.cell] : QString();
        QVariant value = cell.isEmpty() ? QVariant() : QVariant(cell);
        if (c.field == QLatin1String("OZNAKA")) {
            if (cell.isEmpty())
                return pageError(QStringLiteral("Oznaka ne sme biti prazna."), number);
            const QString key = CodeKey(cell);
            if (m_registered.contains(key))
                return lineError(QStringLiteral("Učenec z # v vrstici # je že v bazi."), cell, number);
            if (m_inFile.contains(key))
                return lineError(QStringLiteral("Učenec z # v vrstici %1 je v datoteki že v vrstici #.").arg(number),
                                 cell, m_inFile.value(key));
            m_inFile.insert(key, number);
        } else if (c.field == QLatin1String("PRIIMEK") || c.field == QLatin1String("IME") ||
                   c.field == QLatin1String("VMESNOIME")) {
            if (c.field == QLatin1String("PRIIMEK") && cell.isEmpty())
                return pageError(QStringLiteral("Priimek ne sme biti prazen."), number);
            if (!cell.isEmpty())
                value = CapitalizedName(cell);
        } else if (c.field == QLatin1String("SPOL")) {
            if (cell.isEmpty())
                return pageError(QStringLiteral("Spol je potrebno določiti."), number);
            value = SexCode(cell);
            if (value.toString().isEmpty())
                return lineError(
                    QStringLiteral("Napačna oznaka za spol v vrstici %1. Spol je lahko le # oziroma #.").arg(number),
                    QStringLiteral("M"), QStringLiteral("Ž"));
        } else if (c.field == QLatin1String("DATUMROJSTVA") && !cell.isEmpty()) {
            const QDate date = ParseDate(cell);
            if (!date.isValid())
                return lineError(QStringLiteral("Napačen datum v vrstici #"), number);
            value = date;
        } else if (c.field == QLatin1String("LETOVPISA") && !cell.isEmpty()) {
            const int year = ParseYear(cell);
            if (year == 0)
                return lineError(QStringLiteral("Napačno leto vpisa v vrstici #"), number);
            value = QString::number(year);
        }
        values << value;
    }
    return true;
}

bool UvozUcencev::importRecords(const core::SpreadsheetFile &file) {
    m_imported = 0;
    if (!readHeader(file))
        return false;
    const db::RowSet codes = db::ProjectDb().query(QStringLiteral("SELECT OZNAKA FROM ERD_UCENEC"));
    m_registered.clear();
    for (int r = 0; r < codes.rowCount(); ++r)
        m_registered.insert(CodeKey(codes.text(r, QStringLiteral("OZNAKA"))));

    // The checking pass writes nothing: a bad line leaves the register as it was.
    m_inFile.clear();
    QVariantList values;
    const QList<core::SpreadsheetRecord> &records = file.records();
    for (qsizetype i = 1; i < records.size(); ++i) {
        const int number = lineNumber(file, records[i]);
        m_progress(QStringLiteral("Preverjam %1").arg(number));
        if (!checkLine(number, records[i].cells, values))
            return false;
    }
    return writeAll(file);
}

bool UvozUcencev::writeAll(const core::SpreadsheetFile &file) {
    QStringList fields, marks;
    for (const Column &c : m_columns) {
        fields << c.field;
        marks << QStringLiteral("?");
    }
    const QString insert =
        QStringLiteral("INSERT INTO ERD_UCENEC (%1) VALUES (%2)").arg(fields.join(u','), marks.join(u','));
    m_inFile.clear();
    if (!shell::SafetyCopyBefore(QStringLiteral("Uvoz učencev")))
        return false;
    basicdata::WriteAction action;
    int written = 0;
    QVariantList values;
    const QList<core::SpreadsheetRecord> &records = file.records();
    for (qsizetype i = 1; i < records.size() && action.ok(); ++i) {
        const int number = lineNumber(file, records[i]);
        m_progress(QStringLiteral("Vpisujem %1").arg(number));
        if (!checkLine(number, records[i].cells, values))
            return false; // the action rolls back what this pass wrote
        if (action.exec(insert, values))
            ++written;
    }
    if (!action.commit())
        return false;
    m_imported = written;
    return true;
}

} // namespace zentrel::pupils
