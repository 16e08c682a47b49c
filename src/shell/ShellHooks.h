#pragma once

#include <QString>
#include <functional>

namespace zentrel::shell {

// What the windows want to hear of the project life cycle. The main window sets these; without
// windows (zentrel-cli, tests) they stay empty.
struct ShellHooks {
    std::function<void(bool open)> projectOpenChanged; // SetProjectOpen: menus, caption "Zentrel"
    std::function<void(const QString &caption)> captionChanged;
    std::function<void(const QString &schoolName)> schoolNameChanged; // the background
    std::function<void()> recentFilesChanged;                          // rebuild the menu
    std::function<void()> tabGroupsReset;
};

ShellHooks &Hooks();

} // namespace zentrel::shell
