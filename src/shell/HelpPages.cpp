#include "HelpPages.h"

#include <QFile>
#include <QRegularExpression>

namespace zentrel::shell {

namespace {

// Text of an HTML piece: tags dropped, the few entities the pages use resolved, blanks folded.
QString plainText(QString html) {
    static const QRegularExpression tags(QStringLiteral("<[^>]*>"));
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    html.replace(tags, QStringLiteral(" "));
    html.replace(QStringLiteral("&nbsp;"), QStringLiteral(" "));
    html.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    html.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    html.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    html.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return html.replace(blanks, QStringLiteral(" ")).trimmed();
}

QStringList attributeValues(const QString &html, const QString &attribute) {
    const QRegularExpression re(QStringLiteral("\\b") + attribute + QStringLiteral("\\s*=\\s*\"([^\"]*)\""));
    QStringList out;
    for (auto it = re.globalMatch(html); it.hasNext();)
        out << it.next().captured(1);
    return out;
}

// Lower case without carons, so that "ucitelj" finds "Učitelj".
QString folded(const QString &text) {
    QString out = text.toLower();
    out.replace(u'č', u'c').replace(u'š', u's').replace(u'ž', u'z').replace(u'ć', u'c').replace(u'đ', u'd');
    return out;
}

bool holdsAll(const QString &foldedText, const QStringList &words) {
    for (const QString &w : words)
        if (!foldedText.contains(w))
            return false;
    return !words.isEmpty();
}

QString excerptAround(const QString &text, const QString &word) {
    const int at = std::max(0, int(folded(text).indexOf(word)));
    const int from = std::max(0, at - 60);
    QString piece = text.mid(from, 160).trimmed();
    if (from > 0)
        piece.prepend(QStringLiteral("… "));
    if (from + 160 < text.size())
        piece.append(QStringLiteral(" …"));
    return piece;
}

} // namespace

HelpPage HelpPages::Parse(const QString &file, const QString &html) {
    HelpPage page;
    page.file = file;
    static const QRegularExpression title(QStringLiteral("<title>(.*?)</title>"),
                                          QRegularExpression::DotMatchesEverythingOption);
    page.title = plainText(title.match(html).captured(1));
    page.ids = attributeValues(html, QStringLiteral("id")) + attributeValues(html, QStringLiteral("name"));
    page.links = attributeValues(html, QStringLiteral("href"));
    page.images = attributeValues(html, QStringLiteral("src"));

    static const QRegularExpression body(QStringLiteral("<body[^>]*>(.*)</body>"),
                                         QRegularExpression::DotMatchesEverythingOption);
    const QString content = body.match(html).hasMatch() ? body.match(html).captured(1) : html;
    static const QRegularExpression heading(QStringLiteral("<h2\\s+id=\"([^\"]+)\"[^>]*>(.*?)</h2>"),
                                            QRegularExpression::DotMatchesEverythingOption);
    int last = 0;
    HelpSection *open = nullptr;
    for (auto it = heading.globalMatch(content); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QString before = plainText(content.mid(last, m.capturedStart() - last));
        if (open)
            open->text = before;
        else
            page.intro = before;
        page.sections << HelpSection{m.captured(1), plainText(m.captured(2)), QString()};
        open = &page.sections.last();
        last = int(m.capturedEnd());
    }
    const QString rest = plainText(content.mid(last));
    if (open)
        open->text = rest;
    else
        page.intro = rest;
    return page;
}

void HelpPages::Load(const QString &folder, const QStringList &files) {
    m_pages.clear();
    for (const QString &name : files) {
        QFile f(folder + u'/' + name);
        if (!f.open(QIODevice::ReadOnly))
            continue;
        m_pages << Parse(name, QString::fromUtf8(f.readAll()));
    }
}

const HelpPage *HelpPages::page(const QString &file) const {
    for (const HelpPage &p : m_pages)
        if (p.file == file)
            return &p;
    return nullptr;
}

QList<HelpHit> HelpPages::Search(const QString &query) const {
    const QStringList words = folded(query).split(u' ', Qt::SkipEmptyParts);
    QList<HelpHit> hits;
    if (words.isEmpty())
        return hits;
    for (const HelpPage &p : m_pages) {
        if (holdsAll(folded(p.title + u' ' + p.intro), words))
            hits << HelpHit{p.file, QString(), p.title, excerptAround(p.intro, words.first())};
        for (const HelpSection &s : p.sections)
            if (holdsAll(folded(s.heading + u' ' + s.text), words))
                hits << HelpHit{p.file, s.id, p.title + QStringLiteral(" – ") + s.heading,
                                excerptAround(s.text, words.first())};
    }
    return hits;
}

} // namespace zentrel::shell
