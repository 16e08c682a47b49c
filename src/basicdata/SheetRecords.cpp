// The sheets of teachers, subjects, rooms and classes: one row per record, matched by code.

#include "Oddelki.h"
#include "Predmeti.h"
#include "Prostori.h"
#include "SheetPlan.h"
#include "Ucitelji.h"
#include "WriteAction.h"
#include "core/Messages.h"
#include "db/MBaza.h"

namespace zentrel::basicdata {

namespace {

class RecordPlan : public SheetPlan {
public:
    explicit RecordPlan(SheetKind kind) : m_kind(kind), m_columns(SheetColumns(kind)) {}

    bool open() override {
        m_existing = db::ProjectDb().query(SheetRowsSql(m_kind));
        if (m_kind == SheetKind::Rooms)
            m_buildings = db::ProjectDb().query(QStringLiteral("SELECT ID, OZNAKA FROM STAVBE ORDER BY ID"));
        for (int r = 0; r < m_existing.rowCount(); ++r)
            m_byCode[SheetCodeKey(m_existing.text(r, QStringLiteral("OZNAKA")))] << r;
        return true;
    }

    void decide(int index, SheetRow &row, const QList<bool> &present) override {
        m_planned.resize(index + 1);
        row.note = decideRow(row, present, m_planned[index]);
        if (row.action == SheetAction::Refused)
            m_planned[index] = {};
    }

    void write(WriteAction &action, const QList<SheetRow> &rows) override {
        for (int i = 0; i < rows.size() && action.ok(); ++i) {
            if (rows[i].action != SheetAction::Add && rows[i].action != SheetAction::Change)
                continue;
            const Planned &p = m_planned[i];
            const QStringList &v = p.values;
            switch (m_kind) {
            case SheetKind::Teachers:
                Ucitelji::Write(action, p.id, {v[0], v[1], v[2], v[3]});
                break;
            case SheetKind::Subjects:
                Predmeti::Write(action, p.id, {v[0], v[1], v[2], v[3] == SheetFlag(true)});
                break;
            case SheetKind::Rooms:
                Prostori::Write(action, p.id, {v[0], v[1], p.building, v[3] == SheetFlag(true)});
                break;
            case SheetKind::Classes:
                Oddelki::Write(action, p.id, {v[0], v[1]});
                break;
            case SheetKind::Assignments:
                break;
            }
        }
    }

private:
    struct Planned {
        qint64 id = -1; // -1: a new record
        QStringList values;
        qint64 building = -1;
    };

    // The column that holds a yes/no value.
    bool isFlag(int column) const {
        return (m_kind == SheetKind::Subjects || m_kind == SheetKind::Rooms) && column == 3;
    }

    // Decides the row and returns its note.
    QString decideRow(SheetRow &row, const QList<bool> &present, Planned &p) {
        row.action = SheetAction::Refused;
        const QString code = row.cells.value(0).trimmed();
        const QList<int> matches = m_byCode.value(SheetCodeKey(code));
        if (!code.isEmpty()) {
            if (const int earlier = m_inFile.take(SheetCodeKey(code), row.line))
                return core::FormatMessageText(QStringLiteral("Oznaka # je v datoteki že v vrstici #."), code, earlier);
            if (matches.size() > 1)
                return core::FormatMessageText(QStringLiteral("Oznaka # v projektu ni enolična."), code);
        }
        QStringList old;
        if (matches.size() == 1) {
            p.id = m_existing.integer(matches[0], QStringLiteral("ID"));
            for (int c = 0; c < m_columns.size(); ++c)
                old << m_existing.text(matches[0], m_existing.columns().at(c));
        } else {
            // A new record starts as the window starts it: a room is a cabinet, a subject needs none.
            for (int c = 0; c < m_columns.size(); ++c)
                old << (isFlag(c) ? SheetFlag(m_kind == SheetKind::Rooms) : QString());
        }
        p.values = old;
        for (int c = 0; c < m_columns.size(); ++c) {
            if (!present[c])
                continue;
            const QString cell = row.cells.value(c);
            if (!isFlag(c)) {
                p.values[c] = c == 0 ? code : cell;
                continue;
            }
            bool flag = false;
            if (cell.trimmed().isEmpty())
                continue;
            if (!ParseSheetFlag(cell, flag))
                return core::FormatMessageText(QStringLiteral("V stolpcu # je # namesto da ali ne."),
                                               m_columns[c].caption, cell);
            p.values[c] = SheetFlag(flag);
        }
        if (const QString problem = recordProblem(p); !problem.isEmpty())
            return problem;

        if (p.id < 0) {
            row.action = SheetAction::Add;
            return {};
        }
        QStringList changes;
        for (int c = 0; c < m_columns.size(); ++c)
            if (p.values[c] != old[c])
                changes << QStringLiteral("%1: %2 → %3").arg(m_columns[c].caption, old[c], p.values[c]);
        row.action = changes.isEmpty() ? SheetAction::Unchanged : SheetAction::Change;
        return changes.join(QStringLiteral(", "));
    }

    // The refusal of the record's own window.
    QString recordProblem(Planned &p) {
        const QStringList &v = p.values;
        switch (m_kind) {
        case SheetKind::Teachers:
            return Ucitelji::Problem({v[0], v[1], v[2], v[3]});
        case SheetKind::Subjects:
            return Predmeti::Problem({v[0], v[1], v[2], false});
        case SheetKind::Classes:
            return Oddelki::Problem({v[0], v[1]});
        case SheetKind::Rooms:
            break;
        case SheetKind::Assignments:
            return {};
        }
        // The building by its code; with only one building an empty cell means that one.
        p.building = -1;
        if (v[2].trimmed().isEmpty() && m_buildings.rowCount() == 1) {
            p.building = m_buildings.integer(0, QStringLiteral("ID"));
            p.values[2] = m_buildings.text(0, QStringLiteral("OZNAKA"));
        }
        for (int b = 0; b < m_buildings.rowCount() && !v[2].trimmed().isEmpty(); ++b)
            if (SheetCodeKey(m_buildings.text(b, QStringLiteral("OZNAKA"))) == SheetCodeKey(v[2])) {
                p.building = m_buildings.integer(b, QStringLiteral("ID"));
                p.values[2] = m_buildings.text(b, QStringLiteral("OZNAKA"));
                break;
            }
        if (p.building < 0 && !v[2].trimmed().isEmpty() && !v[0].trimmed().isEmpty())
            return core::FormatMessageText(QStringLiteral("Stavbe # ni v projektu."), v[2]);
        return Prostori::Problem({v[0], v[1], p.building, false}, m_buildings);
    }

    SheetKind m_kind;
    const QList<SheetColumn> &m_columns;
    db::RowSet m_existing;
    db::RowSet m_buildings;
    QHash<QString, QList<int>> m_byCode;
    SheetFirstLines m_inFile;
    QList<Planned> m_planned;
};

} // namespace

std::unique_ptr<SheetPlan> MakeRecordPlan(SheetKind kind) {
    return std::make_unique<RecordPlan>(kind);
}

} // namespace zentrel::basicdata
