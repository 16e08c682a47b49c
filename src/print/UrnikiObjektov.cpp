#include "UrnikiObjektov.h"

#include "core/TextFunctions.h"
#include "db/SqlText.h"

namespace zentrel::print {

namespace {

// Code, " - " and the name when the name says more than the code.
QString label(const QString &code, const QString &name) {
    return name.isEmpty() || name == code ? code : code + QStringLiteral(" - ") + name;
}

const char *kLessons =
    "SELECT %1 AS ID_OBJEKTA, T.ID AS ID_TERMINA, T.DAN, T.URA, T.ID_TURNUSA, TU.OZNAKA AS TURNUS, "
    "P.OZNAKA AS PREDMET, PVS.IME_SKUPINE_UCENCEV AS SKUPINA, U.OZNAKA AS UCITELJ, "
    "R.ID_SKUPINE_ODDELKOV, PR.OZNAKA AS PROSTOR "
    "FROM TERMINI T INNER JOIN RAZPORED R ON R.ID = T.ID_RAZPOREDA %2"
    "LEFT JOIN TURNUSI TU ON TU.ID = T.ID_TURNUSA "
    "LEFT JOIN PREDMETI P ON P.ID = R.ID_PREDMETA "
    "LEFT JOIN SKUPINE_PREDMETOV SP ON SP.ID = R.ID_SKUPINE_PREDMETOV "
    "LEFT JOIN PREDMETI_V_SKUPINI PVS ON PVS.ID = R.ID_PREDMETI_V_SKUPINI "
    "LEFT JOIN UCITELJI U ON U.ID = R.ID_UCITELJA "
    "LEFT JOIN PROSTORI PR ON PR.ID = T.ID_PROSTORA "
    "WHERE T.ID_URNIKA = :urnik AND %1 IN %3%4 "
    "ORDER BY 1, T.ID_TURNUSA, T.DAN, T.URA, SP.OZNAKA COLLATE SLOVENSKO, "
    "P.OZNAKA COLLATE SLOVENSKO, PVS.IME_SKUPINE_UCENCEV COLLATE SLOVENSKO, U.OZNAKA COLLATE SLOVENSKO";

// A pupil attends a lesson of his class unless the lesson's subject is split into pupil groups
// (pupils are listed for it) and he is not among them.
const char *kPupilJoin = "INNER JOIN ODDELKI_V_SKUPINI OS ON OS.ID_SKUPINE = R.ID_SKUPINE_ODDELKOV "
                         "INNER JOIN ERD_UCENCI_ODDELKA UO ON UO.ID_ODDELKA = OS.ID_ODDELKA "
                         "AND UO.ID_PREDMETNIKA = R.ID_PREDMETNIKA AND (NOT EXISTS (SELECT 1 FROM "
                         "ERD_UCENCI_PREDMETA X WHERE X.ID_PREDMETI_V_SKUPINI = R.ID_PREDMETI_V_SKUPINI AND "
                         "X.ID_SKUPINE_ODDELKOV = R.ID_SKUPINE_ODDELKOV) OR EXISTS (SELECT 1 FROM "
                         "ERD_UCENCI_PREDMETA X WHERE X.ID_PREDMETI_V_SKUPINI = R.ID_PREDMETI_V_SKUPINI AND "
                         "X.ID_SKUPINE_ODDELKOV = R.ID_SKUPINE_ODDELKOV AND X.ID_UCENCA = UO.ID_UCENCA)) ";

} // namespace

QString ImeVrste(VrstaObjekta vrsta) {
    switch (vrsta) {
    case VrstaObjekta::Enote:
        return QStringLiteral("Enote");
    case VrstaObjekta::Ucitelji:
        return QStringLiteral("Učitelji");
    case VrstaObjekta::Ucenci:
        return QStringLiteral("Učenci");
    case VrstaObjekta::Prostori:
        return QStringLiteral("Prostori");
    }
    return {};
}

QString EdninaVrste(VrstaObjekta vrsta) {
    switch (vrsta) {
    case VrstaObjekta::Enote:
        return QStringLiteral("Enota");
    case VrstaObjekta::Ucitelji:
        return QStringLiteral("Učitelj");
    case VrstaObjekta::Ucenci:
        return QStringLiteral("Učenec");
    case VrstaObjekta::Prostori:
        return QStringLiteral("Prostor");
    }
    return {};
}

QString OznakaUre(int ura, const QStringList &oznake) {
    return ura >= 0 && ura < oznake.size() && !oznake.at(ura).isEmpty() ? oznake.at(ura) : QString::number(ura);
}

QStringList PrviStolpec(const db::RowSet &rows) {
    QStringList out;
    for (int r = 0; r < rows.rowCount(); ++r)
        out << rows.value(r, 0).toString();
    return out;
}

QString SeznamId(const QList<qint64> &ids) {
    QStringList items;
    for (const qint64 id : ids)
        items << QString::number(id);
    return db::SqlText::List(items.isEmpty() ? QStringList{QStringLiteral("-1")} : items);
}

QMap<qint64, QString> UrnikiObjektov::razredniki() {
    QMap<qint64, QString> out;
    const db::RowSet rows = m_db.query(
        QStringLiteral("SELECT OP.ID_ODDELKA, ") + db::SqlText::FirstNameFirst(QStringLiteral("U")) +
            QStringLiteral(" AS IME FROM ODDELKI_V_PREDMETNIKU OP INNER JOIN URNIKI UR ON UR.ID_PREDMETNIKA = "
                           "OP.ID_PREDMETNIKA INNER JOIN UCITELJI U ON U.ID = OP.ID_RAZREDNIKA WHERE UR.ID = ?"),
        {m_urnik});
    for (int r = 0; r < rows.rowCount(); ++r)
        out.insert(rows.integer(r, QStringLiteral("ID_ODDELKA")), rows.text(r, QStringLiteral("IME")).simplified());
    return out;
}

QMap<qint64, QString> UrnikiObjektov::oddelkiSkupin() {
    QMap<qint64, QString> out;
    const db::RowSet rows = m_db.query(QStringLiteral(
        "SELECT OS.ID_SKUPINE, O.OZNAKA FROM ODDELKI_V_SKUPINI OS INNER JOIN ODDELKI O ON O.ID = OS.ID_ODDELKA "
        "ORDER BY OS.ID_SKUPINE, O.OZNAKA COLLATE SLOVENSKO"));
    for (int r = 0; r < rows.rowCount(); ++r) {
        QString &text = out[rows.integer(r, QStringLiteral("ID_SKUPINE"))];
        text += (text.isEmpty() ? QString() : QStringLiteral(", ")) + rows.text(r, QStringLiteral("OZNAKA"));
    }
    return out;
}

QList<Objekt> UrnikiObjektov::Objekti(VrstaObjekta vrsta) {
    QList<Objekt> out;
    db::RowSet rows;
    switch (vrsta) {
    case VrstaObjekta::Enote:
        rows = m_db.query(QStringLiteral("SELECT ID, OZNAKA, IME FROM ODDELKI ORDER BY OZNAKA COLLATE SLOVENSKO"));
        break;
    case VrstaObjekta::Ucitelji:
        rows = m_db.query(QStringLiteral("SELECT ID, OZNAKA, ") + db::SqlText::SurnameFirstName(QStringLiteral("U")) +
                          QStringLiteral(" AS IME FROM UCITELJI U ORDER BY OZNAKA COLLATE SLOVENSKO"));
        break;
    case VrstaObjekta::Prostori:
        rows = m_db.query(QStringLiteral("SELECT ID, OZNAKA, IME FROM PROSTORI ORDER BY OZNAKA COLLATE SLOVENSKO"));
        break;
    case VrstaObjekta::Ucenci:
        rows = m_db.query(
            QStringLiteral("SELECT E.ID, E.OZNAKA, O.OZNAKA || '  ' || ") +
                db::SqlText::SurnameFirstName(QStringLiteral("E"), false) +
                QStringLiteral(" || ' (' || E.OZNAKA || ')' AS IME FROM ERD_UCENEC E INNER JOIN ERD_UCENCI_ODDELKA UO "
                               "ON UO.ID_UCENCA = E.ID INNER JOIN ODDELKI O ON O.ID = UO.ID_ODDELKA INNER JOIN URNIKI "
                               "UR ON UR.ID_PREDMETNIKA = UO.ID_PREDMETNIKA WHERE UR.ID = ? ORDER BY O.OZNAKA COLLATE "
                               "SLOVENSKO, E.PRIIMEK COLLATE SLOVENSKO, E.IME COLLATE SLOVENSKO, E.ID"),
            {m_urnik});
        break;
    }
    const QMap<qint64, QString> teachers = vrsta == VrstaObjekta::Enote ? razredniki() : QMap<qint64, QString>();
    for (int r = 0; r < rows.rowCount(); ++r) {
        Objekt o;
        o.id = rows.integer(r, QStringLiteral("ID"));
        o.oznaka = rows.text(r, QStringLiteral("OZNAKA"));
        const QString name = rows.text(r, QStringLiteral("IME")).trimmed();
        o.naziv = vrsta == VrstaObjekta::Ucenci ? name : label(o.oznaka, name);
        o.razrednik = teachers.value(o.id);
        out << o;
    }
    return out;
}

QList<Objekt> UrnikiObjektov::PoOznakah(VrstaObjekta vrsta, const QStringList &oznake, QStringList *neznane) {
    const QList<Objekt> all = Objekti(vrsta);
    if (oznake.isEmpty())
        return all;
    QList<Objekt> out;
    for (const QString &code : oznake) {
        bool found = false;
        for (const Objekt &o : all)
            if (core::SameText(o.oznaka, code)) {
                out << o;
                found = true;
                break;
            }
        if (!found && neznane)
            *neznane << code;
    }
    return out;
}

QList<UraUrnika> UrnikiObjektov::Ure(VrstaObjekta vrsta, const QList<qint64> &objekti, qint64 turnus) {
    QString key, join;
    switch (vrsta) {
    case VrstaObjekta::Enote:
        key = QStringLiteral("OS.ID_ODDELKA");
        join = QStringLiteral("INNER JOIN ODDELKI_V_SKUPINI OS ON OS.ID_SKUPINE = R.ID_SKUPINE_ODDELKOV ");
        break;
    case VrstaObjekta::Ucitelji:
        key = QStringLiteral("R.ID_UCITELJA");
        break;
    case VrstaObjekta::Prostori:
        key = QStringLiteral("T.ID_PROSTORA");
        break;
    case VrstaObjekta::Ucenci:
        key = QStringLiteral("UO.ID_UCENCA");
        join = QString::fromLatin1(kPupilJoin);
        break;
    }
    const QString turnusCondition = turnus >= 0 ? QStringLiteral(" AND (T.ID_TURNUSA = ") + QString::number(turnus) +
                                                      QStringLiteral(" OR T.ID_TURNUSA = 0)")
                                                : QString();
    const QString sql = QString::fromLatin1(kLessons).arg(key, join, SeznamId(objekti), turnusCondition);
    const db::RowSet rows = m_db.query(sql, QVariantMap{{QStringLiteral("urnik"), m_urnik}});
    const QMap<qint64, QString> classesOf = oddelkiSkupin();
    QList<UraUrnika> out;
    out.reserve(rows.rowCount());
    for (int r = 0; r < rows.rowCount(); ++r) {
        UraUrnika u;
        u.idObjekta = rows.integer(r, QStringLiteral("ID_OBJEKTA"));
        u.idTermina = rows.integer(r, QStringLiteral("ID_TERMINA"));
        u.dan = int(rows.integer(r, QStringLiteral("DAN"), 0));
        u.ura = int(rows.integer(r, QStringLiteral("URA"), 0));
        u.idTurnusa = rows.integer(r, QStringLiteral("ID_TURNUSA"), 0);
        u.turnus = rows.text(r, QStringLiteral("TURNUS"));
        u.predmet = rows.text(r, QStringLiteral("PREDMET"));
        u.skupina = rows.text(r, QStringLiteral("SKUPINA"));
        u.ucitelj = rows.text(r, QStringLiteral("UCITELJ"));
        u.enota = classesOf.value(rows.integer(r, QStringLiteral("ID_SKUPINE_ODDELKOV")));
        u.prostor = rows.text(r, QStringLiteral("PROSTOR"));
        out << u;
    }
    return out;
}

QMap<qint64, qint64> UrnikiObjektov::OddelkiUcencev() {
    QMap<qint64, qint64> out;
    const db::RowSet rows = m_db.query(
        QStringLiteral("SELECT UO.ID_UCENCA, UO.ID_ODDELKA FROM ERD_UCENCI_ODDELKA UO INNER JOIN URNIKI UR ON "
                       "UR.ID_PREDMETNIKA = UO.ID_PREDMETNIKA WHERE UR.ID = ?"),
        {m_urnik});
    for (int r = 0; r < rows.rowCount(); ++r)
        out.insert(rows.integer(r, QStringLiteral("ID_UCENCA")), rows.integer(r, QStringLiteral("ID_ODDELKA")));
    return out;
}

std::pair<int, int> UrnikiObjektov::RazponUr() {
    const db::RowSet rows =
        m_db.query(QStringLiteral("SELECT MIN(URA) AS OD, MAX(URA) AS DO FROM TERMINI WHERE ID_URNIKA = ?"), {m_urnik});
    if (rows.isEmpty() || rows.value(0, QStringLiteral("OD")).isNull())
        return {1, 7};
    return {int(rows.integer(0, QStringLiteral("OD"))), int(rows.integer(0, QStringLiteral("DO")))};
}

QString UrnikiObjektov::ImeUrnika() {
    return m_db.scalar(QStringLiteral("SELECT IME FROM URNIKI WHERE ID = ?"), {m_urnik}).toString();
}

} // namespace zentrel::print
