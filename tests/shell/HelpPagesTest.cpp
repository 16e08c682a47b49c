#include "shell/HelpPages.h"
#include "controls/TabPageSets.h"
#include "shell/HelpTopics.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <gtest/gtest.h>

using namespace zentrel;
using namespace zentrel::shell;

namespace {

QString helpFolder() {
    return HelpTopics::Folder(test::ProgramFolder());
}

// The shipped pages, read once for all the tests.
const HelpPages &shipped() {
    static const HelpPages pages = [] {
        HelpPages p;
        p.Load(helpFolder(), HelpTopics::Pages());
        return p;
    }();
    return pages;
}

// Why a topic does not lead to a section with real text, or empty when it does.
QString fault(const HelpTopic &topic) {
    if (!topic.isValid())
        return QStringLiteral("no help");
    const HelpPage *page = shipped().page(topic.page);
    if (!page)
        return topic.page + QStringLiteral(" is not a shipped page");
    for (const HelpSection &s : page->sections)
        if (s.id == topic.section)
            return s.text.size() >= 120 ? QString() : topic.link() + QStringLiteral(" has hardly any text");
    return topic.link() + QStringLiteral(" has no such section");
}

} // namespace

TEST(HelpTopics, EveryTabOfEveryPageSetHasItsOwnSection) {
    // Both stages of the elective process show different tabs in one place of the strip.
    int tabs = 0;
    for (bool automatic : {false, true}) {
        controls::PageSetContext context;
        context.electivesAutomaticStage = automatic;
        for (int set = 0; set < controls::PageSet::SetCount; ++set)
            for (const controls::TabDef &tab : controls::PageSet::Build(set, context).tabs()) {
                ++tabs;
                EXPECT_EQ(fault(HelpTopics::ForTab(tab.id)), QString())
                    << "set " << set << ", tab " << tab.caption.toStdString();
            }
    }
    EXPECT_GE(tabs, 190);
    // Tabs of the same caption in different places have different sections.
    const controls::PageSet basic = controls::PageSet::Build(2);
    EXPECT_EQ(HelpTopics::ForTab(basic.find(QStringLiteral("Prostori"))).link(),
              QStringLiteral("osnovni-podatki.html#prostori"));
    EXPECT_EQ(HelpTopics::ForTab(basic.find(QStringLiteral("Prostori"), QStringLiteral("Skupine prostorov"))).link(),
              QStringLiteral("osnovni-podatki.html#skupine-prostorov"));
    EXPECT_EQ(HelpTopics::ForTab(controls::PageSet::Build(0).find(QStringLiteral("Prostori"))).link(),
              QStringLiteral("infrastruktura.html#prostori"));
    EXPECT_FALSE(HelpTopics::ForTab(-1).isValid());
    EXPECT_FALSE(HelpTopics::ForTab(10000).isValid());
}

TEST(HelpTopics, EveryWindowOutsideTheTabsHasItsSection) {
    const QList<WindowHelp> windows = HelpTopics::Windows();
    EXPECT_GE(windows.size(), 20);
    for (const WindowHelp &w : windows)
        EXPECT_EQ(fault(w.topic), QString()) << w.className.toStdString();
    EXPECT_EQ(HelpTopics::ForWindow(QStringLiteral("FVarnostneKopije")).link(),
              QStringLiteral("projekt.html#varnostne-kopije"));
    EXPECT_FALSE(HelpTopics::ForWindow(QStringLiteral("FGlavna")).isValid());
    EXPECT_EQ(fault({HelpTopics::Start().page, QStringLiteral("tipke")}), QString());
}

TEST(HelpPages, EveryPageIsListedTitledAndEveryLinkAndPictureExists) {
    // Every page of the folder is in the contents, and every page of the contents is shipped.
    const QStringList files = QDir(helpFolder()).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
    QStringList listed = HelpTopics::Pages();
    listed.sort();
    EXPECT_EQ(files, listed);
    ASSERT_EQ(shipped().pages().size(), HelpTopics::Pages().size());

    int links = 0;
    int pictures = 0;
    for (const HelpPage &page : shipped().pages()) {
        SCOPED_TRACE(page.file.toStdString());
        EXPECT_FALSE(page.title.isEmpty());
        EXPECT_FALSE(page.sections.isEmpty());
        EXPECT_EQ(page.ids.size(), QSet<QString>(page.ids.begin(), page.ids.end()).size()) << "an id twice";
        for (const QString &link : page.links) {
            if (link.startsWith(QLatin1String("http://")) || link.startsWith(QLatin1String("https://")))
                continue;
            ++links;
            const QUrl url(link);
            const QString file = url.path().isEmpty() ? page.file : url.path();
            if (!file.endsWith(QLatin1String(".html"))) { // the style sheet
                EXPECT_TRUE(QFileInfo(helpFolder() + u'/' + file).isFile()) << "missing file: " << link.toStdString();
                continue;
            }
            const HelpPage *target = shipped().page(file);
            ASSERT_TRUE(target) << "link to a missing page: " << link.toStdString();
            if (url.hasFragment()) {
                EXPECT_TRUE(target->ids.contains(url.fragment()))
                    << "link to a missing section: " << link.toStdString();
            }
        }
        for (const QString &src : page.images) {
            ++pictures;
            const QFileInfo picture(helpFolder() + u'/' + src);
            EXPECT_TRUE(picture.isFile()) << "missing picture: " << src.toStdString();
            EXPECT_LT(picture.size(), 400 * 1024) << src.toStdString();
        }
    }
    EXPECT_GT(links, 50);
    EXPECT_GT(pictures, 3);
}

TEST(HelpPages, PagesAreReadIntoSectionsAndSearchedWithoutCarons) {
    const QString html = QStringLiteral(
        "<html><head><title>Učitelji &amp; enote</title></head><body><h1>x</h1><p>Uvod o šoli.</p>"
        "<h2 id=\"prvi\">Prvi del</h2><p>Učitelj <b>uči</b> predmet.</p><a href=\"b.html#c\">b</a>"
        "<h2 id=\"drugi\">Drugi del</h2><p>Prostor in <img src=\"slike/p.png\"> predmet.</p></body></html>");
    const HelpPage page = HelpPages::Parse(QStringLiteral("a.html"), html);
    EXPECT_EQ(page.title, QStringLiteral("Učitelji & enote"));
    EXPECT_EQ(page.intro, QStringLiteral("x Uvod o šoli."));
    ASSERT_EQ(page.sections.size(), 2);
    EXPECT_EQ(page.sections[0].id, QStringLiteral("prvi"));
    EXPECT_EQ(page.sections[0].heading, QStringLiteral("Prvi del"));
    EXPECT_EQ(page.sections[0].text, QStringLiteral("Učitelj uči predmet. b"));
    EXPECT_EQ(page.sections[1].text, QStringLiteral("Prostor in predmet."));
    EXPECT_EQ(page.links, QStringList{QStringLiteral("b.html#c")});
    EXPECT_EQ(page.images, QStringList{QStringLiteral("slike/p.png")});

    test::TempFolder dir;
    QFile f(dir.file(QStringLiteral("a.html")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(html.toUtf8());
    f.close();
    HelpPages pages;
    pages.Load(dir.path(), {QStringLiteral("a.html"), QStringLiteral("manjka.html")});
    ASSERT_EQ(pages.pages().size(), 1);
    // Every word must be there; letter case and carons do not matter.
    QList<HelpHit> hits = pages.Search(QStringLiteral("UCITELJ predmet"));
    ASSERT_EQ(hits.size(), 1);
    EXPECT_EQ(hits[0].section, QStringLiteral("prvi"));
    EXPECT_EQ(hits[0].caption, QStringLiteral("Učitelji & enote – Prvi del"));
    EXPECT_EQ(hits[0].excerpt, QStringLiteral("Učitelj uči predmet. b"));
    hits = pages.Search(QStringLiteral("predmet"));
    ASSERT_EQ(hits.size(), 2);
    EXPECT_EQ(hits[1].section, QStringLiteral("drugi"));
    hits = pages.Search(QStringLiteral("soli"));
    ASSERT_EQ(hits.size(), 1);
    EXPECT_EQ(hits[0].section, QString());
    EXPECT_TRUE(pages.Search(QStringLiteral("predmet urnik")).isEmpty());
    EXPECT_TRUE(pages.Search(QStringLiteral("  ")).isEmpty());

    // The shipped pages answer the questions a new user asks.
    hits = shipped().Search(QStringLiteral("nerazporejene ure"));
    EXPECT_FALSE(hits.isEmpty());
    bool why = false;
    for (const HelpHit &h : shipped().Search(QStringLiteral("zaseden")))
        why = why || h.file == QLatin1String("zakaj-ura-ni-razporejena.html");
    EXPECT_TRUE(why);
}
