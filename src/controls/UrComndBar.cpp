#include "UrComndBar.h"

#include "UrComndBarClient.h"
#include "UrFrame.h"
#include "UrStatusLine.h"
#include "UrTipka.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace zentrel::controls {

namespace {

UrComndBar *g_bar = nullptr;

const QColor kActive(0xe8, 0xf0, 0xff);
const QColor kInactive(0xe0, 0xe0, 0xe0);

} // namespace

UrComndBar::UrComndBar(QWidget *parent) : QWidget(parent), m_status(new UrStatusLine(this)) {
    setObjectName(QStringLiteral("CommandBar"));
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(2, 2, 2, 2);
    auto *row = new QHBoxLayout;
    for (int i = 0; i < CommandBarState::ButtonCount; ++i) {
        auto *b = new UrTipka(this);
        b->setObjectName(QStringLiteral("Button%1").arg(i));
        b->hide();
        connect(b, &UrTipka::clicked, this, [this, i] { clickButton(i); });
        m_buttons << b;
        row->addWidget(b);
    }
    row->addStretch(1);
    // The product name is written once, raised: its three labels (shadow, light, text) lie one
    // over the other, each a pixel apart, not side by side.
    auto *productName = new QWidget(this);
    auto *stack = new QGridLayout(productName);
    stack->setContentsMargins(0, 0, 0, 0);
    const struct {
        QColor colour;
        QMargins shift;
    } layers[] = {{QColor(0x80, 0x80, 0x80), QMargins(2, 2, 0, 0)},
                  {QColor(Qt::white), QMargins(0, 0, 2, 2)},
                  {QColor(0x20, 0x40, 0x80), QMargins(1, 1, 1, 1)}};
    for (const auto &layer : layers) {
        auto *l = new QLabel(QStringLiteral("Zentrel"), productName);
        l->setObjectName(QStringLiteral("ProductName"));
        QFont f = l->font();
        f.setBold(true);
        f.setItalic(true);
        l->setFont(f);
        l->setContentsMargins(layer.shift);
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, layer.colour);
        l->setPalette(p);
        m_productLabels << l;
        stack->addWidget(l, 0, 0);
    }
    row->addWidget(productName);
    outer->addLayout(row);
    outer->addWidget(m_status);
    m_state.setStatusIndicator(m_status);
    m_state.setChangeListener([this] { render(); });
    g_bar = this;
    render();
}

UrComndBar::~UrComndBar() {
    m_state.setChangeListener({});
    m_state.setStatusIndicator(nullptr);
    if (g_bar == this)
        g_bar = nullptr;
}

UrComndBar *UrComndBar::CommandBar() {
    return g_bar;
}

void UrComndBar::Init(UrComndBarClient *client, UrFrame *container, const QList<InitParam> &params) {
    m_client = client;
    m_frame = container;
    m_status->Clear();
    m_state.Init(client, container, params);
    show();
    raise();
}

UrComndBarClient *UrComndBar::client() const {
    return m_client;
}

UrTipka *UrComndBar::Button(int index) const {
    return index >= 0 && index < m_buttons.size() ? m_buttons.at(index) : nullptr;
}

UrTipka *UrComndBar::ButtonOfRow(int row) const {
    return Button(m_state.positionOfRow(row));
}

bool UrComndBar::ProductNameShown() const {
    return m_state.usedButtonCount() < 8;
}

void UrComndBar::render() {
    const auto &buttons = m_state.buttons();
    for (int i = 0; i < m_buttons.size(); ++i) {
        UrTipka *b = m_buttons.at(i);
        const CommandDef *def = i < m_state.usedButtonCount() ? CommandRow(buttons[i].row) : nullptr;
        if (!def) {
            b->hide();
            continue;
        }
        b->SetKeyCode(def->keyCode);
        b->SetKeyCaption(def->keyCaption);
        b->SetCaption(def->caption);
        b->SetAction(def->action);
        b->setEnabled(buttons[i].enabled);
        b->SetValue(buttons[i].pressed);
        b->SetBackColor(buttons[i].enabled ? kActive : kInactive);
        b->show();
    }
    m_productLabels.front()->parentWidget()->setVisible(ProductNameShown());
}

bool UrComndBar::validateField() {
    const int s = m_state.State();
    if (!m_frame || (s != BarState::Edit && s != BarState::Add))
        return true;
    return m_frame->ValidateCurrent();
}

void UrComndBar::clickButton(int position) {
    // The field being left validates first; a refusal stops the command.
    const int row = m_state.buttons()[position].row;
    if (row < 0)
        return;
    if (isCancelCommand(CommandRow(row)->command) || validateField())
        m_state.ClickButton(position);
    render();
}

// Undo and cancel discard the input, so they need no valid field first.
bool UrComndBar::isCancelCommand(int command) {
    return command == Commands::Undo || command == 12 || command == 29;
}

bool UrComndBar::isBarKey(int key) const {
    if (!m_state.client())
        return false;
    if (key == Keys::PgUp || key == Keys::PgDn || key == Keys::Enter)
        return true;
    for (int i = 0; i < m_state.usedButtonCount(); ++i)
        if (CommandRow(m_state.buttons()[i].row)->keyCode == key)
            return !isCancelCommand(CommandRow(m_state.buttons()[i].row)->command);
    return false;
}

bool UrComndBar::ProcessKey(int &keyCode, int shift) {
    if (keyCode == 0)
        return false;
    // The field being left validates first; a refusal swallows the key and keeps the focus.
    if (keyCode != Keys::Esc && isBarKey(keyCode) && !validateField()) {
        keyCode = 0;
        return true;
    }
    return m_state.ProcessKey(keyCode, shift);
}

bool UrComndBar::ProcessKeyEvent(QKeyEvent *event) {
    int key = VirtualKeyOfQtKey(event->key());
    if (key == 0)
        return false;
    int shift = 0;
    if (event->modifiers() & Qt::ShiftModifier)
        shift |= ShiftBits::Shift;
    if (event->modifiers() & Qt::ControlModifier)
        shift |= ShiftBits::Ctrl;
    if (event->modifiers() & Qt::AltModifier)
        shift |= ShiftBits::Alt;
    const bool consumed = ProcessKey(key, shift);
    if (consumed)
        event->accept();
    return consumed;
}

} // namespace zentrel::controls
