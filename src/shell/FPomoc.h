#pragma once

#include <QWidget>

class QTextBrowser;

namespace zentrel::shell {

// The program's own help window: the help pages shipped in the program folder, shown inside the
// program (F1, "Pomoč / Vsebina"), so that help works without a web browser. Links between the
// pages are followed in the window; links to the web open outside.
class FPomoc : public QWidget {
    Q_OBJECT
public:
    explicit FPomoc(QWidget *parent = nullptr);

    // Shows the page (a file of the program folder); false, after "Ni datoteke #.", when missing.
    bool ShowPage(const QString &path);
    QTextBrowser *Browser() const { return m_browser; }

private:
    QTextBrowser *m_browser;
};

} // namespace zentrel::shell
