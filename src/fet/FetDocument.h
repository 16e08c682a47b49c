#pragma once

#include <QHash>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

namespace zentrel::fet {

// One activity of a FET file: a lesson of `duration` periods; the components of one split
// lesson share `groupId` (0 when the activity stands alone) and `totalDuration`.
struct FetActivity {
    int id = 0;
    int groupId = 0;
    int duration = 1;
    int totalDuration = 1;
    QStringList teachers;
    QString subject;
    QStringList students;
    bool active = true;
    // Where the line of the activity starts in the file (for messages).
    qint64 line = 0;
};

struct FetRoom {
    QString name;
    QString building;
    int capacity = -1; // -1 when the file gives none
    bool isVirtual = false;
};

// A constraint as written: its element name, weight and activity flag, its simple fields
// (a field may repeat, e.g. Preferred_Room) and its nested records (Not_Available_Time,
// Break_Time, Preferred_Time_Slot, ... each a map of its fields).
struct FetConstraint {
    QString type;
    double weight = 100;
    bool active = true;
    QMultiHash<QString, QString> fields;
    QVector<QHash<QString, QString>> records;

    QString field(const QString &name) const { return fields.value(name); }
    QStringList all(const QString &name) const;
    // A constraint that must hold (weight 100 %) and is switched on.
    bool isHard() const { return active && weight >= 100; }
};

// The contents of a FET file that an import reads. Students sets keep their tree as edges:
// a set named in several places (a group in two years) is one set with the union of the sets
// below it.
struct FetDocument {
    int majorVersion = 0;
    QString versionText;
    QString institution;
    QStringList days;
    QStringList hours;
    QStringList teachers;
    QStringList subjects;
    QStringList buildings;
    QVector<FetRoom> rooms;
    QStringList studentSets;                // every set, in file order
    QHash<QString, QStringList> setChildren; // sets directly below a set
    QVector<FetActivity> activities;
    QVector<FetConstraint> timeConstraints;
    QVector<FetConstraint> spaceConstraints;
};

} // namespace zentrel::fet
