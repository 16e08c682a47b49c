#include "AppState.h"

#include <memory>

namespace zentrel::core {

namespace {
std::unique_ptr<AppState> g_app;
}

AppState &App() {
    if (!g_app)
        g_app = std::make_unique<AppState>();
    return *g_app;
}

void ResetApp() {
    g_app = std::make_unique<AppState>();
}

} // namespace zentrel::core
