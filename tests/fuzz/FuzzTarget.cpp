#include "FuzzTarget.h"

namespace zentrel::fuzz {

QList<Target> &Targets() {
    static QList<Target> targets;
    return targets;
}

bool Register(Target target) {
    Targets().append(std::move(target));
    return true;
}

} // namespace zentrel::fuzz
