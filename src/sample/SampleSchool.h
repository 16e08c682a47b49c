#pragma once

#include <QDate>
#include <QString>
#include <QtGlobal>

namespace zentrel::sample {

struct SampleOptions {
    int classesPerGrade = 2;
    quint32 seed = 1;
    // The day whose school year the calendar covers; an invalid date means today.
    QDate referenceDate;
};

// Largest number of parallel classes per grade the generator accepts (class letters a to l).
constexpr int MaxClassesPerGrade = 12;

// Writes the sample school "OŠ Primer" as a new project file at path, in one transaction on a
// temporary file beside it that then replaces path; an existing file at path stays untouched
// when anything fails. The same options give the same file. Returns false and, when errorText
// is given, a Slovenian description of the failure.
bool GenerateSampleSchool(const QString &path, const SampleOptions &options, QString *errorText = nullptr);

} // namespace zentrel::sample
