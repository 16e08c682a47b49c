#pragma once

#include "HelpPages.h"
#include "HelpTopics.h"

#include <QWidget>

class QLineEdit;
class QListWidget;
class QTextBrowser;
class QToolButton;
class QTreeWidget;

namespace zentrel::shell {

// The program's own help window: the help pages shipped in the program folder, shown inside the
// program (F1, "Pomoč / Vsebina"), so that help works without a web browser. Beside the page: the
// contents (pages and their sections) and a search over all pages; back and forward walk the
// pages seen. Links between the pages are followed in the window; links to the web open
// outside. Esc and Ctrl+W close it; its place and size are kept in the settings (zn.INI) and
// always fit the screen it opens on.
// (zn.INI, "[help window]": x, y, width, height.)
class FPomoc : public QWidget {
    Q_OBJECT
public:
    explicit FPomoc(QWidget *parent = nullptr);

    // Shows the topic's page, scrolled to its section, and brings the window forward; false,
    // after "Ni datoteke #.", when the page is missing.
    bool ShowTopic(const HelpTopic &topic);
    // The topic shown: the page file and the section.
    HelpTopic CurrentTopic() const;

    // Fills the hit list with the pages and sections that hold every word of the text.
    void Search(const QString &text);

    QTextBrowser *Browser() const { return m_browser; }
    QTreeWidget *Contents() const { return m_contents; }
    QListWidget *Hits() const { return m_hits; }
    QLineEdit *SearchBox() const { return m_search; }
    QToolButton *BackButton() const { return m_back; }
    QToolButton *ForwardButton() const { return m_forward; }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void loadPages();
    void fillContents();
    void openLink(const QString &link);
    void rememberGeometry();
    void fitScreen();

    QString m_folder;
    HelpPages m_pages;
    QTextBrowser *m_browser;
    QTreeWidget *m_contents;
    QListWidget *m_hits;
    QLineEdit *m_search;
    QToolButton *m_back;
    QToolButton *m_forward;
    bool m_placed = false;
};

} // namespace zentrel::shell
