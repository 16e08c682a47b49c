#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

namespace zentrel::shell {

// The folder sections of zn.INI in slot order (slot 0 to 8).
const QStringList &FolderSections();
// The check-box sections of the printout and selection dialogs.
const QStringList &CheckBoxSections();

// Reads every section of zn.INI into the program state: recent files (with the length rule:
// five lines or more give five entries, fewer give those and one empty slot), folders,
// magnification, check boxes, current curriculum (-1), timetable (-4 missing, -5 empty line)
// and turnus (-1).
void ReadSettings();
// Writes every section except "[recent files]" (the main window's place with it).
bool WriteSettings();

// A dialog's check-box states: the stored ones when their count equals the dialog's count of
// options, otherwise the dialog's defaults.
QList<bool> CheckBoxStates(const QString &section, const QList<bool> &defaults);
void SetCheckBoxStates(const QString &section, const QList<bool> &states);

// A window's place and size from the lines of "[main window]" or "[help window]" (x, y, width, height);
// an invalid rectangle when a line is not a number, out of range, or the window would be tiny.
QRect WindowGeometry(const QStringList &lines);

// A magnification line as a factor: the number / 100, 1 when not a number or outside 0.49..1.51.
double MagnificationFactor(const QString &line);

} // namespace zentrel::shell
