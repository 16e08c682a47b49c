#include "SizeClass.h"

namespace zentrel::shell {

int SizeClassOf(int measureTwips) {
    if (measureTwips > 1035)
        return 2;
    if (measureTwips > 990)
        return 1;
    return 0;
}

int GridRowHeightTwips(int sizeClass) {
    switch (sizeClass) {
    case 2:
        return 300;
    case 1:
        return 270;
    default:
        return 240;
    }
}

} // namespace zentrel::shell
