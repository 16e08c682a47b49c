#pragma once

#include <QString>
#include <QStringList>

namespace zentrel::sample {

// Slovenian first names and surnames for the teachers and pupils of the sample school.
// Names of pupils (born in the last fifteen years).
const QStringList &FemaleNames();
const QStringList &MaleNames();
// Names of teachers (a generation older).
const QStringList &AdultFemaleNames();
const QStringList &AdultMaleNames();
const QStringList &Surnames();

} // namespace zentrel::sample
