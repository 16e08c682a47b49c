#pragma once

#include "db/RowSet.h"

#include <QList>
#include <QString>
#include <QStringList>

// The kinds of basic data a school keeps in spreadsheets, and the columns of each: the caption
// the export writes and the other names the import accepts for it.
namespace zentrel::basicdata {

enum class SheetKind { Teachers, Subjects, Rooms, Classes, Assignments };

struct SheetColumn {
    QString caption;   // written by the export, accepted by the import
    QStringList names; // further names accepted by the import
    bool required = false;

    // The caption and the further names, in the order they are tried.
    QStringList allNames() const { return QStringList{caption} + names; }
};

// The columns of a kind, in the order the export writes them and the preview shows them.
//   teachers:    Oznaka*, Ime, Vmesno ime, Priimek
//   subjects:    Oznaka*, Ime, Tip, Potrebuje kabinet ("da"/"ne")
//   rooms:       Oznaka*, Ime, Stavba (building code), Kabinet ("da"/"ne")
//   classes:     Oznaka*, Ime
//   assignments: Oddelek*, Predmet*, Turnus, Ur*, Blok, Učitelj*, Prostor (room or room group)
// (* required). Names are compared without letter case, accents or surrounding blanks.
const QList<SheetColumn> &SheetColumns(SheetKind kind);

// "teachers", "subjects", "rooms", "classes", "assignments": the names on the command line.
QString SheetKindName(SheetKind kind);
// The kind of a command-line name; false when there is none.
bool SheetKindFromName(const QString &name, SheetKind &kind);
// "Učitelji", "Predmeti", "Prostori", "Oddelki", "Razpored": the names in the window.
QString SheetKindCaption(SheetKind kind);
// Every kind, in the order of the window's list.
const QList<SheetKind> &SheetKindsAll();

// A yes/no cell: "da", "ne" (also "1"/"0", "x"/"", "true"/"false"); false when it is none of these.
bool ParseSheetFlag(const QString &text, bool &value);
QString SheetFlag(bool value);

// The rows of a kind as the export writes them, one list of texts per row in column order,
// ordered by code (assignments: by class, subject, turnus and teacher). Assignments are those of
// the curriculum. The import compares against the same rows.
//   Only the assignments of a class's own group in a subject's own group are rows of the sheet:
//   combined and elective groups are made in their own windows and are left out.
QString SheetRowsSql(SheetKind kind, qint64 curriculum = -1);

// The curriculum of the assignments sheet: the one given, or the only one of the project when
// none is given (-1); -1, with the message shown, when there is none or the choice is open.
qint64 SheetCurriculum(qint64 given);
// The curricula (ID, IME) by name: the choice of the assignments sheet.
db::RowSet SheetCurricula();

} // namespace zentrel::basicdata
