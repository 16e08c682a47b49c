#include "SeznamiOsnovnih.h"

#include "Slogi.h"
#include "UrnikiObjektov.h"
#include "calendar/Datumi.h"
#include "core/AppState.h"

namespace zentrel::print {

namespace {

StolpecSeznama c(const char *caption, int width, const char *field, const char *tag, int style = slog::Besedilo) {
    return {QString::fromUtf8(caption), width, style, QString::fromLatin1(field), QString::fromLatin1(tag)};
}

SeznamOsnovnih s(int set, const char *tab, IzbiraIzpisa izbira, const char *sql, QList<StolpecSeznama> columns,
                 const char *tableTag, const char *rowTag, const char *joinedSql = "",
                 QList<StolpecSeznama> joinedColumns = {}) {
    return {set,
            QString::fromUtf8(tab),
            QString::fromUtf8(tab),
            izbira,
            QString::fromUtf8(sql),
            std::move(columns),
            QString::fromLatin1(tableTag),
            QString::fromLatin1(rowTag),
            QString::fromUtf8(joinedSql),
            std::move(joinedColumns)};
}

} // namespace

const QList<SeznamOsnovnih> &SeznamiOsnovnih() {
    using I = IzbiraIzpisa;
    static const QList<SeznamOsnovnih> lists{
        s(6, "Stavbe", I::Nic, "SELECT OZNAKA, IME FROM STAVBE ORDER BY OZNAKA COLLATE SLOVENSKO",
          {c("Oznaka", 1600, "OZNAKA", "Code"), c("Ime", 3000, "IME", "Name")}, "Buildings", "Building"),
        s(6, "Prostori", I::Nic,
          "SELECT P.OZNAKA, P.IME, S.OZNAKA AS STAVBA, iif(P.KABINET, 'Da', 'Ne') AS KAB FROM PROSTORI P LEFT JOIN "
          "STAVBE S ON S.ID = P.ID_STAVBE ORDER BY P.OZNAKA COLLATE SLOVENSKO",
          {c("Oznaka", 1600, "OZNAKA", "Code"), c("Ime", 3000, "IME", "Name"), c("Stavba", 1600, "STAVBA", "Building"),
           c("Kab", 800, "KAB", "Cabinet", slog::Sredinsko)},
          "Rooms", "Room"),
        s(6, "Skupine prostorov", I::Nic,
          "SELECT G.OZNAKA AS SKUPINA, P.OZNAKA AS PROSTOR, S.OZNAKA AS STAVBA FROM SKUPINE_PROSTOROV G INNER JOIN "
          "PROSTORI_V_SKUPINI V ON V.ID_SKUPINE = G.ID INNER JOIN PROSTORI P ON P.ID = V.ID_PROSTORA LEFT JOIN STAVBE "
          "S ON S.ID = P.ID_STAVBE WHERE substr(G.OZNAKA, 1, 1) = '$' ORDER BY G.OZNAKA COLLATE SLOVENSKO, P.OZNAKA "
          "COLLATE SLOVENSKO",
          {c("Skupina", 1600, "SKUPINA", "Group"), c("Prostor", 1600, "PROSTOR", "Room"),
           c("Stavba", 1600, "STAVBA", "Building")},
          "RoomGroups", "Member"),
        s(6, "Predmeti", I::Nic, "SELECT OZNAKA, IME FROM PREDMETI ORDER BY OZNAKA COLLATE SLOVENSKO",
          {c("Oznaka", 1600, "OZNAKA", "Code"), c("Ime", 4000, "IME", "Name")}, "Subjects", "Subject"),
        s(6, "Predmeti in prostori", I::Nic,
          "SELECT P.OZNAKA AS PREDMET, P.IME, G.OZNAKA AS PROSTOR FROM PREDMETI P INNER JOIN PREDMET_PROSTOR PP ON "
          "PP.ID_PREDMETA = P.ID INNER JOIN SKUPINE_PROSTOROV G ON G.ID = PP.ID_SKUPINE_PROSTOROV ORDER BY P.OZNAKA "
          "COLLATE SLOVENSKO, G.OZNAKA COLLATE SLOVENSKO",
          {c("Predmet", 1200, "PREDMET", "Subject"), c("Ime", 4000, "IME", "Name"),
           c("Prostor", 1600, "PROSTOR", "Room")},
          "SubjectRooms", "SubjectRoom"),
        s(6, "Enote", I::Nic, "SELECT OZNAKA, IME FROM ODDELKI ORDER BY OZNAKA COLLATE SLOVENSKO",
          {c("Oznaka", 1600, "OZNAKA", "Code"), c("Ime", 4000, "IME", "Name")}, "Units", "Unit"),
        s(6, "Skupine enot", I::Nic,
          "SELECT G.OZNAKA AS SKUPINA, G.IME, O.OZNAKA AS ENOTA FROM SKUPINE_ODDELKOV G INNER JOIN ODDELKI_V_SKUPINI V "
          "ON V.ID_SKUPINE = G.ID INNER JOIN ODDELKI O ON O.ID = V.ID_ODDELKA WHERE substr(G.OZNAKA, 1, 1) = '$' AND "
          "(G.ID_RAZ_PREDMETNIKA IS NULL OR G.ID_RAZ_PREDMETNIKA = :predmetnik) ORDER BY G.OZNAKA COLLATE SLOVENSKO, "
          "O.OZNAKA COLLATE SLOVENSKO",
          {c("Skupina", 1600, "SKUPINA", "Group"), c("Ime", 5000, "IME", "Name"), c("Enota", 1000, "ENOTA", "Unit")},
          "UnitGroups", "Member"),
        s(6, "Učitelji", I::Nic,
          "SELECT OZNAKA, PRIIMEK, IME, VMESNOIME FROM UCITELJI ORDER BY PRIIMEK COLLATE SLOVENSKO, IME COLLATE "
          "SLOVENSKO, OZNAKA COLLATE SLOVENSKO",
          {c("Oznaka", 1200, "OZNAKA", "Code"), c("Priimek", 2200, "PRIIMEK", "Surname"), c("Ime", 1800, "IME", "Name"),
           c("Vmesno ime", 1800, "VMESNOIME", "MiddleName")},
          "Teachers", "Teacher"),
        s(6, "Učitelji in prostori", I::Nic,
          "SELECT U.OZNAKA AS UCITELJ, trim(coalesce(U.PRIIMEK, '') || ' ' || coalesce(U.IME, '')) AS IME, G.OZNAKA "
          "AS PROSTOR FROM UCITELJI U INNER JOIN UCITELJ_PROSTOR UP ON UP.ID_UCITELJA = U.ID INNER JOIN "
          "SKUPINE_PROSTOROV G ON G.ID = UP.ID_SKUPINE_PROSTOROV ORDER BY U.PRIIMEK COLLATE SLOVENSKO, U.IME COLLATE "
          "SLOVENSKO, G.OZNAKA COLLATE SLOVENSKO",
          {c("Učitelj", 1200, "UCITELJ", "Code"), c("Ime", 3000, "IME", "Name"), c("Prostor", 1600, "PROSTOR", "Room")},
          "TeacherRooms", "TeacherRoom"),
        s(6, "Učitelji in predmeti", I::Nic,
          "SELECT U.OZNAKA AS UCITELJ, trim(coalesce(U.PRIIMEK, '') || ' ' || coalesce(U.IME, '')) AS IME, P.OZNAKA "
          "AS PREDMET, P.IME AS IME_PREDMETA FROM UCITELJI U INNER JOIN UCITELJ_PREDMET UP ON UP.ID_UCITELJA = U.ID "
          "INNER JOIN PREDMETI P ON P.ID = UP.ID_PREDMETA ORDER BY U.PRIIMEK COLLATE SLOVENSKO, U.IME COLLATE "
          "SLOVENSKO, P.OZNAKA COLLATE SLOVENSKO",
          {c("Učitelj", 1200, "UCITELJ", "Code"), c("Ime", 3000, "IME", "Name"),
           c("Predmet", 1200, "PREDMET", "Subject"), c("Ime predmeta", 4000, "IME_PREDMETA", "SubjectName")},
          "TeacherSubjects", "TeacherSubject"),
        s(6, "Učenci", I::Nic,
          "SELECT OZNAKA, PRIIMEK, IME, VMESNOIME, SPOL, DATUMROJSTVA, LETOVPISA, PARALELKA, USMERITEV FROM ERD_UCENEC "
          "ORDER BY PRIIMEK COLLATE SLOVENSKO, IME COLLATE SLOVENSKO, OZNAKA COLLATE SLOVENSKO",
          {c("Enolična oznaka", 1300, "OZNAKA", "Code"), c("Priimek", 1500, "PRIIMEK", "Surname"),
           c("Ime", 1300, "IME", "Name"), c("Vmesno ime", 1100, "VMESNOIME", "MiddleName"),
           c("Spol", 600, "SPOL", "Gender", slog::Sredinsko), c("Datum rojstva", 1300, "DATUMROJSTVA", "Born"),
           c("Leto vpisa", 1000, "LETOVPISA", "Enrolled"), c("Paralelka", 1000, "PARALELKA", "Parallel"),
           c("Usmeritev", 1100, "USMERITEV", "Course")},
          "Pupils", "Pupil"),
        s(6, "Učenci enote", I::Enote,
          "SELECT O.OZNAKA AS ENOTA, E.PRIIMEK, E.IME, E.OZNAKA FROM ERD_UCENCI_ODDELKA UO INNER JOIN ERD_UCENEC E ON "
          "E.ID = UO.ID_UCENCA INNER JOIN ODDELKI O ON O.ID = UO.ID_ODDELKA WHERE UO.ID_PREDMETNIKA = :predmetnik AND "
          "O.ID IN %1 ORDER BY O.OZNAKA COLLATE SLOVENSKO, E.PRIIMEK COLLATE SLOVENSKO, E.IME COLLATE SLOVENSKO",
          {c("Enota", 900, "ENOTA", "Unit"), c("Priimek", 2200, "PRIIMEK", "Surname"), c("Ime", 1800, "IME", "Name"),
           c("Enolična oznaka", 1500, "OZNAKA", "Code")},
          "UnitPupils", "Pupil"),
        s(6, "Učenci skupin", I::Nic,
          "SELECT SP.OZNAKA AS SKUPINA, P.OZNAKA AS PREDMET, PVS.IME_SKUPINE_UCENCEV AS SKUPINA_UCENCEV, O.OZNAKA AS "
          "ENOTA, trim(coalesce(E.PRIIMEK, '') || ' ' || coalesce(E.IME, '')) AS UCENEC FROM ERD_UCENCI_PREDMETA UP "
          "INNER JOIN PREDMETI_V_SKUPINI PVS ON PVS.ID = UP.ID_PREDMETI_V_SKUPINI INNER JOIN SKUPINE_PREDMETOV SP ON "
          "SP.ID = PVS.ID_SKUPINE INNER JOIN PREDMETI P ON P.ID = PVS.ID_PREDMETA INNER JOIN ERD_UCENEC E ON E.ID = "
          "UP.ID_UCENCA LEFT JOIN ERD_UCENCI_ODDELKA UO ON UO.ID_UCENCA = E.ID AND UO.ID_PREDMETNIKA = "
          "UP.ID_PREDMETNIKA LEFT JOIN ODDELKI O ON O.ID = UO.ID_ODDELKA WHERE UP.ID_PREDMETNIKA = :predmetnik ORDER "
          "BY SP.OZNAKA COLLATE SLOVENSKO, P.OZNAKA COLLATE SLOVENSKO, PVS.IME_SKUPINE_UCENCEV COLLATE SLOVENSKO, "
          "E.PRIIMEK COLLATE SLOVENSKO, E.IME COLLATE SLOVENSKO",
          {c("Skupina", 1400, "SKUPINA", "Group"), c("Predmet", 900, "PREDMET", "Subject"),
           c("Skupina učencev", 1500, "SKUPINA_UCENCEV", "PupilGroup"), c("Enota", 800, "ENOTA", "Unit"),
           c("Učenec", 3000, "UCENEC", "Pupil")},
          "GroupPupils", "Pupil"),
        s(7, "Predmetniki enot", I::Nic,
          "SELECT O.OZNAKA AS ENOTA, PR.OZNAKA AS PREDMETNIK, PR.IME FROM ODDELKI O INNER JOIN PROGRAM_SKUPINE PS ON "
          "PS.ID_SKUPINE_ODDELKOV = O.ID INNER JOIN PROGRAMI PR ON PR.ID = PS.ID_PROGRAMA WHERE PS.ID_PREDMETNIKA = "
          ":predmetnik ORDER BY O.OZNAKA COLLATE SLOVENSKO, PR.OZNAKA COLLATE SLOVENSKO",
          {c("Enota", 900, "ENOTA", "Unit"), c("Predmetnik", 1600, "PREDMETNIK", "Programme"),
           c("Ime", 4000, "IME", "Name")},
          "UnitProgrammes", "UnitProgramme"),
        s(7, "Skupine", I::Nic,
          "SELECT SP.OZNAKA AS SKUPINA, SP.IME, P.OZNAKA AS PREDMET, PVS.IME_SKUPINE_UCENCEV AS SKUPINA_UCENCEV FROM "
          "SKUPINE_PREDMETOV SP INNER JOIN PREDMETI_V_SKUPINI PVS ON PVS.ID_SKUPINE = SP.ID INNER JOIN PREDMETI P ON "
          "P.ID = PVS.ID_PREDMETA WHERE substr(SP.OZNAKA, 1, 1) = '$' AND (SP.ID_RAZ_PREDMETNIKA IS NULL OR "
          "SP.ID_RAZ_PREDMETNIKA = :predmetnik) ORDER BY SP.OZNAKA COLLATE SLOVENSKO, P.OZNAKA COLLATE SLOVENSKO, "
          "PVS.IME_SKUPINE_UCENCEV COLLATE SLOVENSKO",
          {c("Skupina", 1400, "SKUPINA", "Group"), c("Ime", 4500, "IME", "Name"),
           c("Predmet", 900, "PREDMET", "Subject"), c("Skupina učencev", 1500, "SKUPINA_UCENCEV", "PupilGroup")},
          "SubjectGroups", "Member",
          "SELECT SP.OZNAKA AS SKUPINA, SP.IME, (SELECT group_concat(M, ', ') FROM (SELECT P.OZNAKA || "
          "iif(coalesce(PVS.IME_SKUPINE_UCENCEV, '') = '', '', ' ' || PVS.IME_SKUPINE_UCENCEV) AS M FROM "
          "PREDMETI_V_SKUPINI PVS INNER JOIN PREDMETI P ON P.ID = PVS.ID_PREDMETA WHERE PVS.ID_SKUPINE = SP.ID ORDER "
          "BY "
          "P.OZNAKA COLLATE SLOVENSKO, PVS.IME_SKUPINE_UCENCEV COLLATE SLOVENSKO)) AS PREDMETI FROM SKUPINE_PREDMETOV "
          "SP WHERE substr(SP.OZNAKA, 1, 1) = '$' AND (SP.ID_RAZ_PREDMETNIKA IS NULL OR SP.ID_RAZ_PREDMETNIKA = "
          ":predmetnik) AND EXISTS (SELECT 1 FROM PREDMETI_V_SKUPINI X WHERE X.ID_SKUPINE = SP.ID) ORDER BY SP.OZNAKA "
          "COLLATE SLOVENSKO",
          {c("Skupina", 1400, "SKUPINA", "Group"), c("Ime", 4500, "IME", "Name"),
           c("Predmeti", 3400, "PREDMETI", "Subjects")}),
        s(7, "Razredniki in izmene", I::Nic,
          "SELECT O.OZNAKA AS ENOTA, trim(coalesce(U.PRIIMEK, '') || ' ' || coalesce(U.IME, '')) AS RAZREDNIK, "
          "I.OZNAKA AS IZMENA FROM ODDELKI O INNER JOIN ODDELKI_V_PREDMETNIKU OP ON OP.ID_ODDELKA = O.ID LEFT JOIN "
          "UCITELJI U ON U.ID = OP.ID_RAZREDNIKA LEFT JOIN IZMENE I ON I.ID = OP.ID_IZMENE WHERE OP.ID_PREDMETNIKA = "
          ":predmetnik ORDER BY O.OZNAKA COLLATE SLOVENSKO",
          {c("Enota", 900, "ENOTA", "Unit"), c("Razrednik", 3000, "RAZREDNIK", "ClassTeacher"),
           c("Izmena", 900, "IZMENA", "Shift", slog::Sredinsko)},
          "ClassTeachers", "Unit"),
        s(9, "Veljavnost urnikov", I::Obdobje,
          "SELECT UR.IME AS URNIK, T.OZNAKA AS TURNUS, V.STEVILO_TURNUSOV, V.VELJA_OD AS OD, V.VELJA_DO AS DO FROM "
          "VELJAVNOST_URNIKA V INNER JOIN URNIKI UR ON UR.ID = V.ID_URNIKA LEFT JOIN TURNUSI T ON T.ID = "
          "V.ZACETNI_TURNUS_IZMENE_A WHERE V.VELJA_OD <= :do AND V.VELJA_DO >= :od ORDER BY V.VELJA_OD",
          {c("Urnik", 3000, "URNIK", "Timetable"), c("Turnus", 900, "TURNUS", "Turn", slog::Sredinsko),
           c("Število turnusov", 1600, "STEVILO_TURNUSOV", "Turns", slog::Sredinsko), c("Od", 1300, "OD", "From"),
           c("Do", 1300, "DO", "To")},
          "Validities", "Validity"),
        s(9, "Prosti dnevi", I::Obdobje,
          "SELECT DATUM_OD AS OD, DATUM_DO AS DO, RAZLOG FROM PROSTI_DNEVI WHERE DATUM_OD <= :do AND DATUM_DO >= :od "
          "ORDER BY DATUM_OD",
          {c("Od", 1300, "OD", "From"), c("Do", 1300, "DO", "To"), c("Razlog", 6500, "RAZLOG", "Reason")}, "FreeDays",
          "FreeDay"),
    };
    return lists;
}

const SeznamOsnovnih *NajdiSeznam(int set, const QString &zavihek) {
    for (const SeznamOsnovnih &s : SeznamiOsnovnih())
        if (s.set == set && s.zavihek == zavihek)
            return &s;
    return nullptr;
}

Dokument DokumentSeznamaOsnovnih(db::Connection &c, const SeznamOsnovnih &seznam, qint64 predmetnik,
                                 const MoznostiIzpisa &m) {
    const bool joined = !m.loceneSkupine && !seznam.sqlSkupaj.isEmpty();
    const QString &query = joined ? seznam.sqlSkupaj : seznam.sql;
    QVariantMap params;
    if (query.contains(QStringLiteral(":predmetnik")))
        params.insert(QStringLiteral("predmetnik"), predmetnik);
    if (query.contains(QStringLiteral(":od")))
        params.insert(QStringLiteral("od"), m.datum.toString(Qt::ISODate));
    if (query.contains(QStringLiteral(":do")))
        params.insert(QStringLiteral("do"), (m.datumDo.isValid() ? m.datumDo : m.datum).toString(Qt::ISODate));
    const QString sql = query.contains(QStringLiteral("%1")) ? query.arg(SeznamId(m.izbrani)) : query;
    db::RowSet rows = c.query(sql, params);
    for (const QString &column : {QStringLiteral("OD"), QStringLiteral("DO"), QStringLiteral("DATUMROJSTVA")})
        if (const int i = rows.columnIndex(column); i >= 0)
            for (int r = 0; r < rows.rowCount(); ++r)
                rows.setValue(r, i, calendar::DatumText(calendar::DatumIzBaze(rows.value(r, i))));

    Dokument d;
    d.NovDokument();
    QString title = seznam.naslov;
    if (seznam.izbira == IzbiraIzpisa::Obdobje)
        title += QStringLiteral(" ") + calendar::DatumText(m.datum) + QStringLiteral(" - ") +
                 calendar::DatumText(m.datumDo.isValid() ? m.datumDo : m.datum);
    d.NastaviNaslov(title);
    d.DodajGlavo(core::App().schoolName, title);
    d.DodajTabeloIzPoizvedbe(rows, joined ? seznam.stolpciSkupaj : seznam.stolpci, seznam.oznakaTabele,
                             joined ? QStringLiteral("Group") : seznam.oznakaVrstice)
        .obroba = true;
    return d;
}

} // namespace zentrel::print
