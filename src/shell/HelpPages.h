#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace zentrel::shell {

// A section of a help page: the id of its heading, the heading and the plain text under it.
struct HelpSection {
    QString id;
    QString heading;
    QString text;
};

// One help page as read from its file.
struct HelpPage {
    QString file; // name within the help folder
    QString title;
    QString intro;               // plain text before the first section
    QList<HelpSection> sections; // h2 headings with an id, in order
    QStringList ids;             // every id of the page (sections and smaller anchors)
    QStringList links;           // href values as written
    QStringList images;          // src values as written
};

// A place found by the search: the page, the section (empty for the page's opening) and a short
// piece of its text around the first hit.
struct HelpHit {
    QString file;
    QString section;
    QString caption; // "page title – section heading"
    QString excerpt;
};

// The help pages of the help folder read once: their contents for the contents list, and a search
// over all of them. Pages are the program's own simple HTML (UTF-8, h2 sections with ids).
class HelpPages {
public:
    // Reads the pages in that order; a page that cannot be read is left out.
    void Load(const QString &folder, const QStringList &files);
    const QList<HelpPage> &pages() const { return m_pages; }
    const HelpPage *page(const QString &file) const;

    // Sections and page openings that hold every word of the query (letter case and the
    // carons ignored), in the order of the contents; an empty query finds nothing.
    QList<HelpHit> Search(const QString &query) const;

    // Reads one page from its HTML text.
    static HelpPage Parse(const QString &file, const QString &html);

private:
    QList<HelpPage> m_pages;
};

} // namespace zentrel::shell
