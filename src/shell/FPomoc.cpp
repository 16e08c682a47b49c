#include "FPomoc.h"

#include "IniFile.h"
#include "SettingsFile.h"
#include "core/AppState.h"
#include "core/Messages.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace zentrel::shell {

namespace {
constexpr int LinkRole = Qt::UserRole;
const QString kGeometrySection = QStringLiteral("[help window]");
} // namespace

FPomoc::FPomoc(QWidget *parent)
    : QWidget(parent, Qt::Window), m_browser(new QTextBrowser(this)), m_contents(new QTreeWidget(this)),
      m_hits(new QListWidget(this)), m_search(new QLineEdit(this)), m_back(new QToolButton(this)),
      m_forward(new QToolButton(this)) {
    setObjectName(QStringLiteral("FPomoc"));
    setWindowTitle(QStringLiteral("Zentrel - Pomoč"));
    m_browser->setObjectName(QStringLiteral("StranTB"));
    m_browser->setOpenExternalLinks(true);
    m_contents->setObjectName(QStringLiteral("VsebinaTW"));
    m_contents->setHeaderHidden(true);
    m_hits->setObjectName(QStringLiteral("ZadetkiLW"));
    m_hits->setWordWrap(true);
    m_hits->hide();
    m_search->setObjectName(QStringLiteral("IskanjeE"));
    m_search->setPlaceholderText(QStringLiteral("Iskanje po vseh straneh"));
    m_search->setClearButtonEnabled(true);
    m_back->setText(QStringLiteral("◀ Nazaj"));
    m_back->setToolTip(QStringLiteral("Tipka Alt+Levo: prejšnja stran"));
    m_back->setEnabled(false);
    m_forward->setText(QStringLiteral("Naprej ▶"));
    m_forward->setToolTip(QStringLiteral("Tipka Alt+Desno: naslednja stran"));
    m_forward->setEnabled(false);
    auto *start = new QToolButton(this);
    start->setText(QStringLiteral("Vsebina"));
    start->setToolTip(QStringLiteral("Prva stran pomoči"));

    auto *bar = new QHBoxLayout;
    bar->addWidget(m_back);
    bar->addWidget(m_forward);
    bar->addWidget(start);
    bar->addStretch();
    bar->addWidget(m_search, 1);
    auto *left = new QWidget(this);
    auto *leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(m_hits);
    leftLayout->addWidget(m_contents);
    auto *split = new QSplitter(this);
    split->addWidget(left);
    split->addWidget(m_browser);
    split->setStretchFactor(1, 3);
    split->setSizes({240, 620});
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(bar);
    layout->addWidget(split, 1);

    connect(m_back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(start, &QToolButton::clicked, this, [this] { ShowTopic(HelpTopics::Start()); });
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QToolButton::setEnabled);
    connect(m_search, &QLineEdit::returnPressed, this, [this] { Search(m_search->text()); });
    connect(m_search, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (text.trimmed().isEmpty())
            Search(QString());
    });
    auto follow = [this](const QVariant &link) {
        if (link.isValid())
            openLink(link.toString());
    };
    connect(m_contents, &QTreeWidget::itemActivated, this,
            [follow](QTreeWidgetItem *item) { follow(item->data(0, LinkRole)); });
    connect(m_contents, &QTreeWidget::itemClicked, this,
            [follow](QTreeWidgetItem *item) { follow(item->data(0, LinkRole)); });
    connect(m_hits, &QListWidget::itemActivated, this,
            [follow](QListWidgetItem *item) { follow(item->data(LinkRole)); });
    connect(m_hits, &QListWidget::itemClicked, this, [follow](QListWidgetItem *item) { follow(item->data(LinkRole)); });

    for (const QKeySequence &key : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)})
        connect(new QShortcut(key, this), &QShortcut::activated, this, &QWidget::close);
    connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Left), this), &QShortcut::activated, m_browser,
            &QTextBrowser::backward);
    connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Right), this), &QShortcut::activated, m_browser,
            &QTextBrowser::forward);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), this), &QShortcut::activated, this, [this] {
        m_search->setFocus();
        m_search->selectAll();
    });

    m_folder = HelpTopics::Folder(core::App().folders.program);
    loadPages();
    resize(900, 680);
}

void FPomoc::loadPages() {
    m_pages.Load(m_folder, HelpTopics::Pages());
    m_browser->setSearchPaths({m_folder});
    fillContents();
}

void FPomoc::fillContents() {
    m_contents->clear();
    for (const HelpPage &page : m_pages.pages()) {
        auto *item = new QTreeWidgetItem(m_contents, {page.title});
        item->setData(0, LinkRole, page.file);
        for (const HelpSection &s : page.sections) {
            auto *child = new QTreeWidgetItem(item, {s.heading});
            child->setData(0, LinkRole, page.file + u'#' + s.id);
        }
    }
}

void FPomoc::openLink(const QString &link) {
    const qsizetype hash = link.indexOf(u'#');
    ShowTopic({hash < 0 ? link : link.left(hash), hash < 0 ? QString() : link.mid(hash + 1)});
}

bool FPomoc::ShowTopic(const HelpTopic &topic) {
    const QString path = m_folder + u'/' + topic.page;
    if (!QFileInfo::exists(path)) {
        core::ShowMessage(core::MsgWarning, QStringLiteral("Ni datoteke #."), path);
        return false;
    }
    QUrl url = QUrl::fromLocalFile(path);
    if (!topic.section.isEmpty())
        url.setFragment(topic.section);
    m_browser->setSource(url);
    show();
    raise();
    activateWindow();
    return true;
}

HelpTopic FPomoc::CurrentTopic() const {
    const QUrl url = m_browser->source();
    return {QFileInfo(url.toLocalFile()).fileName(), url.fragment()};
}

void FPomoc::Search(const QString &text) {
    m_hits->clear();
    if (text.trimmed().isEmpty()) {
        m_hits->hide();
        return;
    }
    const QList<HelpHit> hits = m_pages.Search(text);
    if (hits.isEmpty()) {
        auto *none = new QListWidgetItem(QStringLiteral("Ni zadetkov."), m_hits);
        none->setFlags(Qt::NoItemFlags);
    }
    for (const HelpHit &hit : hits) {
        auto *item = new QListWidgetItem(hit.caption + u'\n' + hit.excerpt, m_hits);
        item->setData(LinkRole, hit.section.isEmpty() ? hit.file : hit.file + u'#' + hit.section);
    }
    m_hits->show();
}

void FPomoc::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    if (m_placed)
        return;
    m_placed = true;
    const QRect stored = WindowGeometry(ReadIniSection(core::App().folders.settingsFile(), kGeometrySection));
    if (stored.isValid())
        setGeometry(stored);
    fitScreen();
}

// A size remembered on a larger screen, or a place off the screen, must not hide part of the
// window: it is made smaller and moved inside the screen it opens on.
void FPomoc::fitScreen() {
    const QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!s)
        return;
    const QRect available = s->availableGeometry();
    const QRect frame = frameGeometry();
    const QSize frameExtra = frame.size() - geometry().size();
    QSize size = geometry().size().boundedTo(available.size() - frameExtra);
    resize(size);
    QPoint topLeft = frame.topLeft();
    const QSize outer = size + frameExtra;
    topLeft.setX(std::clamp(topLeft.x(), available.left(), available.right() + 1 - outer.width()));
    topLeft.setY(std::clamp(topLeft.y(), available.top(), available.bottom() + 1 - outer.height()));
    move(topLeft);
}

// Kept in the settings file when the window closes, so that it opens as it was left even after
// the program ended without closing it.
void FPomoc::rememberGeometry() {
    const QRect g = geometry();
    WriteIniSection(
        core::App().folders.settingsFile(), kGeometrySection,
        {QString::number(g.x()), QString::number(g.y()), QString::number(g.width()), QString::number(g.height())});
}

void FPomoc::closeEvent(QCloseEvent *event) {
    if (m_placed)
        rememberGeometry();
    QWidget::closeEvent(event);
}

} // namespace zentrel::shell
