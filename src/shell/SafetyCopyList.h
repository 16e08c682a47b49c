#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

// The safety copies of one project as files in its folder of copies: their names, how they are
// listed, and which of them the limits keep.
//
// A copy is named "yyyy-MM-dd HH.mm <operation>.znt" (with " (2)", " (3)", ... when a name of the
// same minute exists), so that the folder, sorted by name, shows them in time order, and the list
// can be read back from the names alone. Files of other names (a copy still being written among
// them) are not copies.
namespace zentrel::shell {

// How many safety copies of a project are kept: the newest keepLast, plus the first copy of each
// of the last keepDays days, all of them within maxMegabytes. The user's settings (zn.INI
// "[safety copies]").
struct SafetyCopyLimits {
    int keepLast = 30;
    int keepDays = 14;
    int maxMegabytes = 1024;
};

// The program's safety-copy state, beside the program state (core::App) and reset with it
// (ResetProgramState): the limits read from zn.INI, and the project whose copy is open for
// viewing (empty while none is).
struct SafetyCopyState {
    SafetyCopyLimits limits;
    QString viewedProject;
};
SafetyCopyState &CopyState();

struct SafetyCopy {
    QString path;      // full path of the file
    QString fileName;  // its name in the folder
    QDateTime when;    // when it was made (to the minute, from the name)
    int sequence = 1;  // the n of " (n)": copies of one minute in the order they were made
    QString operation; // the operation it was made before (file-name-safe form)
    qint64 size = 0;   // bytes
};

// The operation's text as it can stand in a file name on any disk: separators become "-", ":"
// becomes ".", the characters some file systems refuse become "_", control characters blanks;
// at most 150 bytes (a file name may have 255). Letters and blanks stay, so the name reads as
// the operation did.
QString SafetyCopyOperationName(const QString &operation);

// The file name of a copy made at `when` before `operation`, sequence n > 1 adding " (n)".
QString SafetyCopyFileName(const QDateTime &when, const QString &operation, int sequence = 1);

// The copies in a folder, newest first (by time, then sequence); empty when there is none.
QList<SafetyCopy> ReadSafetyCopies(const QString &folder);

// The copies the limits do not keep, given the copies newest first and today's date: the newest
// keepLast are kept, and the first copy of each of the last keepDays days (today included); of
// those, newest first, the ones up to the first that no longer fits within maxMegabytes. The
// newest copy is always kept.
QList<SafetyCopy> CopiesBeyondLimits(const QList<SafetyCopy> &newestFirst, const SafetyCopyLimits &limits,
                                     const QDate &today);

// When a copy was made, as the list shows it ("6. 12. 2026 18.40", with " (2)" for the second
// copy of a minute).
QString SafetyCopyTimeText(const SafetyCopy &copy);
// A copy's size as the list shows it ("3,4 MB", "850 kB").
QString SafetyCopySizeText(qint64 bytes);

// The section of zn.INI that holds the limits, one number a line: keepLast, keepDays,
// maxMegabytes.
const QString &SafetyCopySection();

// The limits as the user may set them: each number brought within its range (keepLast 1 to 1000,
// keepDays 0 to 366, maxMegabytes 10 to 1048576); a missing or unreadable line gives the default.
SafetyCopyLimits SafetyCopyLimitsFromLines(const QStringList &lines);
QStringList SafetyCopyLimitsLines(const SafetyCopyLimits &limits);

} // namespace zentrel::shell
