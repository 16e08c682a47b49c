// The sheet of assignments: class, subject, turnus, weekly periods, block, teacher and room of
// one curriculum. A row stands for an assignment of the class's own group in the subject's own
// group; the programme row (hours, block) is shared by every class of the programme.

#include "AssignmentRules.h"
#include "PredmetiVPredmetniku.h"
#include "Predmetniki.h"
#include "RecordText.h"
#include "SheetPlan.h"
#include "WriteAction.h"
#include "core/Messages.h"
#include "db/MBaza.h"

#include <QSet>
#include <optional>

namespace zentrel::basicdata {

namespace {

using core::FormatMessageText;

// Codes of a table, each with the identifiers that carry it.
QHash<QString, QList<qint64>> codes(const QString &sql) {
    QHash<QString, QList<qint64>> map;
    const db::RowSet rows = db::ProjectDb().query(sql);
    for (int r = 0; r < rows.rowCount(); ++r)
        map[SheetCodeKey(rows.text(r, QStringLiteral("OZNAKA")))] << rows.integer(r, QStringLiteral("ID"));
    return map;
}

QString key(std::initializer_list<qint64> ids) {
    QStringList parts;
    for (qint64 id : ids)
        parts << QString::number(id);
    return parts.join(u'/');
}

class AssignmentPlan : public SheetPlan {
public:
    explicit AssignmentPlan(qint64 curriculum) : m_curriculum(curriculum) {}

    bool open() override {
        db::Connection &c = db::ProjectDb();
        if ((m_curriculum = SheetCurriculum(m_curriculum)) < 0)
            return false;
        m_classes = codes(QStringLiteral("SELECT ODDELKI.ID, ODDELKI.OZNAKA FROM ODDELKI INNER JOIN "
                                         "SKUPINE_ODDELKOV ON SKUPINE_ODDELKOV.ID = ODDELKI.ID"));
        m_subjects = codes(QStringLiteral("SELECT PREDMETI.ID, PREDMETI.OZNAKA FROM PREDMETI INNER JOIN "
                                          "SKUPINE_PREDMETOV ON SKUPINE_PREDMETOV.ID = PREDMETI.ID"));
        m_teachers = codes(QStringLiteral("SELECT ID, OZNAKA FROM UCITELJI"));
        m_rooms = codes(QStringLiteral("SELECT ID, OZNAKA FROM SKUPINE_PROSTOROV"));
        m_turnusi = codes(QStringLiteral("SELECT ID, OZNAKA FROM TURNUSI"));
        m_roomCodes.clear();
        const db::RowSet rooms = c.query(QStringLiteral("SELECT ID, OZNAKA FROM SKUPINE_PROSTOROV"));
        for (int r = 0; r < rooms.rowCount(); ++r)
            m_roomCodes.insert(rooms.integer(r, QStringLiteral("ID")), rooms.text(r, QStringLiteral("OZNAKA")));

        const db::RowSet programmes = c.query(
            QStringLiteral("SELECT PROGRAM_SKUPINE.ID_SKUPINE_ODDELKOV AS SKUPINA, PROGRAMI.ID, PROGRAMI.OZNAKA FROM "
                           "PROGRAMI LEFT JOIN PROGRAM_SKUPINE ON PROGRAM_SKUPINE.ID_PROGRAMA = PROGRAMI.ID AND "
                           "PROGRAM_SKUPINE.ID_PREDMETNIKA = PROGRAMI.ID_RAZ_PREDMETNIKA WHERE "
                           "PROGRAMI.ID_RAZ_PREDMETNIKA = %1 AND PROGRAMI.ID_IZBIRNEGA_NABORA IS NULL "
                           "ORDER BY PROGRAMI.OZNAKA COLLATE SLOVENSKO, PROGRAMI.ID")
                .arg(m_curriculum));
        for (int r = 0; r < programmes.rowCount(); ++r) {
            const qint64 programme = programmes.integer(r, QStringLiteral("ID"));
            m_programmeNames.insert(SheetCodeKey(programmes.text(r, QStringLiteral("OZNAKA"))));
            const qint64 group = programmes.integer(r, QStringLiteral("SKUPINA"));
            if (group < 0)
                continue;
            m_programmesOf[group] << programme;
            ++m_followers[programme];
        }
        const db::RowSet rows = c.query(
            QStringLiteral("SELECT PREDMETI_V_PROGRAMU.* FROM PREDMETI_V_PROGRAMU INNER JOIN PROGRAMI ON PROGRAMI.ID = "
                           "PREDMETI_V_PROGRAMU.ID_PROGRAMA WHERE PROGRAMI.ID_RAZ_PREDMETNIKA = %1")
                .arg(m_curriculum));
        for (int r = 0; r < rows.rowCount(); ++r)
            m_rows.insert(key({rows.integer(r, QStringLiteral("ID_PROGRAMA")),
                               rows.integer(r, QStringLiteral("ID_SKUPINE_PREDMETOV")),
                               rows.integer(r, QStringLiteral("ID_TURNUSA"))}),
                          {int(rows.integer(r, QStringLiteral("STEVILO_UR"), 0)),
                           int(rows.integer(r, QStringLiteral("DOLZINA_TERMINA"), 1)), 0, std::nullopt});
        const db::RowSet assigned =
            c.query(QStringLiteral("SELECT * FROM RAZPORED WHERE ID_PREDMETNIKA = %1").arg(m_curriculum));
        for (int r = 0; r < assigned.rowCount(); ++r) {
            const auto at = [&](const char *column) { return assigned.integer(r, QString::fromLatin1(column)); };
            m_assigned.insert(key({at("ID_SKUPINE_ODDELKOV"), at("ID_PROGRAMA"), at("ID_SKUPINE_PREDMETOV"),
                                   at("ID_TURNUSA"), at("ID_PREDMETA"), at("ID_UCITELJA")}),
                              {at("ID"), at("ID_SKUPINE_PROSTOROV")});
        }
        const db::RowSet members = c.query(QStringLiteral(
            "SELECT ID, ID_PREDMETA FROM PREDMETI_V_SKUPINI WHERE ID_SKUPINE = ID_PREDMETA ORDER BY ID DESC"));
        for (int r = 0; r < members.rowCount(); ++r)
            m_memberRow.insert(members.integer(r, QStringLiteral("ID_PREDMETA")), members.integer(r, QStringLiteral("ID")));
        // Lessons are looked for row by row only when the curriculum has any.
        m_hasLessons = CountPlacedLessons(QStringLiteral("RAZPORED.ID_PREDMETNIKA = %1").arg(m_curriculum)) != 0;
        return true;
    }

    void decide(int index, SheetRow &row, const QList<bool> &present) override {
        m_planned.resize(index + 1);
        Planned p;
        row.action = SheetAction::Refused;
        row.note = decideRow(row, present, p);
        if (row.action != SheetAction::Refused)
            m_planned[index] = p;
    }

    void write(WriteAction &action, const QList<SheetRow> &rows) override {
        QHash<qint64, qint64> created; // planned programme -> its identifier
        for (int i = 0; i < rows.size() && action.ok(); ++i) {
            if (rows[i].action != SheetAction::Add && rows[i].action != SheetAction::Change)
                continue;
            Planned p = m_planned[i];
            if (p.key.programme < 0) {
                if (!created.contains(p.key.programme)) {
                    const NewProgramme &n = m_newProgrammes[-p.key.programme - 1];
                    const qint64 id = Predmetniki::Insert(action, m_curriculum, {n.name, QString()});
                    action.exec(QStringLiteral("INSERT INTO PROGRAM_SKUPINE (ID_PREDMETNIKA, ID_PROGRAMA, "
                                               "ID_SKUPINE_ODDELKOV) VALUES (%1, %2, %3)")
                                    .arg(N(m_curriculum), N(id), N(n.classGroup)));
                    created.insert(p.key.programme, id);
                }
                p.key.programme = created.value(p.key.programme);
            }
            if (p.row == RowStep::Insert)
                PredmetiVPredmetniku::InsertRow(action, p.key.programme, p.key.subjectGroup, p.key.turnus, p.hours,
                                                p.block, 2);
            else if (p.row == RowStep::Update)
                action.exec(QStringLiteral("UPDATE PREDMETI_V_PROGRAMU SET STEVILO_UR = %1, DOLZINA_TERMINA = %2 "
                                           "WHERE ID_PROGRAMA = %3 AND ID_SKUPINE_PREDMETOV = %4 AND ID_TURNUSA = %5")
                                .arg(N(p.hours), N(p.block), N(p.key.programme), N(p.key.subjectGroup),
                                     N(p.key.turnus)));
            if (p.assignment < 0)
                InsertAssignment(action, p.key, p.teacher, p.room);
            else if (p.roomChanges)
                action.exec(QStringLiteral("UPDATE RAZPORED SET ID_SKUPINE_PROSTOROV = %1 WHERE ID = %2")
                                .arg(p.room > 0 ? N(p.room) : QStringLiteral("Null"), N(p.assignment)));
        }
    }

private:
    enum class RowStep { None, Insert, Update };
    struct Planned {
        AssignmentKey key; // a programme below 0 is one the import creates
        qint64 teacher = -1;
        qint64 room = -1;
        RowStep row = RowStep::None;
        int hours = 0;
        int block = 1;
        qint64 assignment = -1; // the project's assignment, -1 for a new one
        bool roomChanges = false;
    };
    struct ProgrammeRow {
        int hours = 0;
        int block = 1;
        int line = 0; // the file line that set it; 0 when the project holds it
        // Hours and block the project holds, when a line of the file changes them.
        std::optional<std::pair<int, int>> before;
    };
    struct Assigned {
        qint64 id = -1;
        qint64 room = -1;
    };
    struct NewProgramme {
        qint64 classGroup = -1;
        QString name;
    };

    // The one identifier of a code; refuses (the text filled in) when there is none or several.
    static bool find(const QHash<QString, QList<qint64>> &map, const QString &code, const QString &unknown,
                     const QString &ambiguous, qint64 &id, QString &refusal) {
        const QList<qint64> ids = map.value(SheetCodeKey(code));
        if (ids.size() == 1) {
            id = ids.first();
            return true;
        }
        refusal = FormatMessageText(ids.isEmpty() ? unknown : ambiguous, code.trimmed());
        return false;
    }

    // The programme of the class group that holds the subject row, else one the class group
    // follows alone, else a new one named after the class that the import creates.
    qint64 programmeFor(qint64 classGroup, const QString &classCode, qint64 subjectGroup, qint64 turnus) {
        const QList<qint64> &followed = m_programmesOf[classGroup];
        for (qint64 programme : followed)
            if (m_rows.contains(key({programme, subjectGroup, turnus})))
                return programme;
        for (qint64 programme : followed)
            if (m_followers.value(programme) == 1)
                return programme;
        QString name = classCode.trimmed();
        for (int n = 2; m_programmeNames.contains(SheetCodeKey(name)); ++n)
            name = QStringLiteral("%1 (%2)").arg(classCode.trimmed()).arg(n);
        m_programmeNames.insert(SheetCodeKey(name));
        m_newProgrammes.append({classGroup, name});
        const qint64 planned = -static_cast<qint64>(m_newProgrammes.size());
        m_programmesOf[classGroup] << planned;
        m_followers[planned] = 1;
        return planned;
    }

    QString decideRow(SheetRow &row, const QList<bool> &present, Planned &p) {
        const QStringList &cell = row.cells;
        QString refusal;
        if (cell[0].trimmed().isEmpty())
            return QStringLiteral("Oddelek je obvezen.");
        if (cell[1].trimmed().isEmpty())
            return QStringLiteral("Predmet je obvezen.");
        if (cell[5].trimmed().isEmpty())
            return QStringLiteral("Učitelj je obvezen.");
        qint64 classGroup = -1, subject = -1, turnus = 0;
        if (!find(m_classes, cell[0], QStringLiteral("Oddelka # ni v projektu."),
                  QStringLiteral("Oznaka oddelka # v projektu ni enolična."), classGroup, refusal) ||
            !find(m_subjects, cell[1], QStringLiteral("Predmeta # ni v projektu."),
                  QStringLiteral("Oznaka predmeta # v projektu ni enolična."), subject, refusal) ||
            !find(m_teachers, cell[5], QStringLiteral("Učitelja # ni v projektu."),
                  QStringLiteral("Oznaka učitelja # v projektu ni enolična."), p.teacher, refusal))
            return refusal;
        if (!cell[2].trimmed().isEmpty() &&
            !find(m_turnusi, cell[2], QStringLiteral("Turnusa # ni v projektu."),
                  QStringLiteral("Oznaka turnusa # v projektu ni enolična."), turnus, refusal))
            return refusal;
        if (!cell[6].trimmed().isEmpty() &&
            !find(m_rooms, cell[6], QStringLiteral("Prostora ali skupine prostorov # ni v projektu."),
                  QStringLiteral("Oznaka prostora # v projektu ni enolična."), p.room, refusal))
            return refusal;
        bool ok = false;
        p.hours = cell[3].trimmed().toInt(&ok);
        if (const QString problem = PredmetiVPredmetniku::HoursProblem(ok ? p.hours : 0); !problem.isEmpty())
            return problem;

        const qint64 programme = programmeFor(classGroup, cell[0], subject, turnus);
        const QString rowKey = key({programme, subject, turnus});
        const auto held = m_rows.constFind(rowKey);
        const bool blockGiven = present[4] && !cell[4].trimmed().isEmpty();
        p.block = blockGiven ? cell[4].trimmed().toInt(&ok) : (held != m_rows.constEnd() ? held->block : 1);
        if (const QString problem = PredmetiVPredmetniku::BlockProblem(p.hours, blockGiven && !ok ? 0 : p.block);
            !problem.isEmpty())
            return problem;

        p.key = {m_curriculum, classGroup, programme, subject, turnus, subject, m_memberRow.value(subject, subject)};
        const QString assignmentKey = key({classGroup, programme, subject, turnus, subject, p.teacher});
        if (const int earlier = m_inFile.take(assignmentKey, row.line))
            return FormatMessageText(QStringLiteral("Ta učitelj, oddelek, predmet in turnus so v datoteki že v "
                                                    "vrstici #."),
                                     earlier);

        QStringList changes;
        const auto hoursChange = [](const std::pair<int, int> &from, const Planned &to) {
            return QStringLiteral("Ur/blok: %1/%2 → %3/%4").arg(from.first).arg(from.second).arg(to.hours).arg(to.block);
        };
        if (held == m_rows.constEnd()) {
            p.row = RowStep::Insert;
        } else if (held->hours == p.hours && held->block == p.block) {
            // An earlier line changed the row this one shares: this class's hours change too.
            if (held->before)
                changes << hoursChange(*held->before, p);
        } else {
            if (held->line > 0)
                return FormatMessageText(QStringLiteral("Vrstica # da temu predmetu v istem predmetniku drugačno "
                                                        "število ur ali blok."),
                                         held->line);
            if (m_hasLessons && CountValidLessons(QStringLiteral("RAZPORED.ID_PROGRAMA = %1 AND "
                                                                 "RAZPORED.ID_SKUPINE_PREDMETOV = %2 AND "
                                                                 "RAZPORED.ID_TURNUSA = %3")
                                                      .arg(programme)
                                                      .arg(subject)
                                                      .arg(turnus)) != 0)
                return QStringLiteral("Podatki že nastopajo v veljavnem urniku, zato jih ni mogoče spreminjati.");
            p.row = RowStep::Update;
            changes << hoursChange({held->hours, held->block}, p);
        }

        const auto assigned = m_assigned.constFind(assignmentKey);
        if (assigned == m_assigned.constEnd()) {
            if (m_hasLessons && programme > 0 && CountPlacedLessons(p.key.groupCondition()) != 0)
                return QStringLiteral("Skupina je že v urnikih tega razporeda, zato ji uvoz ne doda učitelja.");
        } else {
            p.assignment = assigned->id;
            // Without the column the room stays as it is.
            if (!present[6])
                p.room = assigned->room;
            p.roomChanges = assigned->room != (p.room > 0 ? p.room : -1);
            if (p.roomChanges) {
                if (m_hasLessons && CountValidLessons(QStringLiteral("RAZPORED.ID = %1").arg(p.assignment)) != 0)
                    return QStringLiteral("Podatki že nastopajo v veljavnem urniku, zato jih ni mogoče spreminjati.");
                changes << QStringLiteral("Prostor: %1 → %2")
                               .arg(m_roomCodes.value(assigned->room), m_roomCodes.value(p.room));
            }
        }
        // Decided: later rows of the same programme row must agree with this one.
        if (p.row == RowStep::Insert)
            m_rows.insert(rowKey, {p.hours, p.block, row.line, std::nullopt});
        else if (p.row == RowStep::Update)
            m_rows.insert(rowKey, {p.hours, p.block, row.line, std::make_pair(held->hours, held->block)});
        row.action = p.assignment < 0            ? SheetAction::Add
                     : changes.isEmpty()         ? SheetAction::Unchanged
                                                 : SheetAction::Change;
        return changes.join(QStringLiteral(", "));
    }

    qint64 m_curriculum;
    QHash<QString, QList<qint64>> m_classes, m_subjects, m_teachers, m_rooms, m_turnusi;
    QHash<qint64, QString> m_roomCodes;
    QHash<qint64, QList<qint64>> m_programmesOf; // class group -> programmes it follows
    QHash<qint64, int> m_followers;              // programme -> class groups following it
    QSet<QString> m_programmeNames;
    QHash<QString, ProgrammeRow> m_rows;         // programme/subject group/turnus
    QHash<QString, Assigned> m_assigned;         // class group/programme/subject group/turnus/subject/teacher
    QHash<qint64, qint64> m_memberRow;           // subject -> its row in its own group
    bool m_hasLessons = false;
    QList<NewProgramme> m_newProgrammes;
    SheetFirstLines m_inFile;
    QList<Planned> m_planned;
};

} // namespace

std::unique_ptr<SheetPlan> MakeAssignmentPlan(qint64 curriculum) {
    return std::make_unique<AssignmentPlan>(curriculum);
}

} // namespace zentrel::basicdata
