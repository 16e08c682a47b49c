#include "UvozUcencev.h"

#include "PupilCsv.h"
#include "PupilText.h"
#include "basicdata/WriteAction.h"
#include "core/Messages.h"
#include "core/TextFunctions.h"
#include "db/MBaza.h"
#include "shell/SafetyCopies.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>

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

} // namespace

UvozUcencev::UvozUcencev()
    : m_progress([](const QString &text) {
          core::ShowMessage(core::MsgStatus, text);
          QCoreApplication::processEvents();
      }) {}

bool UvozUcencev::importFile(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return lineError(QStringLiteral("Datoteke # ni mogoče prebrati."), path);
    return importText(DecodeImportFile(file.readAll()));
}

bool UvozUcencev::readHeader(const QString &line) {
    m_columns.clear();
    const QStringList cells = SplitImportLine(line);
    auto mapped = [this](const QString &field) {
        return std::any_of(m_columns.begin(), m_columns.end(), [&](const Column &c) { return c.field == field; });
    };
    // A column named twice is read from its first place.
    for (int i = 0; i < cells.size(); ++i)
        for (const HeaderName &h : kHeader)
            if (core::SameText(cells[i], QString::fromUtf8(h.caption)) && !mapped(QString::fromLatin1(h.field)))
                m_columns << Column{QString::fromLatin1(h.field), i};
    for (int r = 0; r < kRequired; ++r) {
        if (!mapped(QString::fromLatin1(kHeader[r].field)))
            return lineError(QStringLiteral("V datoteki manjka obvezno polje ") +
                             QString::fromUtf8(kHeader[r].caption));
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

bool UvozUcencev::importText(const QString &text) {
    m_imported = 0;
    const QStringList lines = ImportLines(text);
    if (!readHeader(lines.value(0)))
        return false;
    const db::RowSet codes = db::ProjectDb().query(QStringLiteral("SELECT OZNAKA FROM ERD_UCENEC"));
    m_registered.clear();
    for (int r = 0; r < codes.rowCount(); ++r)
        m_registered.insert(CodeKey(codes.text(r, QStringLiteral("OZNAKA"))));

    // The checking pass writes nothing: a bad line leaves the register as it was.
    m_inFile.clear();
    QVariantList values;
    for (int i = 1; i < lines.size(); ++i) {
        m_progress(QStringLiteral("Preverjam %1").arg(i));
        if (!lines[i].trimmed().isEmpty() && !checkLine(i, SplitImportLine(lines[i]), values))
            return false;
    }
    return writeAll(lines);
}

bool UvozUcencev::writeAll(const QStringList &lines) {
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
    for (int i = 1; i < lines.size() && action.ok(); ++i) {
        m_progress(QStringLiteral("Vpisujem %1").arg(i));
        if (lines[i].trimmed().isEmpty())
            continue;
        if (!checkLine(i, SplitImportLine(lines[i]), values))
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
