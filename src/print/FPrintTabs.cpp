#include "FPrintTabs.h"

#include "FIzpisUrnikovNastavitve.h"

namespace zentrel::print {

void RegisterPrintTabs() {
    RegisterTimetablePrintTabs();
}

} // namespace zentrel::print
