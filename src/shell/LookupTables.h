#pragma once

#include <QString>
#include <QStringList>
#include <array>

// Tables shared by the whole program, filled once.
namespace zentrel::shell::Lookup {

// Weekday names, index 1 (Monday) to 7 (Sunday); index 0 is empty.
// Full ("ponedeljek"), three capitals ("PON"), one capital ("P"), two letters ("po").
const QStringList &DayNames();
const QStringList &DayNames3();
const QStringList &DayNames1();
const QStringList &DayNames2();

// Difficulty of a subject for the automatic construction, index 0 to 3.
const QStringList &ConstructionSizes();

// Captions of the three views of a timetable: by classes and by teachers.
const QStringList &LabelsByClasses();  // "Predmeti", "Enote", "Prostori"
const QStringList &LabelsByTeachers(); // "Predmeti", "Učitelji", "Prostori"

// Roman numerals of turnusi, index 0 to 8 ("0", "I", ... "VIII").
const QStringList &RomanNumerals();
// Letters of shifts and parallel classes, index 0 to 8 ("A" to "I").
const QStringList &ClassLetters();

// First tab index of each of the eleven window groups of the tabbed container.
const std::array<int, 11> &TabGroupStarts();

} // namespace zentrel::shell::Lookup
