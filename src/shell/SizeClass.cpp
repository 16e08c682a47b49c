#include "SizeClass.h"

namespace zentrel::shell {

int SizeClassOf(int measureTwips) {
    if (measureTwips > 1035)
        return 2;
    if (measureTwips > 990)
        return 1;
    return 0;
}

} // namespace zentrel::shell
