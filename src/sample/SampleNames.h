#pragma once

#include <QString>
#include <QStringList>

namespace zentrel::sample {

// Slovenian first names and surnames for the teachers and pupils of the sample school.
const QStringList &FemaleNames();
const QStringList &MaleNames();
const QStringList &Surnames();

} // namespace zentrel::sample
