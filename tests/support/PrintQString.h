#pragma once

#include <QString>
#include <ostream>

// Failed comparisons of texts print the texts, not their bytes.
inline void PrintTo(const QString &text, std::ostream *out) {
    *out << '"' << text.toStdString() << '"';
}
