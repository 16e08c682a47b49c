#include "FSporocilo.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace zentrel::shell {

using namespace core;

namespace {

const QString kCaption = QStringLiteral("Zentrel");
// Room beside the text: the icon, the layout margins and the spacing between them.
constexpr int kTextMarginPx = 90;

int twipsToPixels(const QWidget *w, int twips) {
    return twips * w->logicalDpiX() / 1440;
}

QPushButton *makeKeyButton(const QString &keyCaption, const QString &caption, QWidget *parent) {
    auto *b = new QPushButton(keyCaption + QStringLiteral("  ") + caption, parent);
    b->setToolTip(QStringLiteral("Tipka ") + keyCaption);
    b->setAutoDefault(false);
    b->setMinimumWidth(90);
    return b;
}

QStyle::StandardPixmap pixmapOf(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Exclamation:
        return QStyle::SP_MessageBoxWarning;
    case MessageIcon::Stop:
        return QStyle::SP_MessageBoxCritical;
    default:
        return QStyle::SP_MessageBoxInformation;
    }
}

// A long operation may have switched the hourglass on; a message must be answerable.
void restoreNormalCursor() {
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

} // namespace

FSporocilo::FSporocilo(QWidget *parent) : QDialog(parent) {
    setWindowTitle(kCaption);
    setModal(true);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    m_icon = new QLabel(this);
    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("SporociloL"));
    m_text->setWordWrap(true);
    m_text->setTextFormat(Qt::PlainText);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_confirm = makeKeyButton(QStringLiteral("Enter"), QStringLiteral("V redu"), this);
    m_confirm->setObjectName(QStringLiteral("PotrdiB"));
    m_no = makeKeyButton(QStringLiteral("Esc"), QStringLiteral("Ne"), this);
    m_no->setObjectName(QStringLiteral("NeB"));
    connect(m_confirm, &QPushButton::clicked, this, [this] { answer(m_question ? Answer::Yes : Answer::Ok); });
    connect(m_no, &QPushButton::clicked, this, [this] { answer(Answer::No); });

    auto *top = new QHBoxLayout;
    top->addWidget(m_icon, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addWidget(m_text, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_confirm);
    buttons->addWidget(m_no);
    buttons->addStretch(1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

int FSporocilo::minimumWidthPixels() const {
    return twipsToPixels(this, MinWidthTwips);
}
int FSporocilo::maximumWidthPixels() const {
    return twipsToPixels(this, MaxWidthTwips);
}

void FSporocilo::Init(const Message &message) {
    m_question = message.kind == MsgQuestion;
    m_answer = Answer::None;
    const int side = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    m_icon->setPixmap(style()->standardIcon(pixmapOf(message.icon), nullptr, this).pixmap(side, side));
    m_confirm->setText(QStringLiteral("Enter  ") + (m_question ? QStringLiteral("Da") : QStringLiteral("V redu")));
    m_no->setVisible(m_question);
    // A question's default answer is No: the focus starts there, Enter still means "Da".
    (m_question ? m_no : m_confirm)->setFocus();
    SetText(message.text);
}

void FSporocilo::SetText(const QString &text) {
    m_text->setText(text);
    const QFontMetrics fm(m_text->font());
    int textWidth = 0;
    for (const QString &line : text.split(u'\n'))
        textWidth = std::max(textWidth, fm.horizontalAdvance(line));
    const int windowWidth = std::clamp(textWidth + kTextMarginPx, minimumWidthPixels(), maximumWidthPixels());
    m_text->setFixedWidth(windowWidth - kTextMarginPx);
    adjustSize();
    // The margin is an estimate of the room beside the text; correct it by what the layout made.
    if (const int diff = windowWidth - width(); diff != 0) {
        m_text->setFixedWidth(m_text->width() + diff);
        adjustSize();
    }
}

QString FSporocilo::text() const {
    return m_text->text();
}

Answer FSporocilo::Odgovor() {
    exec();
    if (m_answer == Answer::None)
        m_answer = m_question ? Answer::No : Answer::Ok;
    return m_answer;
}

void FSporocilo::answer(Answer a) {
    m_answer = a;
    accept();
}

void FSporocilo::keyPressEvent(QKeyEvent *event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_confirm->click();
        return;
    case Qt::Key_Escape:
        if (m_question)
            m_no->click();
        else
            m_confirm->click();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

// Closing the window by its title bar answers as Esc does.
void FSporocilo::reject() {
    if (m_answer == Answer::None)
        m_answer = m_question ? Answer::No : Answer::Ok;
    QDialog::reject();
}

FNapredek::FNapredek(QWidget *parent) : QDialog(parent) {
    setWindowTitle(kCaption);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(false);
    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("NapredekL"));
    m_text->setTextFormat(Qt::PlainText);
    m_text->setAlignment(Qt::AlignCenter);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->addWidget(m_text);
}

void FNapredek::setMessage(const QString &text) {
    m_text->setText(text + QStringLiteral(" ..."));
    const int minWidth = 3000 * logicalDpiX() / 1440;
    setMinimumWidth(minWidth);
    adjustSize();
}

QString FNapredek::text() const {
    return m_text->text();
}

void FNapredek::closeEvent(QCloseEvent *event) {
    event->ignore();
}

DialogPresenter::DialogPresenter(QWidget *parent) : m_parent(parent) {}

DialogPresenter::~DialogPresenter() {
    delete m_progress.data();
}

Answer DialogPresenter::showDialog(const Message &message) {
    FSporocilo dialog(m_parent);
    dialog.Init(message);
    return dialog.Odgovor();
}

Answer DialogPresenter::present(const Message &message) {
    restoreNormalCursor();
    switch (message.kind) {
    case MsgProgressBegin:
        if (!m_progress)
            m_progress = new FNapredek(m_parent);
        m_progress->setMessage(message.text);
        m_progress->show();
        m_progress->raise();
        // The work that follows runs on this thread: let the window paint first.
        QCoreApplication::processEvents();
        return Answer::None;
    case MsgProgressEnd: {
        delete m_progress.data();
        if (message.text.isEmpty())
            return Answer::None;
        Message final = message;
        final.icon = MessageIcon::Information;
        return showDialog(final);
    }
    case MsgStatus:
    case MsgStatusWarning: {
        const bool hide = message.hidesProgress && m_progress && m_progress->isVisible();
        if (hide)
            m_progress->hide();
        if (m_statusSink)
            m_statusSink(message.text, message.kind == MsgStatusWarning);
        if (hide)
            m_progress->show();
        return Answer::None;
    }
    default:
        break;
    }
    if (message.beep)
        QApplication::beep();
    const bool hide = message.hidesProgress && m_progress && m_progress->isVisible();
    if (hide)
        m_progress->hide();
    const Answer a = showDialog(message);
    if (hide && m_progress) {
        m_progress->show();
        m_progress->raise();
    }
    return a;
}

} // namespace zentrel::shell
