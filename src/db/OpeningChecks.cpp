#include "OpeningChecks.h"

#include "MBaza.h"
#include "Schema.h"
#include "StockCollations.h"
#include "core/AppState.h"

namespace zentrel::db {

namespace {

// Runs a repair statement; errors the repairs expect are stepped over.
bool repair(Connection &c, const QString &sql) {
    if (c.exec(sql))
        return true;
    return c.lastError().isIgnorableDuringRepair();
}

int count(Connection &c, const QString &sql) {
    return c.scalar(sql).toInt();
}

// Turnus 0 (every week) and at least one rotating turnus must exist. Missing ones are added;
// existing ones are never deleted, since programme rows, assignments and placed lessons hang on
// them and would go with them.
bool defaultTurnusi(Connection &c) {
    if (count(c, QStringLiteral("SELECT Count(*) FROM TURNUSI WHERE ID=0")) == 0 &&
        !repair(c, QStringLiteral("INSERT INTO TURNUSI (ID,OZNAKA) VALUES (0,'0')")))
        return false;
    if (count(c, QStringLiteral("Select Count(*) As Stevilo from TURNUSI")) >= 2)
        return true;
    return repair(c, QStringLiteral("INSERT INTO TURNUSI (ID,OZNAKA) VALUES (1,'I')"));
}

bool defaultShift(Connection &c) {
    if (count(c, QStringLiteral("Select Count(*) As Stevilo from IZMENE")) >= 1)
        return true;
    return repair(c, QStringLiteral("INSERT INTO IZMENE (ID,OZNAKA) VALUES (1,'A')"));
}

bool shiftTurnusRows(Connection &c) {
    const RowSet pairs = c.query(QStringLiteral("Select TURNUSI.ID as ID_TURNUSA, IZMENE.ID AS ID_IZMENE from  "
                                                "TURNUSI, IZMENE WHERE TURNUSI.ID<>0"));
    for (int i = 0; i < pairs.rowCount(); ++i) {
        const qint64 t = pairs.integer(i, QStringLiteral("ID_TURNUSA"));
        const qint64 s = pairs.integer(i, QStringLiteral("ID_IZMENE"));
        if (count(c, QStringLiteral("SELECT Count(*) as st from IZMENA_TURNUS WHERE ID_TURNUSA=%1 AND ID_IZMENE=%2")
                         .arg(t)
                         .arg(s)) > 0)
            continue;
        if (!repair(c, QStringLiteral("INSERT INTO IZMENA_TURNUS(ID_TURNUSA,ID_IZMENE,PRVA_URA_PON,PRVA_URA_TOR,"
                                      "PRVA_URA_SRE,PRVA_URA_CET,PRVA_URA_PET) VALUES (%1,%2,1,1,1,1,1)")
                           .arg(t)
                           .arg(s)))
            return false;
    }
    return true;
}

bool defaultPeriods(Connection &c) {
    if (count(c, QStringLiteral("Select Count(*) As Stevilo from URE")) >= 16)
        return true;
    if (!repair(c, QStringLiteral("Delete from URE")))
        return false;
    for (int i = 0; i < 16; ++i)
        if (!repair(c, QStringLiteral("INSERT INTO URE (URA,OZNAKA,IME) VALUES (%1,'%1','%1')").arg(i)))
            return false;
    return true;
}

bool cleanUp(Connection &c) {
    static const QStringList statements{
        QStringLiteral("Delete from PROSTORI Where ID<1 OR Oznaka is Null"),
        QStringLiteral("Delete from SKUPINE_PROSTOROV Where ID<1 OR Oznaka is Null"),
        QStringLiteral("Delete from PREDMETI Where ID<1 OR Oznaka is Null"),
        QStringLiteral("Delete from SKUPINE_PREDMETOV Where ID<1 OR Oznaka is Null"),
        QStringLiteral("Delete from ODDELKI Where ID<1 OR Oznaka is Null"),
        QStringLiteral("Delete from SKUPINE_ODDELKOV Where ID<1 OR Oznaka is Null"),
        QStringLiteral("Delete from UCITELJI Where ID<1 OR Oznaka is Null"),
        QStringLiteral("Delete from RAZPORED Where ID_UCITELJA is Null"),
        QStringLiteral("Delete from SKUPINE_ODDELKOV WHERE ID NOT IN (SELECT ID_SKUPINE From ODDELKI_V_SKUPINI "
                       "WHERE ID_SKUPINE IS NOT NULL)"),
        QStringLiteral("Delete from SKUPINE_PREDMETOV WHERE ID NOT IN (SELECT ID_SKUPINE From PREDMETI_V_SKUPINI "
                       "WHERE ID_SKUPINE IS NOT NULL)"),
        QStringLiteral("Delete from RAZPORED WHERE ID_PREDMETI_V_SKUPINI NOT IN (SELECT ID From PREDMETI_V_SKUPINI)"),
        QStringLiteral("DELETE FROM PREDMETI WHERE PREDMETI.ID In (SELECT PREDMETI.ID FROM PREDMETI LEFT JOIN "
                       "SKUPINE_PREDMETOV ON PREDMETI.ID = SKUPINE_PREDMETOV.ID WHERE SKUPINE_PREDMETOV.ID Is Null)"),
        // Placed lessons whose assignment belongs to another curriculum than their timetable.
        QStringLiteral("DELETE FROM TERMINI WHERE ID IN (SELECT TERMINI.ID FROM URNIKI INNER JOIN (RAZPORED INNER "
                       "JOIN TERMINI ON RAZPORED.ID = TERMINI.ID_RAZPOREDA) ON URNIKI.ID = TERMINI.ID_URNIKA "
                       "WHERE RAZPORED.ID_PREDMETNIKA <> URNIKI.ID_PREDMETNIKA)"),
        QStringLiteral("UPDATE ERD_UCENEC SET PRIIMEK = TRIM(PRIIMEK), IME = TRIM(IME), VMESNOIME = TRIM(VMESNOIME) "
                       " Where length(PRIIMEK) <> length(TRIM(PRIIMEK)) OR length(IME) <> length(TRIM(IME)) OR "
                       "length(VMESNOIME) <> length(TRIM(VMESNOIME))"),
        QStringLiteral("UPDATE PROGRAMI SET ID_IZBIRNEGA_NABORA = -1 WHERE ID_IZBIRNEGA_NABORA Is Null AND ID IN "
                       "(SELECT ID_IZBIRNEGA_PROGRAMA FROM SKUPINE_ODDELKOV)"),
    };
    for (const QString &sql : statements)
        if (!repair(c, sql))
            return false;
    return true;
}

// A probe returns no rows; it fails only when the column is missing.
bool columnMissing(Connection &c, const QString &probe) {
    return !c.exec(probe);
}

bool columnAdditions(Connection &c) {
    if (columnMissing(c, QStringLiteral("select Stevilo_uciteljev from IZBIRNI_Predmeti where 1=2"))) {
        // Each elective starts with the number of teachers who teach its subject.
        if (!repair(c, QStringLiteral("ALTER TABLE IZBIRNI_PREDMETI ADD STEVILO_UCITELJEV INT NOT NULL DEFAULT 0")) ||
            !repair(c, QStringLiteral("CREATE TABLE TMPSTEVILO AS SELECT IZBIRNI_PREDMETI.ID AS ID, "
                                      "Count(UCITELJ_PREDMET.ID_UCITELJA) AS Stevilo FROM IZBIRNI_PREDMETI INNER "
                                      "JOIN UCITELJ_PREDMET ON IZBIRNI_PREDMETI.ID_PREDMETA = "
                                      "UCITELJ_PREDMET.ID_PREDMETA GROUP BY IZBIRNI_PREDMETI.ID")) ||
            !repair(c, QStringLiteral("CREATE UNIQUE INDEX IV1 ON TMPSTEVILO (ID)")) ||
            !repair(c, QStringLiteral("UPDATE IZBIRNI_PREDMETI SET STEVILO_UCITELJEV = TMPSTEVILO.Stevilo FROM "
                                      "TMPSTEVILO WHERE IZBIRNI_PREDMETI.ID = TMPSTEVILO.ID")) ||
            !repair(c, QStringLiteral("DROP TABLE TMPSTEVILO")))
            return false;
    }
    if (columnMissing(c, QStringLiteral("select IME_SKUPINE_UCENCEV from PREDMETI_V_SKUPINI WHERE 1=2")) &&
        !repair(c, QStringLiteral("ALTER TABLE PREDMETI_V_SKUPINI ADD IME_SKUPINE_UCENCEV VARCHAR(30)")))
        return false;
    if (columnMissing(c, QStringLiteral("SELECT TIP FROM ERD_UCENCI_PREDMETA WHERE 1=2")) &&
        !repair(c, QStringLiteral("ALTER TABLE ERD_UCENCI_PREDMETA ADD TIP VARCHAR(1)")))
        return false;
    return true;
}

} // namespace

QStringList MissingTables(Connection &connection) {
    QStringList missing;
    for (const QString &t : SchemaTables())
        if (!connection.tableExists(t))
            missing << t;
    return missing;
}

void LookUpCurrentChoices(Connection &c) {
    core::AppState &app = core::App();
    const RowSet timetable = c.query(QStringLiteral("SELECT * FROM URNIKI WHERE ID=%1").arg(app.trenutniUrnik));
    if (timetable.isEmpty()) {
        app.trenutniUrnik = -7;
        app.trenutniUrnikIme.clear();
    } else {
        app.trenutniUrnikIme = timetable.text(0, QStringLiteral("ime"));
    }
    const RowSet curriculum =
        c.query(QStringLiteral("SELECT * FROM PREDMETNIKI WHERE ID=%1").arg(app.trenutniPredmetnik));
    if (curriculum.isEmpty()) {
        app.trenutniPredmetnik = -1;
        app.trenutniPredmetnikIme.clear();
    } else {
        app.trenutniPredmetnikIme = curriculum.text(0, QStringLiteral("IME"));
    }
    const RowSet turnus = c.query(QStringLiteral("SELECT * FROM TURNUSI WHERE ID=%1").arg(app.trenutniTurnus));
    if (turnus.isEmpty()) {
        app.trenutniTurnus = -1;
        app.trenutniTurnusOznaka.clear();
    } else {
        app.trenutniTurnusOznaka = turnus.text(0, QStringLiteral("Oznaka"));
    }
}

void ReadDefaultNorms(Connection &c) {
    core::AppState &app = core::App();
    const qint64 max = ToLong(ReadIni(QStringLiteral("Privzet normativ max"), c));
    if (max < 1) {
        app.normativMax = 28;
        app.normativMin = 14;
        return;
    }
    const qint64 min = ToLong(ReadIni(QStringLiteral("Privzet normativ min"), c));
    app.normativMax = int(max);
    app.normativMin = (min < 0 || min > max) ? int(max / 2) : int(min);
}

bool RunOpeningChecks(Connection &c) {
    LookUpCurrentChoices(c);
    // Rows changed and the schema's version tell whether a repair changed anything.
    const QString changes = QStringLiteral("SELECT total_changes()");
    const QString schema = QStringLiteral("PRAGMA schema_version");
    const QVariant rowsBefore = c.scalar(changes);
    const QVariant schemaBefore = c.scalar(schema);
    Transaction t(c);
    if (!t.isActive())
        return false;
    const bool ok = ConvertToStockCollations(c) && defaultTurnusi(c) && defaultShift(c) && shiftTurnusRows(c) &&
                    defaultPeriods(c) && cleanUp(c) && columnAdditions(c);
    if (!ok)
        return false;
    // Nothing repaired, nothing to commit: a commit would wait for every other program reading
    // the file, and the project opens while another program reads it.
    const bool changed = c.scalar(changes) != rowsBefore || c.scalar(schema) != schemaBefore;
    if (changed && !t.commit())
        return false;
    ReadDefaultNorms(c);
    return true;
}

} // namespace zentrel::db
