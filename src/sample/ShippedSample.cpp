#include "ShippedSample.h"

#include "SampleCalendar.h"
#include "core/AppState.h"
#include "db/MBaza.h"
#include "db/StoredQueries.h"
#include "engine/SestavljanjeUrnika.h"

#include <QFile>

namespace zentrel::sample {

namespace {

// The weekday on or after the date.
QDate weekdayFrom(QDate d) {
    while (d.dayOfWeek() > 5)
        d = d.addDays(1);
    return d;
}

bool fail(QString *errorText, const QString &text) {
    if (errorText)
        *errorText = text;
    return false;
}

} // namespace

bool MakeShippedSample(const QString &path, const SampleOptions &options, QString *errorText) {
    if (!GenerateSampleSchool(path, options, errorText))
        return false;
    core::AppState &app = core::App();
    db::Connection &c = db::ProjectDb();
    auto abandon = [&](const QString &text) {
        c.close();
        QFile::remove(path);
        return fail(errorText, text);
    };
    if (!c.open(path))
        return abandon(c.lastError().description);

    const qint64 curriculum = c.scalar(QStringLiteral("SELECT min(ID) FROM PREDMETNIKI")).toLongLong();
    const qint64 timetable = c.scalar(QStringLiteral("SELECT min(ID) FROM URNIKI")).toLongLong();
    const db::RowSet turnusi = c.query(QStringLiteral("SELECT ID FROM TURNUSI WHERE ID<>0 ORDER BY ID"));
    app.trenutniPredmetnik = curriculum;
    app.trenutniUrnik = timetable;
    for (int i = 0; i < turnusi.rowCount(); ++i) {
        app.trenutniTurnus = turnusi.integer(i, QStringLiteral("ID"));
        engine::MoznostiSestavljanja moznosti;
        moznosti.kabineti = true;
        moznosti.tretjiKrog = true;
        moznosti.seme = options.seed;
        moznosti.casovnaOmejitev = 30;
        const engine::RezultatSestavljanja rezultat = engine::ConstructTimetable(moznosti);
        if (!rezultat.shranjeno)
            return abandon(QStringLiteral("Sestavljanje urnika ni uspelo: ") + rezultat.sporocilo);
    }

    const int year = SchoolYearStart(options.referenceDate.isValid() ? options.referenceDate : QDate::currentDate());
    const qint64 second = db::NextId(QStringLiteral("URNIKI"), c);
    db::Transaction t(c);
    const bool ok = c.exec(QStringLiteral("INSERT INTO VELJAVNOST_URNIKA (ID, ID_URNIKA, VELJA_OD, VELJA_DO, "
                                          "ZACETNI_TURNUS_IZMENE_A, STEVILO_TURNUSOV) VALUES (?, ?, ?, ?, 1, ?)"),
                           {db::NextId(QStringLiteral("VELJAVNOST_URNIKA"), c), timetable,
                            weekdayFrom(QDate(year, 9, 1)), QDate(year + 1, 6, 24), turnusi.rowCount()}) &&
                    c.exec(QStringLiteral("INSERT INTO URNIKI (ID, IME, ID_PREDMETNIKA) VALUES (?, ?, ?)"),
                           {second, QStringLiteral("Urnik za poskus"), curriculum}) &&
                    db::InsertClassFrames(c, second, curriculum) && t.commit();
    if (!ok)
        return abandon(c.lastError().description);
    c.exec(QStringLiteral("VACUUM"));
    c.close();
    return true;
}

} // namespace zentrel::sample
