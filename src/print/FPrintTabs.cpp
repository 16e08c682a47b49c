#include "FPrintTabs.h"

#include "FIzpisOsnovnihNastavitve.h"
#include "FIzpisUrnikovNastavitve.h"

namespace zentrel::print {

void RegisterPrintTabs() {
    RegisterBasicPrintTabs();
    RegisterTimetablePrintTabs();
}

} // namespace zentrel::print
