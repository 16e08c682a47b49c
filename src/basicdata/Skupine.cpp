#include "Skupine.h"

#include "AssignmentRules.h"
#include "CurrentRecords.h"
#include "OwnGroups.h"
#include "RecordText.h"
#include "core/Messages.h"
#include "core/TextFunctions.h"
#include "db/MBaza.h"
#include "db/SqlText.h"

#include <QSet>

namespace zentrel::basicdata {

using db::SqlText::Quote;

namespace {

int number(const QString &text) {
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    return ok ? n : -1;
}

int blockOf(const SkupinaFields &f) {
    return f.dolzinaTermina.trimmed().isEmpty() ? 1 : number(f.dolzinaTermina);
}

QList<qint64> ids(const db::RowSet &rows, const QString &column) {
    QList<qint64> out;
    for (int r = 0; r < rows.rowCount(); ++r)
        out << rows.integer(r, column);
    return out;
}

bool sameMembers(const QList<qint64> &a, const QList<qint64> &b) {
    return QSet<qint64>(a.begin(), a.end()) == QSet<qint64>(b.begin(), b.end());
}

// Whether a code is taken by another row of a list (letter case and č/š/ž ignored).
bool taken(const QString &sql, const QString &code) {
    const db::RowSet rows = db::ProjectDb().query(sql);
    for (int r = 0; r < rows.rowCount(); ++r)
        if (core::SameText(rows.text(r, QStringLiteral("OZNAKA")), code))
            return true;
    return false;
}

} // namespace

Skupine::Skupine()
    : m_turnusi(QStringLiteral("SELECT * FROM TURNUSI ORDER BY ID")),
      m_subjects(QStringLiteral("SELECT * FROM PREDMETI ORDER BY OZNAKA COLLATE SLOVENSKO")) {}

bool Skupine::open() {
    m_curriculum = CurrentCurriculum();
    const QString C = N(m_curriculum);
    m_list.setSql(
        QStringLiteral(
            "SELECT SKUPINE_PREDMETOV.OZNAKA, SKUPINE_ODDELKOV.OZNAKA AS OznakaSkupineEnot, SKUPINE_PREDMETOV.IME, "
            "TURNUSI.OZNAKA AS OznakaTurnusa, PREDMETI_V_PROGRAMU.ID_PROGRAMA, SKUPINE_PREDMETOV.ID AS ID_SkuPre, "
            "SKUPINE_ODDELKOV.ID AS ID_SkuOdd, PREDMETI_V_PROGRAMU.ID_TURNUSA, PREDMETI_V_PROGRAMU.STEVILO_UR, "
            "PREDMETI_V_PROGRAMU.DOLZINA_TERMINA, PREDMETI_V_PROGRAMU.ZAHTEVNOST FROM PROGRAM_SKUPINE INNER JOIN "
            "PREDMETI_V_PROGRAMU ON PROGRAM_SKUPINE.ID_PROGRAMA = PREDMETI_V_PROGRAMU.ID_PROGRAMA INNER JOIN "
            "SKUPINE_ODDELKOV ON SKUPINE_ODDELKOV.ID = PROGRAM_SKUPINE.ID_SKUPINE_ODDELKOV INNER JOIN "
            "SKUPINE_PREDMETOV ON SKUPINE_PREDMETOV.ID = PREDMETI_V_PROGRAMU.ID_SKUPINE_PREDMETOV INNER JOIN TURNUSI "
            "ON TURNUSI.ID = PREDMETI_V_PROGRAMU.ID_TURNUSA WHERE PROGRAM_SKUPINE.ID_PREDMETNIKA = %1 AND "
            "SKUPINE_PREDMETOV.ID_IZBIRNEGA_PROGRAMA Is Null AND (SKUPINE_PREDMETOV.ID_RAZ_PREDMETNIKA = %1 OR "
            "SKUPINE_ODDELKOV.ID_RAZ_PREDMETNIKA = %1) ORDER BY SKUPINE_PREDMETOV.OZNAKA COLLATE SLOVENSKO, "
            "TURNUSI.OZNAKA COLLATE SLOVENSKO")
            .arg(C));
    m_classes.setSql(
        QStringLiteral("SELECT ODDELKI.ID, ODDELKI.OZNAKA, ODDELKI.IME FROM ODDELKI INNER JOIN "
                       "ODDELKI_V_PREDMETNIKU ON ODDELKI.ID = ODDELKI_V_PREDMETNIKU.ID_ODDELKA WHERE "
                       "ODDELKI_V_PREDMETNIKU.ID_PREDMETNIKA = %1 ORDER BY ODDELKI.OZNAKA COLLATE SLOVENSKO")
            .arg(C));
    bool ok = m_turnusi.requery();
    ok = m_subjects.requery() && ok;
    ok = m_classes.requery() && ok;
    return m_list.requeryToSame(QStringLiteral("ID_PROGRAMA")) && ok;
}

CombinedGroupRows Skupine::currentRows() const {
    return {m_curriculum, m_list.integer(QStringLiteral("ID_PROGRAMA")), m_list.integer(QStringLiteral("ID_SkuPre")),
            m_list.integer(QStringLiteral("ID_SkuOdd")), m_list.integer(QStringLiteral("ID_TURNUSA"))};
}

QList<qint64> Skupine::storedSubjects(qint64 subjectGroup) const {
    return ids(
        db::ProjectDb().query(
            QStringLiteral("SELECT DISTINCT ID_PREDMETA FROM PREDMETI_V_SKUPINI WHERE ID_SKUPINE = ?"), {subjectGroup}),
        QStringLiteral("ID_PREDMETA"));
}

QList<qint64> Skupine::storedClasses(qint64 classGroup) const {
    return ids(db::ProjectDb().query(QStringLiteral("SELECT ID_ODDELKA FROM ODDELKI_V_SKUPINI WHERE ID_SKUPINE = ?"),
                                     {classGroup}),
               QStringLiteral("ID_ODDELKA"));
}

SkupinaFields Skupine::current() const {
    SkupinaFields f;
    if (!m_list.hasCurrent())
        return f;
    f.oznakaPredmetov = m_list.text(QStringLiteral("OZNAKA"));
    f.oznakaEnot = m_list.text(QStringLiteral("OznakaSkupineEnot"));
    f.ime = m_list.text(QStringLiteral("IME"));
    f.steviloUr = m_list.text(QStringLiteral("STEVILO_UR"));
    f.dolzinaTermina = m_list.text(QStringLiteral("DOLZINA_TERMINA"));
    f.idTurnusa = m_list.integer(QStringLiteral("ID_TURNUSA"));
    f.zahtevnost = int(m_list.integer(QStringLiteral("ZAHTEVNOST")));
    f.predmeti = storedSubjects(currentRows().subjectGroup);
    f.oddelki = storedClasses(currentRows().classGroup);
    return f;
}

SkupinaFields Skupine::newRecord() const {
    SkupinaFields f;
    if (m_turnusi.find(QStringLiteral("ID"), 0) >= 0)
        f.idTurnusa = 0;
    return f;
}

QString Skupine::frameHeader(bool adding) const {
    return FrameHeader(QStringLiteral("Skupina"), QStringLiteral("Nova skupina"), adding,
                       m_list.text(QStringLiteral("OZNAKA")));
}

void Skupine::afterCode(SkupinaFields &f) {
    f.ime = NameAfterCode(f.oznakaPredmetov, f.ime);
    if (f.oznakaEnot.isEmpty())
        f.oznakaEnot = f.oznakaPredmetov;
}

bool Skupine::mayChangeMembers(bool subjects) {
    if (!m_list.hasCurrent())
        return true;
    const QString group = currentRows().assignmentCondition();
    const qint64 valid = CountValidLessons(group);
    if (valid != 0) {
        if (valid > 0)
            core::ShowMessage(core::MsgWarning,
                              subjects ? QStringLiteral("Skupine predmetov ni dovoljeno spreminajti, ker nastopa v "
                                                        "veljavnem urniku.")
                                       : QStringLiteral("Skupine enot ni mogoče spreminjati ali brisati, ker nastopa v "
                                                        "veljavnem urniku."));
        return false;
    }
    if (m_memberChangeConfirmed)
        return true;
    const qint64 assignments = CountAssignments(group);
    if (assignments < 0)
        return false;
    if (assignments == 0)
        return true;
    m_memberChangeConfirmed =
        core::ShowMessage(core::MsgQuestion,
                          QStringLiteral("Sprememba  skupine povzroči skupine brisanje iz razporeda in urnikov.")) ==
        core::Answer::Yes;
    return m_memberChangeConfirmed;
}

bool Skupine::codesFree(const SkupinaFields &f, bool adding) {
    const CombinedGroupRows g = adding ? CombinedGroupRows{} : currentRows();
    const QString C = N(m_curriculum);
    const QString taken1 = QStringLiteral("Ta oznaka je že uporabljena");
    // A code left as it was is not checked: a group given rows of its own keeps the code of the
    // rows it was copied from, and must stay editable.
    const bool subjectCode = adding || f.oznakaPredmetov != m_list.text(QStringLiteral("OZNAKA"));
    const bool classCode = adding || f.oznakaEnot != m_list.text(QStringLiteral("OznakaSkupineEnot"));
    if (subjectCode && (taken(QStringLiteral("SELECT OZNAKA FROM SKUPINE_PREDMETOV WHERE (ID_RAZ_PREDMETNIKA = %1 OR "
                                             "ID_RAZ_PREDMETNIKA IS NULL) AND ID <> %2")
                                  .arg(C, N(g.subjectGroup)),
                              f.oznakaPredmetov) ||
                        taken(QStringLiteral("SELECT OZNAKA FROM PROGRAMI WHERE ID_RAZ_PREDMETNIKA = %1 AND ID <> %2")
                                  .arg(C, N(g.programme)),
                              f.oznakaPredmetov)))
        return refuse(QStringLiteral("OZNAKA"), taken1);
    if (classCode && taken(QStringLiteral("SELECT OZNAKA FROM SKUPINE_ODDELKOV WHERE (ID_RAZ_PREDMETNIKA = %1 OR "
                                          "ID_RAZ_PREDMETNIKA IS NULL) AND ID <> %2")
                               .arg(C, N(g.classGroup)),
                           f.oznakaEnot))
        return refuse(QStringLiteral("OznakaSkupineEnot"), taken1);
    return true;
}

bool Skupine::validate(SkupinaFields &f, bool adding) {
    if (m_curriculum < 0)
        return refuse({}, QStringLiteral("Razpored ni izbran."));
    if (f.oznakaPredmetov.trimmed().isEmpty())
        return refuse(QStringLiteral("OZNAKA"), QStringLiteral("Oznaka ne sme biti prazna."));
    f.oznakaPredmetov = NamedGroupCode(f.oznakaPredmetov.trimmed());
    if (f.oznakaEnot.trimmed().isEmpty())
        return refuse(QStringLiteral("OznakaSkupineEnot"), QStringLiteral("Oznaka ne sme biti prazna."));
    f.oznakaEnot = NamedGroupCode(f.oznakaEnot.trimmed());
    if (f.ime.trimmed().isEmpty())
        f.ime = f.oznakaPredmetov;
    if (!codesFree(f, adding))
        return false;
    const SkupinaFields old = adding ? SkupinaFields{} : current();
    const CombinedGroupRows rows = adding ? CombinedGroupRows{} : currentRows();
    const int hours = number(f.steviloUr);
    if (!adding && hours != number(old.steviloUr) && CountValidLessons(rows.assignmentCondition()) > 0) {
        f.steviloUr = old.steviloUr;
        return refuse(
            QStringLiteral("STEVILO_UR"),
            QStringLiteral("Skupine enot ni mogoče spreminjati ali brisati, ker nastopa v veljavnem urniku."));
    }
    if (hours <= 0)
        return refuse(QStringLiteral("STEVILO_UR"), QStringLiteral("Število ur mora biti večje od 0."));
    if (f.idTurnusa < 0 || m_turnusi.find(QStringLiteral("ID"), f.idTurnusa) < 0)
        return refuse(QStringLiteral("ID_TURNUSA"), QStringLiteral("Vnos turnusa je obvezen."));
    const int block = blockOf(f);
    if (block > hours)
        return refuse(QStringLiteral("DOLZINA_TERMINA"),
                      QStringLiteral("Dolžina termina mora biti manjša od števila ur."));
    if (block < 1)
        return refuse(QStringLiteral("DOLZINA_TERMINA"), QStringLiteral("Dolžina termina mora biti vsaj 1."));
    if (!adding && hours < number(old.steviloUr) &&
        CountPlacedLessons(rows.assignmentCondition() +
                           QStringLiteral(" AND RAZPORED.ID_TURNUSA = %1").arg(rows.turnus)) > 0 &&
        core::ShowMessage(core::MsgQuestion,
                          QStringLiteral("Zmanjšanje števila ur bo povzročil brisanje skupine iz urnikov.")) !=
            core::Answer::Yes) {
        m_invalidField = QStringLiteral("STEVILO_UR");
        return false;
    }
    if (f.predmeti.isEmpty())
        return refuse(QStringLiteral("PREDMETI"), QStringLiteral("V skupini mora biti vsaj en predmet."));
    if (f.oddelki.isEmpty())
        return refuse(QStringLiteral("ENOTE"), QStringLiteral("V skupini mora biti vsaj ena enota."));
    accepted();
    return true;
}

bool Skupine::acceptAddNew(SkupinaFields f) {
    if (!validate(f, true))
        return false;
    const QString C = N(m_curriculum);
    WriteAction a;
    const QString P = N(a.number(QStringLiteral("SELect coalesce(Max(ID), 0) + 1 as MAXID FROM PROGRAMI ")));
    const QString S =
        N(a.number(QStringLiteral("SELECT max(m) + 1 FROM (SELECT coalesce(max(ID), 0) AS m FROM "
                                  "SKUPINE_PREDMETOV UNION ALL SELECT coalesce(max(ID), 0) FROM PREDMETI)")));
    const QString G =
        N(a.number(QStringLiteral("SELECT max(m) + 1 FROM (SELECT coalesce(max(ID), 0) AS m FROM "
                                  "SKUPINE_ODDELKOV UNION ALL SELECT coalesce(max(ID), 0) FROM ODDELKI)")));
    a.exec(QStringLiteral("INSERT INTO PROGRAMI (ID, OZNAKA,IME,ID_RAZ_PREDMETNIKA) VALUES (%1, %2, %3, %4)")
               .arg(P, Quote(f.oznakaPredmetov), Quote(f.ime), C));
    a.exec(QStringLiteral("INSERT INTO SKUPINE_PREDMETOV (ID, OZNAKA, IME, ID_RAZ_PREDMETNIKA) VALUES (%1, %2, %3, %4)")
               .arg(S, Quote(f.oznakaPredmetov), Quote(f.ime), C));
    for (qint64 subject : std::as_const(f.predmeti))
        a.exec(QStringLiteral("INSERT INTO PREDMETI_V_SKUPINI (ID_SKUPINE,ID_PREDMETA) VALUES (%1, %2)")
                   .arg(S, N(subject)));
    a.exec(QStringLiteral("INSERT INTO SKUPINE_ODDELKOV (ID, OZNAKA, IME, ID_RAZ_PREDMETNIKA) VALUES (%1, %2, %3, %4)")
               .arg(G, Quote(f.oznakaEnot), Quote(f.ime), C));
    for (qint64 klass : std::as_const(f.oddelki))
        a.exec(
            QStringLiteral("INSERT INTO ODDELKI_V_SKUPINI (ID_SKUPINE,ID_ODDELKA) VALUES (%1, %2)").arg(G, N(klass)));
    a.exec(QStringLiteral("INSERT INTO PROGRAM_SKUPINE ( ID_PROGRAMA, ID_PREDMETNIKA, ID_SKUPINE_ODDELKOV) VALUES "
                          "(%1, %2, %3)")
               .arg(P, C, G));
    a.exec(QStringLiteral("INSERT INTO PREDMETI_V_PROGRAMU (ID_PROGRAMA, ID_SKUPINE_PREDMETOV, ID_TURNUSA, STEVILO_UR, "
                          "DOLZINA_TERMINA, ZAHTEVNOST) VALUES (%1, %2, %3, %4, %5, %6)")
               .arg(P, S, N(f.idTurnusa), N(number(f.steviloUr)), N(blockOf(f)), N(std::clamp(f.zahtevnost, 0, 3))));
    if (!a.commit())
        return false;
    showGroup(P.toLongLong(), f.idTurnusa);
    return true;
}

bool Skupine::acceptEdit(SkupinaFields &f) {
    if (!m_list.hasCurrent() || !validate(f, false))
        return false;
    const SkupinaFields old = current();
    CombinedGroupRows g = currentRows();
    const bool subjectsChanged = !sameMembers(f.predmeti, old.predmeti);
    const bool classesChanged = !sameMembers(f.oddelki, old.oddelki);
    const bool turnusChanged = f.idTurnusa != g.turnus;
    const bool hoursDecreased = number(f.steviloUr) < number(old.steviloUr);
    if (turnusChanged && CountRows(QStringLiteral("SELECT count(*) FROM PREDMETI_V_PROGRAMU WHERE ID_PROGRAMA = %1 AND "
                                                  "ID_SKUPINE_PREDMETOV = %2 AND ID_TURNUSA = %3")
                                       .arg(N(g.programme), N(g.subjectGroup), N(f.idTurnusa))) != 0)
        return refuse(QStringLiteral("ID_TURNUSA"), QStringLiteral("Skupina s tem turnusom že obstaja."));
    // The once-per-edit question also covers changes made without the mover boxes.
    if ((subjectsChanged || classesChanged || turnusChanged) && !mayChangeMembers(subjectsChanged))
        return false;
    const db::RowSet names = db::ProjectDb().query(
        QStringLiteral("SELECT (SELECT OZNAKA FROM PROGRAMI WHERE ID = :p) AS PO, (SELECT IME FROM PROGRAMI WHERE ID = "
                       ":p) AS PI, (SELECT OZNAKA FROM SKUPINE_ODDELKOV WHERE ID = :g) AS GO, (SELECT IME FROM "
                       "SKUPINE_ODDELKOV WHERE ID = :g) AS GI"),
        QVariantMap{{QStringLiteral("p"), g.programme}, {QStringLiteral("g"), g.classGroup}});
    CombinedGroupTouch touch;
    touch.programmeName =
        names.text(0, QStringLiteral("PO")) != f.oznakaPredmetov || names.text(0, QStringLiteral("PI")) != f.ime;
    touch.programmeRow = turnusChanged || number(f.steviloUr) != number(old.steviloUr) || blockOf(f) != blockOf(old) ||
                         f.zahtevnost != old.zahtevnost;
    const bool renameSubjects = old.oznakaPredmetov != f.oznakaPredmetov || old.ime != f.ime;
    const bool renameClasses =
        names.text(0, QStringLiteral("GO")) != f.oznakaEnot || names.text(0, QStringLiteral("GI")) != f.ime;
    touch.subjectGroup = renameSubjects || subjectsChanged;
    touch.classGroup = renameClasses || classesChanged;
    CombinedGroupSharing sharing;
    if (!FindSharing(g, sharing))
        return false;

    WriteAction a;
    DetachGroup(a, g, sharing, touch);
    const QString P = N(g.programme), S = N(g.subjectGroup), G = N(g.classGroup), T = N(g.turnus);
    if (touch.programmeName)
        a.exec(QStringLiteral("UPDATE PROGRAMI SET OZNAKA= %1, IME = %2 WHERE ID=%3")
                   .arg(Quote(f.oznakaPredmetov), Quote(f.ime), P));
    if (renameSubjects)
        a.exec(QStringLiteral("UPDATE SKUPINE_PREDMETOV SET OZNAKA= %1, IME = %2 WHERE ID=%3")
                   .arg(Quote(f.oznakaPredmetov), Quote(f.ime), S));
    if (renameClasses)
        a.exec(QStringLiteral("UPDATE SKUPINE_ODDELKOV SET OZNAKA= %1, IME = %2 WHERE ID=%3")
                   .arg(Quote(f.oznakaEnot), Quote(f.ime), G));
    if (subjectsChanged || classesChanged) {
        // As the question said: the group's assignments go, with their lessons.
        a.exec(QStringLiteral("DELETE FROM RAZPORED WHERE %1").arg(g.assignmentCondition()));
        for (qint64 subject : std::as_const(f.predmeti))
            if (!old.predmeti.contains(subject))
                a.exec(QStringLiteral("INSERT INTO PREDMETI_V_SKUPINI (ID_SKUPINE,ID_PREDMETA) VALUES (%1, %2)")
                           .arg(S, N(subject)));
        for (qint64 subject : std::as_const(old.predmeti))
            if (!f.predmeti.contains(subject))
                a.exec(QStringLiteral("DELETE FROM PREDMETI_V_SKUPINI WHERE ID_SKUPINE = %1 AND ID_PREDMETA = %2")
                           .arg(S, N(subject)));
        for (qint64 klass : std::as_const(f.oddelki))
            if (!old.oddelki.contains(klass))
                a.exec(QStringLiteral("INSERT INTO ODDELKI_V_SKUPINI (ID_SKUPINE, ID_ODDELKA) VALUES (%1, %2)")
                           .arg(G, N(klass)));
        for (qint64 klass : std::as_const(old.oddelki))
            if (!f.oddelki.contains(klass))
                a.exec(QStringLiteral("DELETE FROM ODDELKI_V_SKUPINI WHERE ID_SKUPINE = %1 AND ID_ODDELKA = %2")
                           .arg(G, N(klass)));
    }
    const QString values =
        QStringLiteral("%1, %2, %3").arg(N(number(f.steviloUr)), N(blockOf(f)), N(std::clamp(f.zahtevnost, 0, 3)));
    if (turnusChanged) {
        // Only this turnus's row of the programme is replaced; its assignments go with it.
        a.exec(QStringLiteral("DELETE FROM RAZPORED WHERE %1 AND RAZPORED.ID_TURNUSA = %2")
                   .arg(g.assignmentCondition(), T));
        a.exec(QStringLiteral("Delete From PREDMETI_V_PROGRAMU WHERE ID_PROGRAMA = %1 and ID_SKUPINE_PREDMETOV=%2 AND "
                              "ID_TURNUSA = %3")
                   .arg(P, S, T));
        a.exec(QStringLiteral("INSERT INTO PREDMETI_V_PROGRAMU (ID_PROGRAMA, ID_SKUPINE_PREDMETOV, ID_TURNUSA, "
                              "STEVILO_UR, DOLZINA_TERMINA,ZAHTEVNOST) VALUES (%1, %2, %3, %4)")
                   .arg(P, S, N(f.idTurnusa), values));
    } else {
        if (hoursDecreased)
            DeleteLessons(a, g.assignmentCondition() + QStringLiteral(" AND RAZPORED.ID_TURNUSA = ") + T, true);
        a.exec(QStringLiteral("UPDATE PREDMETI_V_PROGRAMU SET STEVILO_UR = %1, DOLZINA_TERMINA = %2, ZAHTEVNOST = %3 "
                              "WHERE ID_PROGRAMA=%4 AND ID_SKUPINE_PREDMETOV = %5 AND ID_TURNUSA = %6")
                   .arg(N(number(f.steviloUr)), N(blockOf(f)), N(std::clamp(f.zahtevnost, 0, 3)), P, S, T));
    }
    if (!a.commit())
        return false;
    m_memberChangeConfirmed = false;
    showGroup(g.programme, f.idTurnusa);
    return true;
}

bool Skupine::deleteCurrent() {
    if (!m_list.hasCurrent())
        return false;
    CombinedGroupRows g = currentRows();
    const qint64 valid = CountValidLessons(g.assignmentCondition());
    if (valid != 0)
        return valid > 0 && refuse({}, QStringLiteral("Skupine predmetov ni mogoče brisati, ker nastopa v veljavnem "
                                                      "urniku."));
    const qint64 assignments = CountAssignments(g.assignmentCondition());
    CombinedGroupSharing sharing;
    if (assignments < 0 || !FindSharing(g, sharing) ||
        !ConfirmDelete(QStringLiteral("Potrdi brisanje skupine predmetov #."), m_list.text(QStringLiteral("OZNAKA")),
                       assignments > 0 ? QStringLiteral("Skupina bo brisana tudi iz vseh predmetnikov, razporedov in "
                                                        "urnikov!")
                                       : QString()))
        return false;
    WriteAction a;
    // Other class groups on the programme keep its rows: what goes is this group's own copy.
    CombinedGroupTouch removal;
    removal.programmeRow = true;
    DetachGroup(a, g, sharing, removal);
    const QString C = N(g.curriculum), P = N(g.programme), S = N(g.subjectGroup), G = N(g.classGroup);
    a.exec(QStringLiteral("DELETE FROM RAZPORED WHERE %1").arg(g.assignmentCondition()));
    a.exec(QStringLiteral("DELETE FROM ERD_UCENCI_PREDMETA WHERE ID_PREDMETNIKA = %1 AND ID_SKUPINE_ODDELKOV = %2 AND "
                          "ID_PROGRAMA = %3 AND ID_PREDMETI_V_SKUPINI IN (SELECT ID FROM PREDMETI_V_SKUPINI WHERE "
                          "ID_SKUPINE = %4)")
               .arg(C, G, P, S));
    a.exec(QStringLiteral("DELETE FROM PREDMETI_V_PROGRAMU WHERE ID_PROGRAMA = %1 AND ID_SKUPINE_PREDMETOV = %2")
               .arg(P, S));
    // The group's own rows go when nothing else uses them; shared ones (a subject's own group,
    // another programme's) stay.
    a.exec(
        QStringLiteral("Delete FROM SKUPINE_PREDMETOV WHERE ID=%1 AND ID_RAZ_PREDMETNIKA = %2 AND NOT EXISTS (SELECT "
                       "* FROM PREDMETI_V_PROGRAMU WHERE ID_SKUPINE_PREDMETOV = %1) AND NOT EXISTS (SELECT * FROM "
                       "RAZPORED WHERE ID_SKUPINE_PREDMETOV = %1)")
            .arg(S, C));
    a.exec(QStringLiteral("Delete from PROGRAMI where ID=%1 AND NOT EXISTS (SELECT * FROM PREDMETI_V_PROGRAMU WHERE "
                          "ID_PROGRAMA = %1)")
               .arg(P));
    a.exec(
        QStringLiteral("DELETE FROM SKUPINE_ODDELKOV WHERE ID=%1 AND ID_RAZ_PREDMETNIKA = %2 AND NOT EXISTS (SELECT * "
                       "FROM PROGRAM_SKUPINE WHERE ID_SKUPINE_ODDELKOV = %1) AND NOT EXISTS (SELECT * FROM RAZPORED "
                       "WHERE ID_SKUPINE_ODDELKOV = %1)")
            .arg(G, C));
    if (!a.commit())
        return false;
    m_list.requery();
    return true;
}

void Skupine::showGroup(qint64 programme, qint64 turnus) {
    m_list.requery();
    for (int r = 0; r < m_list.count(); ++r)
        if (m_list.rows().integer(r, QStringLiteral("ID_PROGRAMA")) == programme &&
            m_list.rows().integer(r, QStringLiteral("ID_TURNUSA")) == turnus)
            m_list.moveTo(r);
}

} // namespace zentrel::basicdata
