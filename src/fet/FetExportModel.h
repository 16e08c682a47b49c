#pragma once

#include "FetDocument.h"
#include "FetExport.h"

#include <QHash>
#include <QPair>
#include <QSet>

namespace zentrel::fet {

using Cell = QPair<int, int>; // day index from 0, period

// One teacher entry of a lesson unit.
struct ExportEntry {
    QString teacher; // empty: no teacher
    QString subject;
    QStringList rooms;                // the room group's rooms; empty when it needs none
    QHash<Cell, QString> placedRooms; // room of each placed period
};

// One lesson unit: who, how many periods in blocks of what length, and where it is placed.
struct ExportUnit {
    QStringList students;
    int periods = 0;
    int length = 1;
    QVector<ExportEntry> entries;
    QVector<Cell> placed; // placed periods, in day and period order
};

// What an export writes, read from the project with names unique within each kind.
struct FetExportModel {
    QString school;
    QStringList hours;
    QStringList teachers, subjects, buildings, classes;
    QVector<FetRoom> rooms;
    QHash<QString, QSet<Cell>> teacherOff, classOff, roomOff;
    QVector<ExportUnit> units;
};

// Reads the model of a timetable's curriculum and turnus. Reports through ShowMessage and
// returns false when the timetable or turnus is missing or a query fails.
bool LoadExportModel(db::Connection &project, const FetExportOptions &options, FetExportModel *model);

} // namespace zentrel::fet
