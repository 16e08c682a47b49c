#pragma once

#include "Connection.h"

#include <QList>
#include <QString>

// Queries the project database has always carried by name. Here they are named SQL: a caller
// puts DayQueriesWith() in front of its own SELECT and binds the parameters it uses
// (:Datum as a date, :IzbranDan, :IzbranUrnik, :IzbranTurnus, :IzbranOddelek).
namespace zentrel::db {

// "WITH QTerminiPU AS (...), QTerminiPUOS AS (...), QTerminiO AS (...), OdsotnostiUciteljev AS
// (...), OdsotnostiOddelkov AS (...), OdsotnostiProstorov AS (...), SuplenceDan AS (...) "
//
// QTerminiPU: the lessons of the weekday, timetable and turnus that take place on :Datum (a
//   lesson falls away when every class of its class group is absent in that period):
//   ID, ID_UCITELJA, ID_PROSTORA, URA, ID_SKUPINE_ODDELKOV, ID_RAZPOREDA.
// QTerminiO: all lessons of that day by class group: ID, ID_SKUPINE_ODDELKOV, URA.
// QTerminiPUOS: the lessons of class :IzbranOddelek that day: ID, ID_SKUPINE_PREDMETOV,
//   ID_PREDMETA, ID_PROSTORA, ID_UCITELJA, URA, ID_SKUPINE_ODDELKOV.
// Odsotnosti*: the absences of :Datum; SuplenceDan: the substitutions of :Datum.
QString DayQueriesWith();

// The names of the day queries, for callers that check a statement uses only these.
const QStringList &DayQueryNames();

// The five statements that give every class of curriculum P its first period on each day of
// each turnus of timetable T, from its shift's first periods.
QStringList ClassFrameStatements(qint64 timetableId, qint64 curriculumId);
// Runs them in one transaction.
bool InsertClassFrames(Connection &connection, qint64 timetableId, qint64 curriculumId);

// The rows of PREDMETI_V_SKUPINI that belong to elective subject groups but no longer match an
// elective of their programme's set.
QString OrphanElectiveRowsSql();
// Deletes those rows one by one in one transaction; returns how many went.
int DeleteOrphanElectiveRows(Connection &connection);

} // namespace zentrel::db
