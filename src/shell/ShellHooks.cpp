#include "ShellHooks.h"

namespace zentrel::shell {

ShellHooks &Hooks() {
    static ShellHooks hooks;
    return hooks;
}

} // namespace zentrel::shell
