#include "SheetImport.h"

#include "SheetPlan.h"
#include "WriteAction.h"
#include "core/Messages.h"
#include "core/SpreadsheetFile.h"
#include "shell/SafetyCopies.h"

#include <algorithm>

namespace zentrel::basicdata {

using core::ShowMessage;

SheetImport::SheetImport(SheetKind kind, qint64 curriculum) : m_kind(kind), m_curriculum(curriculum) {}

SheetImport::~SheetImport() = default;

bool SheetImport::readFile(const QString &path) {
    core::SpreadsheetFile file;
    const bool readable = file.readFile(path);
    return read(file, readable);
}

bool SheetImport::readBytes(const QByteArray &bytes) {
    core::SpreadsheetFile file;
    const bool readable = file.readBytes(bytes);
    return read(file, readable);
}

bool SheetImport::read(const core::SpreadsheetFile &file, bool readable) {
    m_rows.clear();
    m_plan.reset();
    if (!readable) {
        ShowMessage(core::MsgError, file.error());
        return false;
    }
    const QList<SheetColumn> &columns = SheetColumns(m_kind);
    QList<int> positions;
    QList<bool> present;
    for (const SheetColumn &column : columns) {
        const int position = file.column(column.allNames());
        if (position < 0 && column.required) {
            ShowMessage(core::MsgError, QStringLiteral("V datoteki manjka obvezno polje ") + column.caption);
            return false;
        }
        positions << position;
        present << (position >= 0);
    }
    std::unique_ptr<SheetPlan> plan =
        m_kind == SheetKind::Assignments ? MakeAssignmentPlan(m_curriculum) : MakeRecordPlan(m_kind);
    if (!plan->open())
        return false;
    const QList<core::SpreadsheetRecord> &records = file.records();
    for (qsizetype r = 1; r < records.size(); ++r) {
        SheetRow row;
        row.line = records[r].line;
        for (int position : positions)
            row.cells << (position >= 0 ? records[r].cells.value(position) : QString());
        plan->decide(static_cast<int>(m_rows.size()), row, present);
        m_rows << row;
    }
    m_plan = std::move(plan);
    return true;
}

int SheetImport::count(SheetAction action) const {
    return static_cast<int>(
        std::count_if(m_rows.cbegin(), m_rows.cend(), [&](const SheetRow &row) { return row.action == action; }));
}

QString SheetImport::summary() const {
    return QStringLiteral("Dodanih: %1, spremenjenih: %2, nespremenjenih: %3, zavrnjenih: %4.")
        .arg(count(SheetAction::Add))
        .arg(count(SheetAction::Change))
        .arg(count(SheetAction::Unchanged))
        .arg(count(SheetAction::Refused));
}

QString SheetImport::ActionText(SheetAction action) {
    switch (action) {
    case SheetAction::Add:
        return QStringLiteral("dodaj");
    case SheetAction::Change:
        return QStringLiteral("spremeni");
    case SheetAction::Unchanged:
        return QStringLiteral("nespremenjeno");
    case SheetAction::Refused:
        break;
    }
    return QStringLiteral("zavrnjeno");
}

bool SheetImport::apply() {
    if (!m_plan)
        return false;
    if (const int refused = count(SheetAction::Refused); refused > 0) {
        ShowMessage(core::MsgWarning,
                    QStringLiteral("Uvoz ni bil izveden, ker datoteka vsebuje zavrnjene vrstice (#). Popravite jih "
                                   "in datoteko preberite znova."),
                    refused);
        return false;
    }
    if (count(SheetAction::Add) + count(SheetAction::Change) == 0)
        return true;
    // An import may rewrite hundreds of rows: a safety copy first, as before every large change.
    if (!shell::SafetyCopyBefore(QStringLiteral("Uvoz iz preglednice")))
        return false;
    WriteAction action;
    m_plan->write(action, m_rows);
    const bool written = action.commit();
    // What the project holds now is what the next decisions start from.
    m_plan.reset();
    return written;
}

} // namespace zentrel::basicdata
