#include "PredmetiVPredmetniku.h"

#include "OwnGroups.h"
#include "RecordText.h"
#include "db/MBaza.h"

namespace zentrel::basicdata {

namespace {

// Whole positive number of the field, or -1 when the text is not one.
int number(const QString &text) {
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    return ok ? n : -1;
}

} // namespace

PredmetiVPredmetniku::PredmetiVPredmetniku()
    : m_groups(QStringLiteral("SELECT * FROM SKUPINE_PREDMETOV WHERE  ID_IZBIRNEGA_PROGRAMA Is Null AND "
                              "ID_RAZ_PREDMETNIKA IS Null ORDER BY OZNAKA COLLATE SLOVENSKO")),
      m_turnusi(QStringLiteral("SELECT * FROM TURNUSI ORDER BY ID")) {}

bool PredmetiVPredmetniku::openLists() {
    const bool ok = m_groups.requery();
    return m_turnusi.requery() && ok;
}

db::RowSet PredmetiVPredmetniku::difficulties() {
    return db::RowSet({QStringLiteral("Zahtevnost"), QStringLiteral("Opis")},
                      {QStringLiteral("INTEGER"), QStringLiteral("TEXT")},
                      {{0, QStringLiteral("Ni avtomatsko")},
                       {1, QStringLiteral("Majhna")},
                       {2, QStringLiteral("Srednja")},
                       {3, QStringLiteral("Velika")}});
}

bool PredmetiVPredmetniku::load(qint64 programme, const QString &programmeName) {
    m_programme = programme;
    m_programmeName = programmeName;
    if (programme < 1) {
        m_list.clear();
        return true;
    }
    m_list.setSql(
        QStringLiteral(
            "SELECT DISTINCT  PREDMETI_V_PROGRAMU.*, CAST(PREDMETI_V_PROGRAMU.STEVILO_UR AS TEXT)||'/'||"
            "CAST(PREDMETI_V_PROGRAMU.DOLZINA_TERMINA AS TEXT) AS UR, SKUPINE_PREDMETOV.OZNAKA, "
            "SKUPINE_PREDMETOV.IME, TURNUSI.OZNAKA COLLATE SLOVENSKO AS TURNUS FROM PREDMETI_V_PROGRAMU LEFT JOIN "
            "PROGRAM_SKUPINE "
            "ON PROGRAM_SKUPINE.ID_PROGRAMA = PREDMETI_V_PROGRAMU.ID_PROGRAMA LEFT JOIN SKUPINE_ODDELKOV ON "
            "SKUPINE_ODDELKOV.ID = PROGRAM_SKUPINE.ID_SKUPINE_ODDELKOV INNER JOIN SKUPINE_PREDMETOV ON "
            "SKUPINE_PREDMETOV.ID = PREDMETI_V_PROGRAMU.ID_SKUPINE_PREDMETOV INNER JOIN TURNUSI ON TURNUSI.ID = "
            "PREDMETI_V_PROGRAMU.ID_TURNUSA Where PREDMETI_V_PROGRAMU.ID_Programa = %1 And "
            "SKUPINE_PREDMETOV.ID_RAZ_PREDMETNIKA Is Null And SKUPINE_ODDELKOV.ID_RAZ_PREDMETNIKA Is Null "
            "ORDER BY SKUPINE_PREDMETOV.OZNAKA COLLATE SLOVENSKO, TURNUSI.OZNAKA COLLATE SLOVENSKO")
            .arg(programme));
    return m_list.requery();
}

PredmetVPredmetnikuFields PredmetiVPredmetniku::current() const {
    PredmetVPredmetnikuFields f;
    if (!m_list.hasCurrent())
        return f;
    f.idSkupinePredmetov = m_list.integer(QStringLiteral("ID_SKUPINE_PREDMETOV"));
    f.steviloUr = m_list.text(QStringLiteral("STEVILO_UR"));
    f.dolzinaTermina = m_list.text(QStringLiteral("DOLZINA_TERMINA"));
    f.idTurnusa = m_list.integer(QStringLiteral("ID_TURNUSA"));
    f.zahtevnost = int(m_list.integer(QStringLiteral("ZAHTEVNOST")));
    return f;
}

PredmetVPredmetnikuFields PredmetiVPredmetniku::newRecord() const {
    PredmetVPredmetnikuFields f;
    if (m_turnusi.find(QStringLiteral("ID"), 0) >= 0)
        f.idTurnusa = 0;
    return f;
}

QString PredmetiVPredmetniku::frameHeader(bool adding) {
    return adding ? QStringLiteral("Dodajanje predmeta") : QStringLiteral("Predmet");
}

QString PredmetiVPredmetniku::programmeCaption() const {
    return QStringLiteral("Predmetnik: ") + m_programmeName;
}

QString PredmetiVPredmetniku::label() const {
    return m_list.hasCurrent() ? RecordLabel(m_list.text(QStringLiteral("OZNAKA")), m_list.text(QStringLiteral("IME")))
                               : QString();
}

int PredmetiVPredmetniku::totalHours() const {
    int sum = 0;
    for (int r = 0; r < m_list.count(); ++r)
        sum += int(std::max<qint64>(0, m_list.rows().integer(r, QStringLiteral("STEVILO_UR"), 0)));
    return sum;
}

int PredmetiVPredmetniku::hoursInTurnus(qint64 turnus) const {
    int sum = 0;
    for (int r = 0; r < m_list.count(); ++r) {
        const qint64 t = m_list.rows().integer(r, QStringLiteral("ID_TURNUSA"));
        if (t == turnus || t == 0)
            sum += int(std::max<qint64>(0, m_list.rows().integer(r, QStringLiteral("STEVILO_UR"), 0)));
    }
    return sum;
}

QString PredmetiVPredmetniku::HoursProblem(int hours) {
    return hours <= 0 ? QStringLiteral("Število ur mora biti večje od 0.") : QString();
}

QString PredmetiVPredmetniku::BlockProblem(int hours, int block) {
    if (block > hours)
        return QStringLiteral("Dolžina termina mora biti manjša od števila ur.");
    if (block < 1)
        return QStringLiteral("Dolžina termina mora biti vsaj 1.");
    return {};
}

void PredmetiVPredmetniku::InsertRow(WriteAction &action, qint64 programme, qint64 subjectGroup, qint64 turnus,
                                     int hours, int block, int difficulty) {
    action.exec(QStringLiteral("INSERT INTO PREDMETI_V_PROGRAMU (ID_Programa, ID_Skupine_predmetov, Stevilo_Ur, "
                               "ID_Turnusa, zahtevnost, Dolzina_Termina) VALUES (%1, %2, %3, %4, %5, %6)")
                    .arg(N(programme), N(subjectGroup), N(hours), N(turnus), N(std::clamp(difficulty, 0, 3)),
                         N(block)));
}

bool PredmetiVPredmetniku::validate(const PredmetVPredmetnikuFields &f, bool adding) {
    if (f.idSkupinePredmetov < 0 || m_groups.find(QStringLiteral("ID"), f.idSkupinePredmetov) < 0)
        return refuse(QStringLiteral("ID_SKUPINE_PREDMETOV"), QStringLiteral("Oznaka ne sme biti prazna."));
    const int hours = number(f.steviloUr);
    if (const QString problem = HoursProblem(hours); !problem.isEmpty())
        return refuse(QStringLiteral("STEVILO_UR"), problem);
    if (f.idTurnusa < 0 || m_turnusi.find(QStringLiteral("ID"), f.idTurnusa) < 0)
        return refuse(QStringLiteral("ID_TURNUSA"), QStringLiteral("Vnos turnusa je obvezen."));
    const int block = f.dolzinaTermina.trimmed().isEmpty() ? 1 : number(f.dolzinaTermina);
    if (const QString problem = BlockProblem(hours, block); !problem.isEmpty())
        return refuse(QStringLiteral("DOLZINA_TERMINA"), problem);
    // A second row with the same group and turnus could not be told apart from the first.
    const bool sameRow = !adding && f.idSkupinePredmetov == m_list.integer(QStringLiteral("ID_SKUPINE_PREDMETOV")) &&
                         f.idTurnusa == m_list.integer(QStringLiteral("ID_TURNUSA"));
    if (!sameRow && CountRows(QStringLiteral("SELECT count(*) FROM PREDMETI_V_PROGRAMU WHERE ID_PROGRAMA=%1 AND "
                                             "ID_SKUPINE_PREDMETOV=%2 AND ID_TURNUSA=%3")
                                  .arg(m_programme)
                                  .arg(f.idSkupinePredmetov)
                                  .arg(f.idTurnusa)) != 0)
        return refuse(QStringLiteral("ID_SKUPINE_PREDMETOV"),
                      QStringLiteral("Predmet s tem turnusom je že v predmetniku."));
    accepted();
    return true;
}

// The assignments of the current row: the programme, its subject group and its turnus.
QString PredmetiVPredmetniku::oldRowCondition() const {
    return QStringLiteral("ID_PROGRAMA=%1 AND ID_SKUPINE_PREDMETOV=%2 AND ID_TURNUSA=%3")
        .arg(N(m_programme), N(m_list.integer(QStringLiteral("ID_SKUPINE_PREDMETOV"))),
             N(m_list.integer(QStringLiteral("ID_TURNUSA"))));
}

bool PredmetiVPredmetniku::keyChangeAllowed(const PredmetVPredmetnikuFields &f) {
    const bool groupChanges = f.idSkupinePredmetov != m_list.integer(QStringLiteral("ID_SKUPINE_PREDMETOV"));
    const bool turnusChanges = f.idTurnusa != m_list.integer(QStringLiteral("ID_TURNUSA"));
    if (!groupChanges && !turnusChanges)
        return true;
    const QString assignments = QStringLiteral("SELECT ID FROM RAZPORED WHERE ") + oldRowCondition();
    const qint64 valid =
        CountRows(QStringLiteral("SELECT Count(*) FROM TERMINI INNER JOIN VELJAVNOST_URNIKA ON TERMINI.ID_URNIKA = "
                                 "VELJAVNOST_URNIKA.ID_URNIKA WHERE TERMINI.ID_RAZPOREDA IN (%1)")
                      .arg(assignments));
    if (valid != 0)
        return valid < 0
                   ? false
                   : refuse({}, QStringLiteral("Predmeta # ni mogoče spreminjati, ker nastopa v veljavnem urniku."),
                            label());
    // Assignments of a subject the new group does not hold cannot follow; lessons placed for
    // another turnus do not belong to the new one.
    const qint64 lost =
        groupChanges ? CountRows(QStringLiteral("SELECT count(*) FROM RAZPORED WHERE %1 AND ID_PREDMETA NOT IN "
                                                "(SELECT ID_PREDMETA FROM PREDMETI_V_SKUPINI WHERE ID_SKUPINE=%2 AND "
                                                "ID_PREDMETA IS NOT NULL)")
                                     .arg(oldRowCondition(), N(f.idSkupinePredmetov)))
                     : 0;
    const qint64 lessons =
        turnusChanges
            ? CountRows(QStringLiteral("SELECT count(*) FROM TERMINI WHERE ID_RAZPOREDA IN (%1)").arg(assignments))
            : 0;
    if (lost < 0 || lessons < 0)
        return false;
    if (lost == 0 && lessons == 0)
        return true;
    QStringList lines;
    if (lost > 0)
        lines << QStringLiteral("Predmet bo brisan bo tudi iz razporedov in urnikov enot s tem predmetnikom!");
    if (lessons > 0)
        lines << QStringLiteral("Njegove ure bodo odstranjene iz urnikov.");
    return ConfirmDelete(QStringLiteral("Potrdi spremembo predmeta # v predmetniku."), label(), lines.join(u'\n'));
}

void PredmetiVPredmetniku::moveAssignments(WriteAction &action, const PredmetVPredmetnikuFields &f) {
    const qint64 group = f.idSkupinePredmetov;
    if (group != m_list.integer(QStringLiteral("ID_SKUPINE_PREDMETOV"))) {
        action.exec(QStringLiteral("DELETE FROM RAZPORED WHERE %1 AND ID_PREDMETA NOT IN (SELECT ID_PREDMETA FROM "
                                   "PREDMETI_V_SKUPINI WHERE ID_SKUPINE=%2 AND ID_PREDMETA IS NOT NULL)")
                        .arg(oldRowCondition(), N(group)));
        action.exec(QStringLiteral("UPDATE RAZPORED SET ID_PREDMETI_V_SKUPINI = (SELECT min(P.ID) FROM "
                                   "PREDMETI_V_SKUPINI P WHERE P.ID_SKUPINE=%2 AND P.ID_PREDMETA = "
                                   "RAZPORED.ID_PREDMETA) WHERE %1")
                        .arg(oldRowCondition(), N(group)));
    }
    if (f.idTurnusa != m_list.integer(QStringLiteral("ID_TURNUSA")))
        action.exec(QStringLiteral("DELETE FROM TERMINI WHERE ID_RAZPOREDA IN (SELECT ID FROM RAZPORED WHERE %1)")
                        .arg(oldRowCondition()));
    action.exec(QStringLiteral("UPDATE RAZPORED SET ID_SKUPINE_PREDMETOV=%2, ID_TURNUSA=%3 WHERE %1")
                    .arg(oldRowCondition(), N(group), N(f.idTurnusa)));
}

bool PredmetiVPredmetniku::write(const PredmetVPredmetnikuFields &f, bool adding) {
    if (m_programme < 1 || (!adding && !m_list.hasCurrent()) || !validate(f, adding))
        return false;
    if (!adding && !keyChangeAllowed(f))
        return false;
    const int hours = number(f.steviloUr);
    const int block = f.dolzinaTermina.trimmed().isEmpty() ? 1 : number(f.dolzinaTermina);
    const int difficulty = std::clamp(f.zahtevnost, 0, 3);
    WriteAction action;
    if (adding)
        InsertRow(action, m_programme, f.idSkupinePredmetov, f.idTurnusa, hours, block, difficulty);
    else
        moveAssignments(action, f);
    if (!adding)
        action.exec(
            QStringLiteral("UPDATE PREDMETI_V_PROGRAMU SET ID_Skupine_predmetov=%1, Stevilo_Ur=%2, ID_Turnusa=%3, "
                           "zahtevnost=%4, Dolzina_Termina=%5 WHERE ID_PROGRAMA=%6 AND ID_SKUPINE_PREDMETOV=%7 AND "
                           "ID_TURNUSA=%8")
                .arg(N(f.idSkupinePredmetov), N(hours), N(f.idTurnusa), N(difficulty), N(block), N(m_programme),
                     N(m_list.integer(QStringLiteral("ID_SKUPINE_PREDMETOV"))),
                     N(m_list.integer(QStringLiteral("ID_TURNUSA")))));
    if (!action.commit())
        return false;
    m_list.requery();
    for (int r = 0; r < m_list.count(); ++r)
        if (m_list.rows().integer(r, QStringLiteral("ID_SKUPINE_PREDMETOV")) == f.idSkupinePredmetov &&
            m_list.rows().integer(r, QStringLiteral("ID_TURNUSA")) == f.idTurnusa)
            m_list.moveTo(r);
    return true;
}

bool PredmetiVPredmetniku::acceptAddNew(const PredmetVPredmetnikuFields &f) {
    return write(f, true);
}
bool PredmetiVPredmetniku::acceptEdit(const PredmetVPredmetnikuFields &f) {
    return write(f, false);
}

bool PredmetiVPredmetniku::deleteCurrent() {
    if (!m_list.hasCurrent())
        return false;
    const qint64 group = m_list.integer(QStringLiteral("ID_SKUPINE_PREDMETOV"));
    const qint64 turnus = m_list.integer(QStringLiteral("ID_TURNUSA"));
    const qint64 valid = CountRows(
        QStringLiteral(
            "SELECT Count(*) as ST FROM RAZPORED INNER JOIN TERMINI ON RAZPORED.ID = TERMINI.ID_RAZPOREDA "
            "INNER JOIN URNIKI ON URNIKI.ID = TERMINI.ID_URNIKA INNER JOIN VELJAVNOST_URNIKA ON URNIKI.ID = "
            "VELJAVNOST_URNIKA.ID_URNIKA WHERE RAZPORED.ID_PROGRAMA=%1 and RAZPORED.ID_SKUPINE_PREDMETOV = %2")
            .arg(m_programme)
            .arg(group));
    if (valid < 0)
        return false;
    if (valid > 0)
        return refuse({}, QStringLiteral("Predmeta # ni mogoče brisati, ker nastopa v veljavnem urniku."), label());
    const qint64 assignments =
        CountRows(QStringLiteral("SELECT Count( RAZPORED.ID) AS ST FROM RAZPORED WHERE "
                                 "RAZPORED.ID_PROGRAMA=%1 AND RAZPORED.ID_SKUPINE_PREDMETOV = %2")
                      .arg(m_programme)
                      .arg(group));
    if (assignments < 0)
        return false;
    if (!ConfirmDelete(
            QStringLiteral("Potrdi brisanje predmeta # iz predmetnika."), label(),
            assignments > 0
                ? QStringLiteral("Predmet bo brisan bo tudi iz razporedov in urnikov enot s tem predmetnikom!")
                : QString()))
        return false;
    WriteAction action;
    action.exec(
        QStringLiteral(
            "Delete FROM PREDMETI_V_PROGRAMU WHERE ID_PROGRAMA=%1 AND ID_SKUPINE_PREDMETOV=%2 AND ID_TURNUSA=%3")
            .arg(m_programme)
            .arg(group)
            .arg(turnus));
    // The warning promises it: the assignments of the removed row go, with their lessons.
    action.exec(
        QStringLiteral("DELETE FROM RAZPORED WHERE ID_PROGRAMA=%1 AND ID_SKUPINE_PREDMETOV=%2 AND ID_TURNUSA=%3")
            .arg(m_programme)
            .arg(group)
            .arg(turnus));
    if (!action.commit())
        return false;
    m_list.requery();
    return true;
}

} // namespace zentrel::basicdata
