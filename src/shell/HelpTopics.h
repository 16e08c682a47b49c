#pragma once

#include <QList>
#include <QString>

namespace zentrel::shell {

// A place in the help pages: a page of the help folder and a section of it (the id of a heading).
struct HelpTopic {
    QString page;
    QString section;
    bool isValid() const { return !page.isEmpty(); }
    // "page.html#section", or the page alone when it has no section.
    QString link() const;
};

// A window outside the tab strip (a dialog, the import windows) and its help.
struct WindowHelp {
    QString className; // the class name without its namespace, e.g. "FVarnostneKopije"
    HelpTopic topic;
};

// The one map from the program's windows and tabs to the help pages, so that F1 opens the page
// and section of what has the focus. Tabs are named by their page set and captions, not by their
// numbers, so that a tab moved in the strip keeps its help.
class HelpTopics {
public:
    // The folder of the help pages: "pomoc" in the program folder.
    static QString Folder(const QString &programFolder);
    // The first page of the help (contents and how to find one's way).
    static HelpTopic Start();
    // The help of a tab of the tab strip, by its id (both stages of the elective process); an
    // invalid topic for an unknown id.
    static HelpTopic ForTab(int tabId);
    // The help of a window class outside the tab strip; invalid when it has none of its own.
    static HelpTopic ForWindow(const QString &className);
    // Every window outside the tab strip that has help.
    static QList<WindowHelp> Windows();
    // The pages in the order of the contents list, the guide first.
    static QStringList Pages();
};

} // namespace zentrel::shell
