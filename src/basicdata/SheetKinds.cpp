#include "SheetKinds.h"

#include "core/Messages.h"
#include "core/SpreadsheetFile.h"
#include "db/MBaza.h"

namespace zentrel::basicdata {

namespace {
SheetColumn code(bool required = true) {
    return {QStringLiteral("Oznaka"), {QStringLiteral("Koda"), QStringLiteral("Šifra")}, required};
}
SheetColumn plain(const char *caption, QStringList names = {}) {
    return {QString::fromUtf8(caption), std::move(names), false};
}
} // namespace

const QList<SheetColumn> &SheetColumns(SheetKind kind) {
    static const QList<SheetColumn> teachers{code(), plain("Ime"), plain("Vmesno ime"), plain("Priimek")};
    static const QList<SheetColumn> subjects{code(), plain("Ime"), plain("Tip"),
                                             plain("Potrebuje kabinet", {QStringLiteral("Kabinet")})};
    static const QList<SheetColumn> rooms{code(), plain("Ime"), plain("Stavba"),
                                          plain("Kabinet", {QStringLiteral("Je kabinet")})};
    static const QList<SheetColumn> classes{code(), plain("Ime")};
    static const QList<SheetColumn> assignments{
        {QStringLiteral("Oddelek"), {QStringLiteral("Enota"), QStringLiteral("Razred")}, true},
        {QStringLiteral("Predmet"), {}, true},
        plain("Turnus"),
        {QStringLiteral("Ur"),
         {QStringLiteral("Število ur"), QStringLiteral("Ure"), QStringLiteral("Tedenskih ur"),
          QStringLiteral("Ur na teden")},
         true},
        plain("Blok", {QStringLiteral("Dolžina bloka"), QStringLiteral("Dolžina termina")}),
        {QStringLiteral("Učitelj"), {}, true},
        plain("Prostor", {QStringLiteral("Skupina prostorov"), QStringLiteral("Učilnica")}),
    };
    switch (kind) {
    case SheetKind::Teachers:
        return teachers;
    case SheetKind::Subjects:
        return subjects;
    case SheetKind::Rooms:
        return rooms;
    case SheetKind::Classes:
        return classes;
    case SheetKind::Assignments:
        break;
    }
    return assignments;
}

const QList<SheetKind> &SheetKindsAll() {
    static const QList<SheetKind> all{SheetKind::Teachers, SheetKind::Subjects, SheetKind::Rooms, SheetKind::Classes,
                                      SheetKind::Assignments};
    return all;
}

QString SheetKindName(SheetKind kind) {
    static const QStringList names{QStringLiteral("teachers"), QStringLiteral("subjects"), QStringLiteral("rooms"),
                                   QStringLiteral("classes"), QStringLiteral("assignments")};
    return names.at(static_cast<int>(kind));
}

bool SheetKindFromName(const QString &name, SheetKind &kind) {
    for (SheetKind k : SheetKindsAll())
        if (SheetKindName(k) == name) {
            kind = k;
            return true;
        }
    return false;
}

QString SheetKindCaption(SheetKind kind) {
    static const QStringList captions{QStringLiteral("Učitelji"), QStringLiteral("Predmeti"), QStringLiteral("Prostori"),
                                      QStringLiteral("Oddelki"), QStringLiteral("Razpored")};
    return captions.at(static_cast<int>(kind));
}

bool ParseSheetFlag(const QString &text, bool &value) {
    const QString key = core::SpreadsheetFile::HeaderKey(text);
    static const QStringList yes{QStringLiteral("da"), QStringLiteral("1"), QStringLiteral("x"),
                                 QStringLiteral("true"), QStringLiteral("d")};
    static const QStringList no{QStringLiteral("ne"), QStringLiteral("0"), QStringLiteral("false"),
                                QStringLiteral("n")};
    if (yes.contains(key))
        value = true;
    else if (no.contains(key))
        value = false;
    else
        return false;
    return true;
}

QString SheetFlag(bool value) {
    return value ? QStringLiteral("da") : QStringLiteral("ne");
}

QString SheetRowsSql(SheetKind kind, qint64 curriculum) {
    switch (kind) {
    case SheetKind::Teachers:
        return QStringLiteral("SELECT OZNAKA, IME, VMESNOIME, PRIIMEK, ID FROM UCITELJI "
                              "ORDER BY OZNAKA COLLATE SLOVENSKO, ID");
    case SheetKind::Subjects:
        return QStringLiteral("SELECT OZNAKA, IME, TIP, iif(coalesce(KABINETNI, 0) <> 0, 'da', 'ne') AS KABINETNI, ID "
                              "FROM PREDMETI ORDER BY OZNAKA COLLATE SLOVENSKO, ID");
    case SheetKind::Rooms:
        return QStringLiteral("SELECT PROSTORI.OZNAKA, PROSTORI.IME, STAVBE.OZNAKA AS STAVBA, "
                              "iif(coalesce(PROSTORI.KABINET, 0) <> 0, 'da', 'ne') AS KABINET, PROSTORI.ID "
                              "FROM PROSTORI LEFT JOIN STAVBE ON STAVBE.ID = PROSTORI.ID_STAVBE "
                              "ORDER BY PROSTORI.OZNAKA COLLATE SLOVENSKO, PROSTORI.ID");
    case SheetKind::Classes:
        return QStringLiteral("SELECT OZNAKA, IME, ID FROM ODDELKI ORDER BY OZNAKA COLLATE SLOVENSKO, ID");
    case SheetKind::Assignments:
        break;
    }
    return QStringLiteral(
               "SELECT ODDELKI.OZNAKA AS ODDELEK, PREDMETI.OZNAKA AS PREDMET, TURNUSI.OZNAKA AS TURNUS, "
               "PREDMETI_V_PROGRAMU.STEVILO_UR AS UR, PREDMETI_V_PROGRAMU.DOLZINA_TERMINA AS BLOK, "
               "UCITELJI.OZNAKA AS UCITELJ, SKUPINE_PROSTOROV.OZNAKA AS PROSTOR, RAZPORED.ID "
               "FROM RAZPORED INNER JOIN ODDELKI ON ODDELKI.ID = RAZPORED.ID_SKUPINE_ODDELKOV "
               "INNER JOIN PREDMETI ON PREDMETI.ID = RAZPORED.ID_PREDMETA AND PREDMETI.ID = "
               "RAZPORED.ID_SKUPINE_PREDMETOV "
               "INNER JOIN PROGRAMI ON PROGRAMI.ID = RAZPORED.ID_PROGRAMA AND PROGRAMI.ID_IZBIRNEGA_NABORA IS NULL "
               "INNER JOIN PREDMETI_V_PROGRAMU ON PREDMETI_V_PROGRAMU.ID_PROGRAMA = RAZPORED.ID_PROGRAMA AND "
               "PREDMETI_V_PROGRAMU.ID_SKUPINE_PREDMETOV = RAZPORED.ID_SKUPINE_PREDMETOV AND "
               "PREDMETI_V_PROGRAMU.ID_TURNUSA = RAZPORED.ID_TURNUSA "
               "INNER JOIN TURNUSI ON TURNUSI.ID = RAZPORED.ID_TURNUSA "
               "INNER JOIN UCITELJI ON UCITELJI.ID = RAZPORED.ID_UCITELJA "
               "LEFT JOIN SKUPINE_PROSTOROV ON SKUPINE_PROSTOROV.ID = RAZPORED.ID_SKUPINE_PROSTOROV "
               "WHERE RAZPORED.ID_PREDMETNIKA = %1 "
               "ORDER BY ODDELKI.OZNAKA COLLATE SLOVENSKO, PREDMETI.OZNAKA COLLATE SLOVENSKO, TURNUSI.ID, "
               "UCITELJI.OZNAKA COLLATE SLOVENSKO, RAZPORED.ID")
        .arg(curriculum);
}

db::RowSet SheetCurricula() {
    return db::ProjectDb().query(QStringLiteral("SELECT ID, IME FROM PREDMETNIKI ORDER BY IME COLLATE SLOVENSKO, ID"));
}

qint64 SheetCurriculum(qint64 given) {
    db::Connection &c = db::ProjectDb();
    if (given >= 0) {
        if (c.scalar(QStringLiteral("SELECT count(*) FROM PREDMETNIKI WHERE ID = %1").arg(given)).toLongLong() > 0)
            return given;
        core::ShowMessage(core::MsgError, QStringLiteral("Razporeda # ni v projektu."), given);
        return -1;
    }
    const db::RowSet curricula = c.query(QStringLiteral("SELECT ID FROM PREDMETNIKI"));
    if (curricula.rowCount() == 1)
        return curricula.integer(0, QStringLiteral("ID"));
    core::ShowMessage(core::MsgError,
                      curricula.rowCount() == 0
                          ? QStringLiteral("V projektu ni razporeda. Ustvarite ga v oknu Razporedi.")
                          : QStringLiteral("Projekt ima več razporedov; izberite enega."));
    return -1;
}

} // namespace zentrel::basicdata
