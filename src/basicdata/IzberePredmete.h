#pragma once

#include "db/RowSet.h"

#include <QString>

// The derived row sets of the assignment windows, written as inline subqueries: what each class
// group and class must be taught in a curriculum, and with it who teaches it.
namespace zentrel::basicdata {

// Every subject row a class group must be taught in curriculum C: one row per (class group,
// programme, subject group, subject-in-group row, turnus) along PROGRAM_SKUPINE,
// PREDMETI_V_PROGRAMU and PREDMETI_V_SKUPINI, with ID_SKUPINE_ODDELKOV, ID_PROGRAMA,
// ID_SKUPINE_PREDMETOV, ID_PREDMETI_V_SKUPINI, ID_PREDMETA, ID_TURNUSA, STEVILO_UR,
// DOLZINA_TERMINA, ZAH, ID_PREDMETNIKA, IME_SKUPINE_UCENCEV, ID_NADREJENEGA_PREDMETA_V_SKUPINI.
QString PredmetiSkupin(qint64 curriculum);

// "QIzberePredmeteOddelka" of class K (all classes when K < 0) in curriculum C: the rows above
// for each class of the class group, with the columns SKUPINA, TipIzbirnosti, OZNAKA, ZAH,
// Oboje, TURNUS, SKUPAJZ, ODD_OZNAKA, ID_ODDELKA, ID_SKUPAJZ besides the identifiers.
QString QIzberePredmeteOddelka(qint64 curriculum, qint64 klass = -1);

// "QIzberePredmeteRazporeda": QIzberePredmeteOddelka left-joined to the assignments that cover
// each row, with OZNAKA_UCITELJA, UCITELJ, PROSTOR, ID (assignment), ID_UCITELJA,
// ID_SKUPINE_PROSTOROV, ST_UR and DOL_TER; a row per teacher when several teach it.
QString QIzberePredmeteRazporeda(qint64 curriculum, qint64 klass = -1);

// The order of QIzberePredmeteRazporeda: rows without a teacher first, then elective rows, then
// rows without a group name, then by group name, subject code and parent row.
QString QIzberePredmeteRazporedaOrder();

// Hours of a class in one turnus, counted per lesson (class group, subject group, turnus) as
// the construction places them: all of them, those with every subject row taught by someone,
// and those still lacking a teacher.
struct ClassHours {
    int inTurnus = 0;   // "V turnusu"
    int assigned = 0;   // "razporejeno"
    int unassigned = 0; // "nerazporejeno"
};

// The hours of a class in a turnus (together with the lessons of every week, turnus 0) from the
// rows of QIzberePredmeteRazporeda: of class `klass`, or of all rows when it is below 0.
ClassHours LessonHours(const db::RowSet &rows, qint64 turnus, qint64 klass = -1);

} // namespace zentrel::basicdata
