#include "IzbiraUrnika.h"

#include "core/AppState.h"
#include "db/Connection.h"
#include "db/MBaza.h"

#include <QTextStream>

namespace zentrel::timetable {

using core::App;

namespace {

// The row of `table` whose ID is `value` (when it is a number) or whose `nameColumn` equals it,
// within `where`; with an empty value the current ID when it exists there, else the lowest ID.
// Returns (ID, name) or an ID of -1; a query that fails gives -2 and its error as the name.
std::pair<qint64, QString> Najdi(const QString &table, const QString &nameColumn, const QString &value, qint64 current,
                                 const QString &where) {
    db::Connection &c = db::ProjectDb();
    const QString base = QStringLiteral("SELECT ID, %1 FROM %2 WHERE (%3) ").arg(nameColumn, table, where);
    db::RowSet rows;
    if (value.isEmpty()) {
        rows = c.query(base + QStringLiteral("AND ID = ?"), {current});
        if (rows.isEmpty())
            rows = c.query(base + QStringLiteral("ORDER BY ID LIMIT 1"));
    } else {
        bool number = false;
        const qint64 id = value.toLongLong(&number);
        if (number)
            rows = c.query(base + QStringLiteral("AND ID = ?"), {id});
        if (rows.isEmpty())
            rows = c.query(base + QStringLiteral("AND %1 = ? ORDER BY ID LIMIT 1").arg(nameColumn), {value});
    }
    if (c.lastError().isError())
        return {-2, QStringLiteral("Podatkov projekta ni bilo mogoče prebrati: %1").arg(c.lastError().description)};
    if (rows.isEmpty())
        return {-1, QString()};
    return {rows.value(0, 0).toLongLong(), rows.value(0, 1).toString()};
}

} // namespace

QString NastaviIzbiro(const QString &predmetnik, const QString &urnik, const QString &turnus) {
    if (predmetnik.isEmpty() && !urnik.isEmpty()) {
        const auto u = Najdi(QStringLiteral("URNIKI"), QStringLiteral("IME"), urnik, -1, QStringLiteral("1=1"));
        if (u.first == -2)
            return u.second;
        if (u.first < 0)
            return QStringLiteral("Urnika %1 ni.").arg(urnik);
        App().trenutniPredmetnik =
            db::ProjectDb()
                .scalar(QStringLiteral("SELECT ID_PREDMETNIKA FROM URNIKI WHERE ID = ?"), {u.first})
                .toLongLong();
    }
    const auto p = Najdi(QStringLiteral("PREDMETNIKI"), QStringLiteral("IME"), predmetnik, App().trenutniPredmetnik,
                         QStringLiteral("1=1"));
    if (p.first == -2)
        return p.second;
    if (p.first < 0)
        return predmetnik.isEmpty() ? QStringLiteral("V projektu ni razporeda.")
                                    : QStringLiteral("Razporeda %1 ni.").arg(predmetnik);
    const auto u = Najdi(QStringLiteral("URNIKI"), QStringLiteral("IME"), urnik, App().trenutniUrnik,
                         QStringLiteral("ID_PREDMETNIKA = %1").arg(p.first));
    if (u.first == -2)
        return u.second;
    if (u.first < 0)
        return urnik.isEmpty() ? QStringLiteral("Razpored %1 nima urnika.").arg(p.second)
                               : QStringLiteral("Urnika %1 v razporedu %2 ni.").arg(urnik, p.second);
    const auto t =
        Najdi(QStringLiteral("TURNUSI"), QStringLiteral("OZNAKA"), turnus, App().trenutniTurnus, QStringLiteral("1=1"));
    if (t.first == -2)
        return t.second;
    if (t.first < 0)
        return QStringLiteral("Turnusa %1 ni.").arg(turnus);
    App().trenutniPredmetnik = p.first;
    App().trenutniPredmetnikIme = p.second;
    App().trenutniUrnik = u.first;
    App().trenutniUrnikIme = u.second;
    App().trenutniTurnus = t.first;
    App().trenutniTurnusOznaka = t.second;
    return {};
}

MoznostiUkaza RazcleniUkaz(const QStringList &args, const QStringList &zVrednostjo, const QStringList &stikala) {
    MoznostiUkaza m;
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (!a.startsWith(QLatin1String("--"))) {
            m.polozajni << a;
        } else if (zVrednostjo.contains(a)) {
            if (i + 1 >= args.size()) {
                m.napaka = QStringLiteral("Manjka vrednost za %1.").arg(a);
                return m;
            }
            m.vrednosti[a] = args[++i];
        } else if (stikala.contains(a)) {
            m.stikala << a;
        } else {
            m.napaka = QStringLiteral("Neznana možnost %1.").arg(a);
            return m;
        }
    }
    return m;
}

bool RazcleniUkazUrnika(const QStringList &args, const QStringList &stikala, const char *uporaba, MoznostiUkaza &m,
                        qint64 &dodatneUre) {
    m = RazcleniUkaz(args,
                     {QStringLiteral("--curriculum"), QStringLiteral("--timetable"), QStringLiteral("--turnus"),
                      QStringLiteral("--extra-periods")},
                     stikala);
    QString napaka = m.napaka;
    dodatneUre = 0;
    if (napaka.isEmpty() && m.polozajni.size() == 1)
        CeloStevilo(m, QStringLiteral("--extra-periods"), 0, 15, dodatneUre, napaka);
    if (napaka.isEmpty() && m.polozajni.size() == 1)
        return true;
    QTextStream err(stderr);
    if (!napaka.isEmpty())
        err << napaka << '\n';
    err << "Uporaba: zentrel-cli " << uporaba << '\n';
    return false;
}

bool CeloStevilo(const MoznostiUkaza &m, const QString &ime, qint64 od, qint64 do_, qint64 &vrednost, QString &napaka) {
    if (!m.vrednosti.contains(ime))
        return true;
    bool ok = false;
    const qint64 v = m.vrednosti.value(ime).toLongLong(&ok);
    if (!ok || v < od || v > do_) {
        napaka = QStringLiteral("%1 mora biti celo število od %2 do %3.").arg(ime).arg(od).arg(do_);
        return false;
    }
    vrednost = v;
    return true;
}

bool Sekunde(const MoznostiUkaza &m, const QString &ime, double &vrednost, QString &napaka) {
    if (!m.vrednosti.contains(ime))
        return true;
    bool ok = false;
    const double v = m.vrednosti.value(ime).toDouble(&ok);
    // Written so that "nan" fails too.
    if (!ok || !(v > 0 && v <= 86400)) {
        napaka = QStringLiteral("%1 mora biti število sekund, večje od 0 in največ 86400.").arg(ime);
        return false;
    }
    vrednost = v;
    return true;
}

} // namespace zentrel::timetable
