#include "IzbirneSkupine.h"

#include "AvtomatskoDodeljevanje.h"
#include "IzbirnaSkupinaZapis.h"
#include "IzbirneSkupineRaba.h"
#include "PupilText.h"
#include "basicdata/CurrentRecords.h"
#include "basicdata/OwnGroups.h"
#include "basicdata/RecordText.h"
#include "core/Messages.h"
#include "core/TextFunctions.h"
#include "db/MBaza.h"

#include <QSet>

namespace zentrel::pupils {

using basicdata::N;
using basicdata::WriteAction;

namespace {

const QString kElective = ElectiveLabelSql(QStringLiteral("N"), QStringLiteral("PR"));

// The group as it is written, without its electives.
ElectiveGroupPlan planOf(const IzbirnaSkupinaFields &f) {
    ElectiveGroupPlan plan;
    plan.code = f.oznaka.trimmed();
    plan.set = f.nabor;
    plan.turnus = f.turnus;
    plan.length = f.dolzina.trimmed().toInt();
    plan.difficulty = f.zahtevnost;
    plan.units = f.enote;
    return plan;
}

bool sameMembers(QList<qint64> a, QList<qint64> b) {
    return QSet<qint64>(a.begin(), a.end()) == QSet<qint64>(b.begin(), b.end());
}

} // namespace

bool IzbirneSkupine::open() {
    m_curriculum = basicdata::CurrentCurriculum();
    m_list.setSql(
        QStringLiteral("SELECT P.ID, P.OZNAKA, P.ID_IZBIRNEGA_NABORA, N.IME AS NABOR, V.ID_TURNUSA, T.OZNAKA AS "
                       "TURNUS, V.ZAHTEVNOST, V.DOLZINA_TERMINA, (SELECT min(ID) FROM SKUPINE_ODDELKOV WHERE "
                       "ID_IZBIRNEGA_PROGRAMA = P.ID) AS ID_SKUPINE_ODDELKOV FROM PROGRAMI P LEFT JOIN IZBIRNI_NABORI "
                       "N ON N.ID = P.ID_IZBIRNEGA_NABORA LEFT JOIN PREDMETI_V_PROGRAMU V ON V.ID_PROGRAMA = P.ID AND "
                       "V.ID_SKUPINE_PREDMETOV = (SELECT min(ID) FROM SKUPINE_PREDMETOV WHERE ID_IZBIRNEGA_PROGRAMA = "
                       "P.ID) LEFT JOIN TURNUSI T ON T.ID = V.ID_TURNUSA WHERE P.ID_IZBIRNEGA_NABORA is not Null and "
                       "P.ID_Raz_Predmetnika= %1 Order by P.OZNAKA COLLATE SLOVENSKO")
            .arg(m_curriculum));
    return m_list.requeryToSame(QStringLiteral("ID"));
}

IzbirnaSkupinaFields IzbirneSkupine::current() const {
    IzbirnaSkupinaFields f;
    f.oznaka = m_list.text(QStringLiteral("OZNAKA"));
    f.nabor = m_list.integer(QStringLiteral("ID_IZBIRNEGA_NABORA"));
    f.turnus = m_list.integer(QStringLiteral("ID_TURNUSA"));
    f.zahtevnost = int(m_list.integer(QStringLiteral("ZAHTEVNOST")));
    f.dolzina = m_list.text(QStringLiteral("DOLZINA_TERMINA"));
    f.enote = RowIds(units());
    f.predmeti = RowIds(electives());
    return f;
}

IzbirnaSkupinaFields IzbirneSkupine::newRecord() const {
    IzbirnaSkupinaFields f;
    f.turnus = 0;
    return f;
}

QString IzbirneSkupine::frameHeader(bool adding) const {
    return basicdata::FrameHeader(QStringLiteral("Izbirna skupina"), QStringLiteral("Nova izbirana skupina"), adding,
                                  m_list.text(QStringLiteral("OZNAKA")));
}

db::RowSet IzbirneSkupine::units() const {
    if (!m_list.hasCurrent())
        return {};
    return db::ProjectDb().query(QStringLiteral("SELECT O.ID, O.OZNAKA FROM ODDELKI O INNER JOIN ODDELKI_V_SKUPINI OS "
                                                "ON OS.ID_ODDELKA = O.ID WHERE OS.ID_SKUPINE = ? ORDER BY O.OZNAKA "
                                                "COLLATE SLOVENSKO"),
                                 {m_list.integer(QStringLiteral("ID_SKUPINE_ODDELKOV"))});
}

db::RowSet IzbirneSkupine::availableUnits(const QList<qint64> &chosen) const {
    return db::ProjectDb().query(QStringLiteral("SELECT O.ID, O.OZNAKA FROM ODDELKI O INNER JOIN ODDELKI_V_PREDMETNIKU "
                                                "OP ON OP.ID_ODDELKA = O.ID WHERE OP.ID_PREDMETNIKA = %1 AND O.ID NOT "
                                                "IN %2 ORDER BY O.OZNAKA COLLATE SLOVENSKO")
                                     .arg(N(m_curriculum), IdList(chosen)));
}

db::RowSet IzbirneSkupine::slotRows() const {
    return db::ProjectDb().query(QStringLiteral("SELECT G.ID, G.ID_IZBIRNEGA_PREDMETA, G.IME_SKUPINE_UCENCEV FROM "
                                                "PREDMETI_V_SKUPINI G INNER JOIN SKUPINE_PREDMETOV SP ON SP.ID = "
                                                "G.ID_SKUPINE WHERE SP.ID_IZBIRNEGA_PROGRAMA = ? AND "
                                                "G.ID_NADREJENEGA_PREDMETA_V_SKUPINI IS NULL ORDER BY G.ID"),
                                 {m_list.id()});
}

db::RowSet IzbirneSkupine::electives() const {
    if (!m_list.hasCurrent())
        return {};
    return db::ProjectDb().query(
        QStringLiteral(
            "SELECT DISTINCT IP.ID, %1 AS PREDMET FROM PREDMETI_V_SKUPINI G INNER JOIN SKUPINE_PREDMETOV SP "
            "ON SP.ID = G.ID_SKUPINE INNER JOIN IZBIRNI_PREDMETI IP ON IP.ID = G.ID_IZBIRNEGA_PREDMETA INNER "
            "JOIN IZBIRNI_NABORI N ON N.ID = IP.ID_IZBIRNEGA_NABORA INNER JOIN PREDMETI PR ON PR.ID = "
            "IP.ID_PREDMETA WHERE SP.ID_IZBIRNEGA_PROGRAMA = %2 AND G.ID_NADREJENEGA_PREDMETA_V_SKUPINI IS "
            "NULL ORDER BY 2 COLLATE SLOVENSKO")
            .arg(kElective, N(m_list.id())));
}

db::RowSet IzbirneSkupine::availableElectives(qint64 set, const QList<qint64> &chosen) const {
    const QString bySet = set > 0 ? QStringLiteral(" AND N.ID = %1").arg(set) : QString();
    return db::ProjectDb().query(
        QStringLiteral("SELECT IP.ID, %1 AS PREDMET FROM IZBIRNI_PREDMETI IP INNER JOIN IZBIRNI_NABORI N ON N.ID = "
                       "IP.ID_IZBIRNEGA_NABORA INNER JOIN PREDMETI PR ON PR.ID = IP.ID_PREDMETA WHERE "
                       "N.ID_RAZ_PREDMETNIKA = %2%3 AND IP.ID NOT IN %4 ORDER BY 2 COLLATE SLOVENSKO")
            .arg(kElective, N(m_curriculum), bySet, IdList(chosen)));
}

db::RowSet IzbirneSkupine::sets() const {
    return db::ProjectDb().query(
        QStringLiteral("SELECT ID, IME FROM (SELECT ID, IME FROM IZBIRNI_NABORI WHERE ID_RAZ_PREDMETNIKA = ? UNION ALL "
                       "SELECT -1, '(avtomatsko dodeljevanje)') ORDER BY ID < 0, IME COLLATE SLOVENSKO"),
        {m_curriculum});
}

bool IzbirneSkupine::validate(const IzbirnaSkupinaFields &f, qint64 ownId) {
    if (f.oznaka.trimmed().isEmpty())
        return refuse(QStringLiteral("OZNAKA"), QStringLiteral("Oznaka ne sme biti prazna."));
    const db::RowSet codes = db::ProjectDb().query(
        QStringLiteral("SELECT OZNAKA FROM PROGRAMI WHERE ID_IZBIRNEGA_NABORA Is NOT Null AND ID_RAZ_PREDMETNIKA = ? "
                       "AND ID <> ?"),
        {m_curriculum, ownId});
    for (int r = 0; r < codes.rowCount(); ++r)
        if (core::SameText(codes.text(r, QStringLiteral("OZNAKA")), f.oznaka))
            return refuse(QStringLiteral("OZNAKA"), QStringLiteral("Ta oznaka je že uporabljena"));
    if (ownId < 0 && f.nabor < 0)
        return refuse(QStringLiteral("ID_IZBIRNEGA_NABORA"), QStringLiteral("Izbirni nabor je obvezen."));
    if (f.turnus < 0)
        return refuse(QStringLiteral("ID_TURNUSA"), QStringLiteral("Vnos turnusa je obvezen."));
    if (f.dolzina.trimmed().toInt() < 1)
        return refuse(QStringLiteral("DOLZINA_TERMINA"), QStringLiteral("Dolžina termina mora biti večja od 0."));
    // The construction needs the units of a class group and the subjects of a subject group.
    if (f.enote.isEmpty())
        return refuse({}, QStringLiteral("Izbirna skupina mora imeti vsaj eno enoto."));
    if (f.predmeti.isEmpty())
        return refuse({}, QStringLiteral("Izbirna skupina mora imeti vsaj en predmet."));
    accepted();
    return true;
}

bool IzbirneSkupine::acceptAddNew(const IzbirnaSkupinaFields &f) {
    if (m_curriculum < 0 || !validate(f, -1))
        return false;
    ElectiveGroupPlan plan = planOf(f);
    plan.electives = f.predmeti;
    WriteAction action;
    WrittenGroup written;
    WriteElectiveGroup(action, db::ProjectDb(), m_curriculum, plan, &written);
    if (!action.commit())
        return false;
    m_list.requeryAt(QStringLiteral("ID"), written.programme);
    return true;
}

bool IzbirneSkupine::acceptEdit(const IzbirnaSkupinaFields &f) {
    if (!m_list.hasCurrent() || !validate(f, m_list.id()))
        return false;
    const qint64 programme = m_list.id();
    const IzbirnaSkupinaFields old = current();
    const bool unitsChanged = !sameMembers(old.enote, f.enote);
    const bool shapeChanged = !sameMembers(old.predmeti, f.predmeti) || old.turnus != f.turnus ||
                              old.zahtevnost != f.zahtevnost || old.dolzina.toInt() != f.dolzina.toInt() ||
                              old.nabor != f.nabor;
    const QString inGroup = QStringLiteral("R.ID_PROGRAMA = %1").arg(programme);
    if (unitsChanged || shapeChanged) {
        const qint64 valid = CountElectiveRowsInUse(inGroup, true);
        if (valid < 0)
            return false;
        if (valid > 0)
            return refuse({}, unitsChanged ? QStringLiteral("Skupine enot ni mogoče spreminjati ali brisati, ker "
                                                            "nastopa v veljavnem urniku.")
                                           : QStringLiteral("Skupine predmetov ni dovoljeno spreminajti, ker nastopa v "
                                                            "veljavnem urniku."));
        const qint64 assigned = CountElectiveRowsInUse(inGroup, false);
        if (assigned < 0 || (assigned > 0 && core::ShowMessage(core::MsgQuestion,
                                                               QStringLiteral("Sprememba  skupine povzroči skupine "
                                                                              "brisanje iz razporeda in urnikov.")) !=
                                                 core::Answer::Yes))
            return false;
    }
    WriteAction action;
    if (!unitsChanged && !shapeChanged) {
        // Only the code: the groups keep their rows, assignments and lessons.
        for (const char *table : {"PROGRAMI", "SKUPINE_PREDMETOV", "SKUPINE_ODDELKOV"})
            action.exec(QStringLiteral("UPDATE %1 SET OZNAKA = ? WHERE %2 = ?")
                            .arg(QString::fromLatin1(table), table == QByteArrayLiteral("PROGRAMI")
                                                                 ? QStringLiteral("ID")
                                                                 : QStringLiteral("ID_IZBIRNEGA_PROGRAMA")),
                        {f.oznaka.trimmed(), programme});
    } else {
        // Electives that stay keep their rows, so that their pupils keep their places.
        ElectiveGroupPlan plan = planOf(f);
        plan.programme = programme;
        plan.classGroup = m_list.integer(QStringLiteral("ID_SKUPINE_ODDELKOV"));
        const db::RowSet rows = slotRows();
        for (int r = 0; r < rows.rowCount(); ++r)
            if (f.predmeti.contains(rows.integer(r, QStringLiteral("ID_IZBIRNEGA_PREDMETA")))) {
                plan.electives << rows.integer(r, QStringLiteral("ID_IZBIRNEGA_PREDMETA"));
                plan.keepRows << rows.integer(r, QStringLiteral("ID"));
                plan.groupNames << rows.text(r, QStringLiteral("IME_SKUPINE_UCENCEV"));
            }
        for (qint64 e : f.predmeti)
            if (!plan.electives.contains(e))
                plan.electives << e;
        action.exec(QStringLiteral("DELETE FROM RAZPORED WHERE ID_PROGRAMA = %1").arg(programme));
        action.exec(QStringLiteral("DELETE FROM SKUPINE_PREDMETOV WHERE ID_IZBIRNEGA_PROGRAMA = %1").arg(programme));
        action.exec(QStringLiteral("UPDATE PROGRAMI SET ID_IZBIRNEGA_NABORA = ? WHERE ID = ?"), {f.nabor, programme});
        WriteElectiveGroup(action, db::ProjectDb(), m_curriculum, plan);
        action.exec(QStringLiteral("UPDATE ERD_UCENCI_PREDMETA SET ID_TURNUSA = ? WHERE ID_PROGRAMA = ? AND "
                                   "ID_PREDMETNIKA = ?"),
                    {f.turnus, programme, m_curriculum});
        // Places whose elective left the group, or whose pupil's unit left it, go.
        action.exec(QStringLiteral("DELETE FROM ERD_UCENCI_PREDMETA WHERE ID_PROGRAMA = %1 AND ID_PREDMETNIKA = %2 AND "
                                   "(ID_PREDMETI_V_SKUPINI NOT IN (SELECT ID FROM PREDMETI_V_SKUPINI) OR ID_UCENCA NOT "
                                   "IN (SELECT ID_UCENCA FROM ERD_UCENCI_ODDELKA WHERE ID_PREDMETNIKA = %2 AND "
                                   "ID_ODDELKA IN %3))")
                        .arg(N(programme), N(m_curriculum), IdList(f.enote)));
    }
    if (!action.commit())
        return false;
    m_list.requeryAt(QStringLiteral("ID"), programme);
    return true;
}

bool IzbirneSkupine::deleteCurrent() {
    if (!m_list.hasCurrent())
        return false;
    const qint64 programme = m_list.id();
    const QString inGroup = QStringLiteral("R.ID_PROGRAMA = %1").arg(programme);
    const qint64 valid = CountElectiveRowsInUse(inGroup, true);
    if (valid != 0)
        return valid > 0 &&
               refuse({}, QStringLiteral("Izbirne skupine ni mogoče brisati, ker nastopa v veljavnem urniku."));
    const qint64 assigned = CountElectiveRowsInUse(inGroup, false);
    if (assigned < 0 || !basicdata::ConfirmDelete(
                            QStringLiteral("Potrdi brisanje izbirne skupine #."), m_list.text(QStringLiteral("OZNAKA")),
                            assigned > 0 ? QStringLiteral("Izbirna skupina  bo brisana tudi iz vseh razporedov "
                                                          "in urnikov!")
                                         : QString()))
        return false;
    WriteAction action;
    DeleteElectiveGroups(action, m_curriculum, QStringLiteral("(%1)").arg(programme));
    if (!action.commit())
        return false;
    m_list.requery();
    return true;
}

bool IzbirneSkupine::deleteAll(bool onlyAutomatic) {
    const qint64 valid = CountElectiveGroupsInUse(m_curriculum, true);
    if (valid != 0)
        return valid > 0 && refuse({}, QStringLiteral("Izbirnih skupin ni mogoče brisati, ker nekatere že nastopajo v "
                                                      "veljavnem urniku."));
    if (!basicdata::ConfirmDelete(onlyAutomatic ? QStringLiteral("Potrdi brisanje avtomatsko tvorjenih izbirnih skupin")
                                                : QStringLiteral("Potrdi brisanje vseh izbirnih skupin."),
                                  {},
                                  QStringLiteral("Izbirne skupine bodo brisane tudi iz razporeda in pripdaočih "
                                                 "urnikov!")))
        return false;
    WriteAction action;
    if (!onlyAutomatic) {
        DeleteElectiveGroups(action, m_curriculum, ElectiveProgrammes(m_curriculum));
    } else {
        // Groups made by hand stay whole; in automatic ones places given by hand stay.
        const QString automatic =
            QStringLiteral("(SELECT ID FROM PROGRAMI WHERE ID_IZBIRNEGA_NABORA = -1 AND ID_RAZ_PREDMETNIKA = %1)")
                .arg(m_curriculum);
        action.exec(QStringLiteral("DELETE FROM ERD_UCENCI_PREDMETA WHERE ID_PREDMETNIKA = %1 AND TIP = 'A' AND "
                                   "ID_PROGRAMA IN %2")
                        .arg(N(m_curriculum), automatic));
        action.exec(QStringLiteral("DELETE FROM PREDMETI_V_SKUPINI WHERE ID_NADREJENEGA_PREDMETA_V_SKUPINI IS NULL AND "
                                   "ID_SKUPINE IN (SELECT ID FROM SKUPINE_PREDMETOV WHERE ID_IZBIRNEGA_PROGRAMA IN %1) "
                                   "AND ID NOT IN (SELECT ID_PREDMETI_V_SKUPINI FROM ERD_UCENCI_PREDMETA WHERE "
                                   "ID_PREDMETI_V_SKUPINI IS NOT NULL)")
                        .arg(automatic));
        RemoveEmptyElectiveGroups(action, m_curriculum);
    }
    if (!action.commit())
        return false;
    m_list.requery();
    return true;
}

} // namespace zentrel::pupils
