#include "ImportReport.h"

namespace zentrel::fet {

int ImportReport::count(const QString &what) const {
    for (const auto &[name, count] : made)
        if (name == what)
            return count;
    return 0;
}

QStringList ImportReport::lines() const {
    QStringList out;
    out << QStringLiteral("Preneseno:");
    for (const auto &[what, count] : made)
        out << QStringLiteral("  %1: %2").arg(what).arg(count);
    if (!shortened.isEmpty()) {
        out << QStringLiteral("Skrajšane oznake (%1; celotno ime je ohranjeno v polju Ime):").arg(shortened.size());
        for (const auto &[name, code] : shortened)
            out << QStringLiteral("  %1 -> %2").arg(name, code);
    }
    if (notMapped.isEmpty()) {
        out << QStringLiteral("Vse omejitve in podatki datoteke so preneseni.");
    } else {
        int total = 0;
        for (int n : notMapped)
            total += n;
        out << QStringLiteral("Ni preneseno (%1; projekt zanje nima pravila ali podatka):").arg(total);
        for (auto it = notMapped.cbegin(); it != notMapped.cend(); ++it)
            out << QStringLiteral("  %1: %2").arg(it.key()).arg(it.value());
    }
    return out;
}

} // namespace zentrel::fet
