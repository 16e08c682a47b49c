#pragma once

#include <QHash>
#include <QList>
#include <QString>

// The in-memory records of one automatic assignment of pupils to elective groups. They refer to
// each other by list index and exist only during one run.
namespace zentrel::pupils {

// One elective of a set (IZBIRNI_PREDMETI) with the pupils who chose it, in the order they are
// walked: by unit, then pupil.
struct Elective {
    struct Chooser {
        int pupil = -1;  // index into ElectiveModel::pupils
        int choice = -1; // index into that pupil's choices
    };
    qint64 id = -1;
    qint64 subject = -1;
    QString code; // prefix, "-" and subject code, for messages and group codes
    int normMax = 0;
    int normMin = 0;
    int teacherCount = 0;   // STEVILO_UCITELJEV: how many of its groups may run side by side
    qint64 turnus = 0;      // the set's turnus
    QList<qint64> teachers; // teachers of the subject (UCITELJ_PREDMET), in identifier order
    QList<Chooser> choosers;
    // False: outside this run (another set, or its group sizes are unusable); its groups stay
    // as they are.
    bool inRun = true;
};

// A pupil's choice of an elective and where it was placed.
struct Choice {
    int elective = -1;
    QChar type;     // 'I' chosen, 'R' reserve, '-' a place given by hand without a choice
    int block = -1; // -1: not placed
    int slot = -1;
    bool fixed = false; // placed by hand (or outside the run): never moved
    QString placedAs;   // the stored type of a place read from the groups ("A", "R", ...)
};

struct PupilRecord {
    qint64 id = -1;
    qint64 unit = -1;
    int required = 0; // the number of "I" choices: electives he must get
    QList<Choice> choices;
};

// One elective group inside a block.
struct Slot {
    int elective = -1;
    qint64 teacher = -1;
    QString groupName; // IME_SKUPINE_UCENCEV of a group read from the database
    QList<int> pupils;
    bool fixed = false;  // read from a group made by hand: never dissolved
    bool closed = false; // dissolved in this run: never refilled, never written
};

// Elective groups that run side by side: a pupil is in at most one slot of a block.
struct Block {
    qint64 programme = -1; // of a group read from the database
    qint64 set = -1;       // its set; -1 for groups of the automatic assignment
    QList<qint64> units;
    qint64 turnus = 0;
    QString code;
    int length = 1;
    int difficulty = 2;
    QList<Slot> groups; // its elective groups ("slots")
};

struct ElectiveModel {
    QList<Elective> electives;
    QList<PupilRecord> pupils;
    QList<Block> blocks;
    // With it, every group of a block needs its own teacher of the subject; without it, an
    // elective has at most teacherCount groups in one block.
    bool useTeachers = false;

    int placedCount(int pupil) const;
    // The pupil's choice placed in the block, or -1.
    int choiceInBlock(int pupil, int block) const;
};

// The figures of a run.
struct ElectiveFigures {
    int placedChosen = 0;       // "Število dodeljenih izbranih"
    int placedReserves = 0;     // "Število dodeljenih rezerv"
    int unplaced = 0;           // "Število nedodeljenih predmetov"
    int freePeriods = 0;        // "Število prostih terminov učencev"
    int groups = 0;             // groups that will be written
    int pupilsPlaced = 0;       // pupils with at least one elective
    int pupilsWithoutPlace = 0; // pupils with fewer electives than they chose
    int underfullGroups = 0;    // groups below their minimum (kept by hand, or without a choice)
};

} // namespace zentrel::pupils
