#include "IzbirniModelBaza.h"

#include "IzbirnaSkupinaZapis.h"
#include "IzbirneSkupineRaba.h"
#include "core/Messages.h"

#include <QHash>

namespace zentrel::pupils {

namespace {

bool readFailed(db::Connection &c) {
    if (!c.lastError().isError())
        return false;
    core::ShowErrorMessage(QStringLiteral("Podatkov ni bilo mogoče prebrati."), c.lastError());
    return true;
}

struct Reader {
    db::Connection &c;
    qint64 curriculum;
    ElectiveModel &m;
    QHash<qint64, int> electiveOf; // IZBIRNI_PREDMETI.ID -> index
    QHash<qint64, int> pupilOf;    // ERD_UCENEC.ID -> index
    QHash<qint64, qint64> unitOf;  // pupil -> his unit in the curriculum

    int pupil(qint64 id) {
        if (const auto it = pupilOf.constFind(id); it != pupilOf.constEnd())
            return it.value();
        PupilRecord p;
        p.id = id;
        p.unit = unitOf.value(id, -1);
        m.pupils.append(p);
        pupilOf.insert(id, int(m.pupils.size()) - 1);
        return int(m.pupils.size()) - 1;
    }

    bool electives(qint64 set, QStringList *skipped) {
        const db::RowSet rows = c.query(
            QStringLiteral("SELECT IP.ID, IP.ID_PREDMETA, IP.ID_IZBIRNEGA_NABORA, IP.NORMATIV_MAX, IP.NORMATIV_MIN, "
                           "IP.STEVILO_UCITELJEV, IP.STEVILO_UR, N.ID_TURNUSA, coalesce(N.PREDPONA || '-', '') || "
                           "PR.OZNAKA AS OZNAKA FROM IZBIRNI_PREDMETI IP INNER JOIN IZBIRNI_NABORI N ON N.ID = "
                           "IP.ID_IZBIRNEGA_NABORA INNER JOIN PREDMETI PR ON PR.ID = IP.ID_PREDMETA WHERE "
                           "N.ID_RAZ_PREDMETNIKA = ? ORDER BY IP.ID"),
            {curriculum});
        if (readFailed(c))
            return false;
        for (int r = 0; r < rows.rowCount(); ++r) {
            Elective e;
            e.id = rows.integer(r, QStringLiteral("ID"));
            e.subject = rows.integer(r, QStringLiteral("ID_PREDMETA"));
            e.code = rows.text(r, QStringLiteral("OZNAKA"));
            e.normMax = int(rows.integer(r, QStringLiteral("NORMATIV_MAX"), 0));
            e.normMin = int(std::max<qint64>(0, rows.integer(r, QStringLiteral("NORMATIV_MIN"), 0)));
            e.teacherCount = int(rows.integer(r, QStringLiteral("STEVILO_UCITELJEV"), 0));
            e.turnus = rows.integer(r, QStringLiteral("ID_TURNUSA"), 0);
            // A largest group of 0 would divide by zero; such an elective keeps its groups.
            const bool usable = e.normMax > 0 && e.normMin <= e.normMax;
            if (!usable && skipped)
                *skipped << e.code;
            e.inRun = usable && (set < 0 || rows.integer(r, QStringLiteral("ID_IZBIRNEGA_NABORA")) == set);
            electiveOf.insert(e.id, int(m.electives.size()));
            m.electives.append(e);
        }
        const db::RowSet teachers =
            c.query(QStringLiteral("SELECT ID_UCITELJA, ID_PREDMETA From UCITELJ_PREDMET ORDER BY ID_UCITELJA"));
        if (readFailed(c))
            return false;
        QHash<qint64, QList<qint64>> bySubject;
        for (int r = 0; r < teachers.rowCount(); ++r)
            bySubject[teachers.integer(r, QStringLiteral("ID_PREDMETA"))]
                << teachers.integer(r, QStringLiteral("ID_UCITELJA"));
        for (Elective &e : m.electives)
            e.teachers = bySubject.value(e.subject);
        return true;
    }

    bool choices() {
        const db::RowSet members =
            c.query(QStringLiteral("SELECT ID_ODDELKA, ID_UCENCA FROM ERD_UCENCI_ODDELKA WHERE ID_PREDMETNIKA = ?"),
                    {curriculum});
        if (readFailed(c))
            return false;
        for (int r = 0; r < members.rowCount(); ++r)
            unitOf.insert(members.integer(r, QStringLiteral("ID_UCENCA")),
                          members.integer(r, QStringLiteral("ID_ODDELKA")));
        const db::RowSet rows =
            c.query(QStringLiteral(
                        "SELECT IZBIRNI_PREDMETI.ID AS ID_IZBIRNEGA_PREDMETA, E.ID_UCENCA, C.TIP FROM "
                        "IZBIRNI_NABORI N INNER JOIN IZBIRNI_PREDMETI ON IZBIRNI_PREDMETI.ID_IZBIRNEGA_NABORA = N.ID "
                        "INNER JOIN IZBIRNI_PREDMETI_UCENCI C ON C.ID_IZBIRNEGA_PREDMETA = IZBIRNI_PREDMETI.ID "
                        "INNER JOIN ERD_UCENCI_ODDELKA E ON E.ID = C.ID_UCENCI_ODDELKA WHERE "
                        "N.ID_RAZ_PREDMETNIKA = ? AND E.ID_PREDMETNIKA = ? ORDER BY IZBIRNI_PREDMETI.ID, "
                        "E.ID_ODDELKA, E.ID_UCENCA"),
                    {curriculum, curriculum});
        if (readFailed(c))
            return false;
        for (int r = 0; r < rows.rowCount(); ++r) {
            const int e = electiveOf.value(rows.integer(r, QStringLiteral("ID_IZBIRNEGA_PREDMETA")), -1);
            const QString tip = rows.text(r, QStringLiteral("TIP")).trimmed().toUpper();
            const QChar type = tip.isEmpty() ? QChar() : tip.front();
            if (e < 0 || (type != u'I' && type != u'R'))
                continue;
            const int p = pupil(rows.integer(r, QStringLiteral("ID_UCENCA")));
            PupilRecord &rec = m.pupils[p];
            if (std::any_of(rec.choices.begin(), rec.choices.end(), [e](const Choice &c) { return c.elective == e; }))
                continue; // the same elective twice counts once
            Choice choice;
            choice.elective = e;
            choice.type = type;
            rec.choices.append(choice);
            rec.required += type == u'I' ? 1 : 0;
            m.electives[e].choosers.append({p, int(rec.choices.size()) - 1});
        }
        return true;
    }

    bool groups();
};

bool Reader::groups() {
    const QString programmes = ElectiveProgrammes(curriculum);
    const db::RowSet blocks = c.query(
        QStringLiteral("SELECT P.ID, P.OZNAKA, P.ID_IZBIRNEGA_NABORA, V.ID_TURNUSA, V.DOLZINA_TERMINA, V.ZAHTEVNOST, "
                       "(SELECT min(SO.ID) FROM SKUPINE_ODDELKOV SO WHERE SO.ID_IZBIRNEGA_PROGRAMA = P.ID) AS SKUPINA "
                       "FROM PROGRAMI P LEFT JOIN PREDMETI_V_PROGRAMU V ON V.ID_PROGRAMA = P.ID AND "
                       "V.ID_SKUPINE_PREDMETOV = (SELECT min(ID) FROM SKUPINE_PREDMETOV WHERE ID_IZBIRNEGA_PROGRAMA = "
                       "P.ID) WHERE P.ID IN %1 ORDER BY SKUPINA, P.ID")
            .arg(programmes));
    if (readFailed(c))
        return false;
    QHash<qint64, int> blockOf;
    for (int r = 0; r < blocks.rowCount(); ++r) {
        Block b;
        b.programme = blocks.integer(r, QStringLiteral("ID"));
        b.set = blocks.integer(r, QStringLiteral("ID_IZBIRNEGA_NABORA"));
        b.code = blocks.text(r, QStringLiteral("OZNAKA"));
        b.turnus = blocks.integer(r, QStringLiteral("ID_TURNUSA"), 0);
        b.length = int(blocks.integer(r, QStringLiteral("DOLZINA_TERMINA"), 1));
        b.difficulty = int(blocks.integer(r, QStringLiteral("ZAHTEVNOST"), 2));
        blockOf.insert(b.programme, int(m.blocks.size()));
        m.blocks.append(b);
    }
    const db::RowSet units = c.query(
        QStringLiteral("SELECT SO.ID_IZBIRNEGA_PROGRAMA AS ID_PROGRAMA, OS.ID_ODDELKA FROM ODDELKI_V_SKUPINI OS INNER "
                       "JOIN SKUPINE_ODDELKOV SO ON SO.ID = OS.ID_SKUPINE WHERE SO.ID_IZBIRNEGA_PROGRAMA IN %1 ORDER "
                       "BY OS.ID_SKUPINE, OS.ID_ODDELKA")
            .arg(programmes));
    if (readFailed(c))
        return false;
    for (int r = 0; r < units.rowCount(); ++r) {
        Block &b = m.blocks[blockOf.value(units.integer(r, QStringLiteral("ID_PROGRAMA")))];
        if (!b.units.contains(units.integer(r, QStringLiteral("ID_ODDELKA"))))
            b.units << units.integer(r, QStringLiteral("ID_ODDELKA"));
    }
    const db::RowSet slotRows = c.query(
        QStringLiteral("SELECT SP.ID_IZBIRNEGA_PROGRAMA AS ID_PROGRAMA, G.ID, G.ID_IZBIRNEGA_PREDMETA, "
                       "G.IME_SKUPINE_UCENCEV, (SELECT min(R.ID_UCITELJA) FROM RAZPORED R WHERE "
                       "R.ID_PREDMETI_V_SKUPINI = G.ID) AS ID_UCITELJA FROM PREDMETI_V_SKUPINI G INNER JOIN "
                       "SKUPINE_PREDMETOV SP ON SP.ID = G.ID_SKUPINE WHERE G.ID_NADREJENEGA_PREDMETA_V_SKUPINI IS "
                       "NULL AND SP.ID_IZBIRNEGA_PROGRAMA IN %1 ORDER BY SP.ID_IZBIRNEGA_PROGRAMA, G.ID_SKUPINE, "
                       "G.ID_PREDMETA, G.ID")
            .arg(programmes));
    if (readFailed(c))
        return false;
    QHash<qint64, QPair<int, int>> slotOf; // PREDMETI_V_SKUPINI.ID -> (block, slot)
    for (int r = 0; r < slotRows.rowCount(); ++r) {
        const int e = electiveOf.value(slotRows.integer(r, QStringLiteral("ID_IZBIRNEGA_PREDMETA")), -1);
        const int b = blockOf.value(slotRows.integer(r, QStringLiteral("ID_PROGRAMA")), -1);
        if (e < 0 || b < 0)
            continue;
        Slot s;
        s.elective = e;
        s.teacher = slotRows.integer(r, QStringLiteral("ID_UCITELJA"));
        s.groupName = slotRows.text(r, QStringLiteral("IME_SKUPINE_UCENCEV"));
        s.fixed = m.blocks[b].set != -1 || !m.electives[e].inRun;
        slotOf.insert(slotRows.integer(r, QStringLiteral("ID")), {b, int(m.blocks[b].groups.size())});
        m.blocks[b].groups.append(s);
    }
    const db::RowSet placed = c.query(
        QStringLiteral("SELECT ID_UCENCA, ID_PREDMETI_V_SKUPINI, TIP FROM ERD_UCENCI_PREDMETA WHERE ID_PREDMETNIKA = ? "
                       "AND ID_PROGRAMA IN %1 ORDER BY ID_PREDMETI_V_SKUPINI, ID_UCENCA")
            .arg(programmes),
        {curriculum});
    if (readFailed(c))
        return false;
    for (int r = 0; r < placed.rowCount(); ++r) {
        const auto where = slotOf.value(placed.integer(r, QStringLiteral("ID_PREDMETI_V_SKUPINI")), {-1, -1});
        if (where.first < 0)
            continue;
        const int p = pupil(placed.integer(r, QStringLiteral("ID_UCENCA")));
        const int e = m.blocks[where.first].groups[where.second].elective;
        if (m.choiceInBlock(p, where.first) >= 0)
            continue; // one group of a block per pupil
        QList<Choice> &choices = m.pupils[p].choices;
        int ci = -1;
        for (int i = 0; i < choices.size() && ci < 0; ++i)
            if (choices[i].elective == e)
                ci = i;
        if (ci >= 0 && choices[ci].block >= 0)
            continue; // already in another group of the elective
        if (ci < 0) {
            Choice given;
            given.elective = e;
            given.type = u'-';
            choices.append(given);
            ci = int(choices.size()) - 1;
        }
        const QVariant type = placed.value(r, QStringLiteral("TIP"));
        choices[ci].block = where.first;
        choices[ci].slot = where.second;
        choices[ci].placedAs = type.isNull() ? QString() : type.toString();
        choices[ci].fixed = choices[ci].placedAs != QLatin1String("A") || !m.electives[e].inRun;
        m.blocks[where.first].groups[where.second].pupils.append(p);
    }
    return true;
}

} // namespace

bool LoadElectiveModel(db::Connection &connection, qint64 curriculum, qint64 set, ElectiveModel &model,
                       QStringList *skipped) {
    const bool useTeachers = model.useTeachers;
    model = ElectiveModel();
    model.useTeachers = useTeachers;
    Reader reader{connection, curriculum, model, {}, {}, {}};
    return reader.electives(set, skipped) && reader.choices() && reader.groups();
}

bool WriteElectiveModel(basicdata::WriteAction &action, db::Connection &c, qint64 curriculum,
                        const ElectiveModel &model) {
    const QString programmes = ElectiveProgrammes(curriculum);
    // The old groups go whole: pupils, subject groups (with their rows, hours and assignments),
    // class groups, programmes.
    DeleteElectiveGroups(action, curriculum, programmes);
    for (int b = 0; b < model.blocks.size() && action.ok(); ++b) {
        const Block &block = model.blocks[b];
        ElectiveGroupPlan plan;
        plan.code = block.code;
        plan.set = block.set;
        plan.turnus = block.turnus;
        plan.length = block.length;
        plan.difficulty = block.difficulty;
        plan.units = block.units;
        QList<int> open;
        for (int s = 0; s < block.groups.size(); ++s)
            if (!block.groups[s].closed) {
                open << s;
                plan.electives << model.electives[block.groups[s].elective].id;
                plan.groupNames << block.groups[s].groupName;
            }
        if (open.isEmpty())
            continue;
        WrittenGroup written;
        if (!WriteElectiveGroup(action, c, curriculum, plan, &written))
            return false;
        for (int i = 0; i < open.size(); ++i)
            for (int p : block.groups[open[i]].pupils) {
                const Choice &choice = model.pupils[p].choices[model.choiceInBlock(p, b)];
                // Places read from the groups keep their type; what this run placed is "A".
                const QVariant type = !choice.placedAs.isNull() ? QVariant(choice.placedAs)
                                      : choice.fixed            ? QVariant()
                                                                : QVariant(QStringLiteral("A"));
                action.exec(QStringLiteral("INSERT INTO ERD_UCENCI_PREDMETA (ID_SKUPINE_ODDELKOV,ID_PREDMETNIKA,"
                                           "ID_PROGRAMA,ID_PREDMETI_V_SKUPINI,ID_TURNUSA,ID_UCENCA,TIP) VALUES "
                                           "(?, ?, ?, ?, ?, ?, ?)"),
                            {written.classGroup, curriculum, written.programme, written.rows[i], block.turnus,
                             model.pupils[p].id, type});
            }
    }
    return action.ok();
}

} // namespace zentrel::pupils
