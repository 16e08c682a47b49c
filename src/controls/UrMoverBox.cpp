#include "UrMoverBox.h"

#include "UrFonts.h"
#include "core/TextFunctions.h"
#include "db/MBaza.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace zentrel::controls {

namespace {

constexpr int IdRole = Qt::UserRole + 1;

// The lists sort themselves; in the same order as the grids, which the database sorts.
class Item : public QListWidgetItem {
public:
    Item(const QString &text, qint64 id) : QListWidgetItem(text) { setData(IdRole, id); }
    bool operator<(const QListWidgetItem &other) const override {
        return core::CompareSlovenian(text(), other.text()) < 0;
    }
};

// The buttons are reached with Tab and pressed with the space bar; the one with the focus is
// framed, as the style alone does not always mark it.
QToolButton *makeButton(QWidget *parent, const QString &text) {
    auto *b = new QToolButton(parent);
    b->setText(text);
    b->setFocusPolicy(Qt::TabFocus);
    b->setStyleSheet(QStringLiteral("QToolButton:focus { border: 2px solid #2060c0; border-radius: 2px; }"));
    return b;
}

// The entries at the same rows as before, where the lists still reach them.
void keepRow(QListWidget *list, int row) {
    if (row >= 0 && list->count() > 0)
        list->setCurrentRow(std::min(row, list->count() - 1));
}

} // namespace

UrMoverBox::UrMoverBox(QWidget *parent)
    : QWidget(parent), m_captionLeft(new QLabel(this)), m_captionRight(new QLabel(this)),
      m_leftList(new QListWidget(this)), m_rightList(new QListWidget(this)),
      m_toRight(makeButton(this, QStringLiteral(">"))), m_allRight(makeButton(this, QStringLiteral(">>"))),
      m_toLeft(makeButton(this, QStringLiteral("<"))), m_allLeft(makeButton(this, QStringLiteral("<<"))),
      m_total(new QLabel(this)) {
    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_captionLeft, 0, 0);
    layout->addWidget(m_captionRight, 0, 2);
    layout->addWidget(m_leftList, 1, 0);
    auto *buttons = new QVBoxLayout;
    buttons->addStretch(1);
    for (QToolButton *b : {m_toRight, m_allRight, m_toLeft, m_allLeft})
        buttons->addWidget(b);
    buttons->addStretch(1);
    layout->addLayout(buttons, 1, 1);
    layout->addWidget(m_rightList, 1, 2);
    layout->addWidget(m_total, 2, 2);
    m_leftList->setSortingEnabled(true);
    m_rightList->setSortingEnabled(true);

    connect(m_toRight, &QToolButton::clicked, this, [this] {
        if (QListWidgetItem *item = m_leftList->currentItem())
            MoveRight(item->data(IdRole).toLongLong());
    });
    connect(m_toLeft, &QToolButton::clicked, this, [this] {
        if (QListWidgetItem *item = m_rightList->currentItem())
            MoveLeft(item->data(IdRole).toLongLong());
    });
    connect(m_allRight, &QToolButton::clicked, this, &UrMoverBox::MoveAllRight);
    connect(m_allLeft, &QToolButton::clicked, this, &UrMoverBox::MoveAllLeft);
    m_leftList->installEventFilter(this);
    m_rightList->installEventFilter(this);
    connect(m_leftList, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem *item) { MoveRight(item->data(IdRole).toLongLong()); });
    connect(m_rightList, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem *item) { MoveLeft(item->data(IdRole).toLongLong()); });
    NapisiStevilo();
    updateButtons();
}

bool UrMoverBox::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() != QEvent::KeyPress || (watched != m_leftList && watched != m_rightList))
        return QWidget::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    const bool left = watched == m_leftList;
    if (key->modifiers() != Qt::NoModifier ||
        (key->key() != Qt::Key_Space && key->key() != (left ? Qt::Key_Right : Qt::Key_Left)))
        return QWidget::eventFilter(watched, event);
    if (QListWidgetItem *item = (left ? m_leftList : m_rightList)->currentItem()) {
        const qint64 id = item->data(IdRole).toLongLong();
        if (left)
            MoveRight(id);
        else
            MoveLeft(id);
    }
    return true;
}

void UrMoverBox::SetMoveAllAllowed(bool on) {
    m_moveAll = on;
    updateButtons();
}

void UrMoverBox::SetConstantList(bool on) {
    m_constant = on;
    updateButtons();
}

void UrMoverBox::SetSmallFont(bool on) {
    m_smallFont = on;
    const QFont f = FontOfType(on ? 2 : 0);
    m_leftList->setFont(f);
    m_rightList->setFont(f);
}

void UrMoverBox::SetCaptions(const QString &left, const QString &right) {
    m_captionLeft->setText(left);
    m_captionRight->setText(right);
}

void UrMoverBox::FillIDLIsts() {
    // A window that fills the lists anew in answer to a move keeps the next entry chosen, as a
    // plain move does.
    const int leftRow = m_moving ? m_leftList->currentRow() : -1;
    const int rightRow = m_moving ? m_rightList->currentRow() : -1;
    m_leftList->clear();
    m_rightList->clear();
    QList<qint64> chosen;
    for (int r = 0; r < m_right.rowCount(); ++r) {
        const qint64 id = m_right.integer(r, m_idField);
        chosen << id;
        m_rightList->addItem(new Item(db::FieldText(m_right, r, m_fieldRight), id));
    }
    for (int r = 0; r < m_left.rowCount(); ++r) {
        const qint64 id = m_left.integer(r, m_idField);
        if (chosen.contains(id))
            continue;
        m_leftList->addItem(new Item(db::FieldText(m_left, r, m_fieldLeft), id));
    }
    m_changes.reset(chosen);
    keepRow(m_leftList, leftRow);
    keepRow(m_rightList, rightRow);
    NapisiStevilo();
}

QList<qint64> UrMoverBox::GetList() const {
    QList<qint64> out;
    for (int i = 0; i < m_rightList->count(); ++i)
        out << m_rightList->item(i)->data(IdRole).toLongLong();
    return out;
}

int UrMoverBox::ListCount() const {
    return m_rightList->count();
}

qint64 UrMoverBox::CurrentId() const {
    const QListWidgetItem *item = m_rightList->currentItem();
    return item ? item->data(IdRole).toLongLong() : -1;
}

void UrMoverBox::NapisiStevilo() {
    m_total->setText(QStringLiteral("Skupaj: ") + QString::number(ListCount()));
}

QListWidgetItem *UrMoverBox::itemOf(QListWidget *list, qint64 id) {
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->data(IdRole).toLongLong() == id)
            return list->item(i);
    return nullptr;
}

void UrMoverBox::moveItem(QListWidget *from, QListWidget *to, QListWidgetItem *item) {
    const int row = from->row(item);
    from->takeItem(row);
    to->addItem(item);
    // The entry after the one moved becomes current: the next press moves it.
    keepRow(from, row);
}

void UrMoverBox::changed() {
    NapisiStevilo();
    noteUserChange();
    m_moving = true;
    emit Changed();
    m_moving = false;
}

bool UrMoverBox::MoveRight(qint64 id) {
    QListWidgetItem *item = itemOf(m_leftList, id);
    if (Locked() || m_constant || !item)
        return false;
    moveItem(m_leftList, m_rightList, item);
    m_changes.add(id);
    changed();
    return true;
}

bool UrMoverBox::MoveLeft(qint64 id) {
    QListWidgetItem *item = itemOf(m_rightList, id);
    if (Locked() || m_constant || !item)
        return false;
    moveItem(m_rightList, m_leftList, item);
    m_changes.remove(id);
    changed();
    return true;
}

void UrMoverBox::MoveAllRight() {
    if (!m_moveAll)
        return;
    while (m_leftList->count() > 0 && MoveRight(m_leftList->item(0)->data(IdRole).toLongLong())) {
    }
}

void UrMoverBox::MoveAllLeft() {
    if (!m_moveAll)
        return;
    while (m_rightList->count() > 0 && MoveLeft(m_rightList->item(0)->data(IdRole).toLongLong())) {
    }
}

bool UrMoverBox::ZapisiVBazo(const QVariantList &ownerValues, const QString &columns, const QString &table,
                             db::Connection *connection) {
    db::Connection &c = connection ? *connection : db::ProjectDb();
    if (!m_changes.ZapisiVBazo(ownerValues, columns, table, c))
        return false;
    m_changes.reset(GetList());
    return true;
}

QWidget *UrMoverBox::focusTarget() {
    return m_leftList;
}

void UrMoverBox::applyLocked(bool) {
    updateButtons();
}

void UrMoverBox::updateButtons() {
    const bool movable = !Locked() && !m_constant;
    m_toRight->setEnabled(movable);
    m_toLeft->setEnabled(movable);
    m_allRight->setEnabled(movable && m_moveAll);
    m_allLeft->setEnabled(movable && m_moveAll);
    m_allRight->setVisible(m_moveAll);
    m_allLeft->setVisible(m_moveAll);
}

} // namespace zentrel::controls
