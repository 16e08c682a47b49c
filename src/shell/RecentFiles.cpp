#include "IniFile.h"
#include "ProjectFiles.h"
#include "ShellHooks.h"
#include "core/AppState.h"

namespace zentrel::shell {

using namespace core;

// The list keeps the length it got when the settings were read. A path already in the list
// moves to the top, the entries above it moving down one; a new path pushes every entry down
// and the last one drops off.
void AddRecentFile(const QString &path) {
    QStringList &list = App().recentFiles;
    if (list.isEmpty())
        list << QString();
    const int k = list.indexOf(path);
    if (k >= 0) {
        list.move(k, 0);
    } else {
        list.prepend(path);
        list.removeLast();
    }
    QStringList stored;
    for (const QString &p : list)
        if (!p.isEmpty())
            stored << p;
    WriteIniSection(App().folders.settingsFile(), QStringLiteral("[recent files]"), stored);
    if (Hooks().recentFilesChanged)
        Hooks().recentFilesChanged();
}

} // namespace zentrel::shell
