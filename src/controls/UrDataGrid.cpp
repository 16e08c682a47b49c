#include "UrDataGrid.h"

#include "RecordSearch.h"
#include "UrComndBar.h"
#include "core/Messages.h"
#include "db/MBaza.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace zentrel::controls {

namespace {

// The inner table: clicks and arrow keys become moves of the grid, so that the command bar is
// asked before the current record changes; the view never changes the selection by itself.
class GridView : public QTableView {
public:
    explicit GridView(UrDataGrid *grid) : QTableView(grid), m_grid(grid) {}

protected:
    void mousePressEvent(QMouseEvent *event) override {
        setFocus(Qt::MouseFocusReason);
        const int row = rowAt(int(event->position().y()));
        if (row >= 0)
            m_grid->userClickedRow(row);
        event->accept();
    }
    void mouseMoveEvent(QMouseEvent *event) override { event->accept(); }
    void keyPressEvent(QKeyEvent *event) override {
        const bool ctrl = event->modifiers() & Qt::ControlModifier;
        switch (event->key()) {
        case Qt::Key_Down:
            m_grid->Move(MoveDirection::Next);
            break;
        case Qt::Key_Up:
            m_grid->Move(MoveDirection::Previous);
            break;
        case Qt::Key_Home:
            m_grid->Move(MoveDirection::First);
            break;
        case Qt::Key_End:
            m_grid->Move(MoveDirection::Last);
            break;
        case Qt::Key_PageDown:
            m_grid->Move(ctrl ? MoveDirection::Last : MoveDirection::Next);
            break;
        case Qt::Key_PageUp:
            m_grid->Move(ctrl ? MoveDirection::First : MoveDirection::Previous);
            break;
        default:
            if (!event->text().isEmpty() && event->text().at(0).isPrint() && !ctrl) {
                m_grid->FindPrefixByUser(event->text());
                break;
            }
            QTableView::keyPressEvent(event);
            return;
        }
        event->accept();
    }

private:
    UrDataGrid *m_grid;
};

const char *const kTips[2][4] = {
    {"Tipka Ctrl+PgUp", "Tipka PgUp", "Tipka PgDn", "Tipka Ctrl+PgDn"},
    {"Tipka Ctrl+Shift+PgUp", "Tipka Shift+PgUp", "Tipka Shift+PgDn", "Tipka Ctrl+Shift+PgDn"},
};
const int kNavigatorDirections[4] = {MoveDirection::First, MoveDirection::Previous, MoveDirection::Next,
                                     MoveDirection::Last};

} // namespace

UrDataGrid::UrDataGrid(QWidget *parent) : QWidget(parent), m_caption(new QLabel(this)), m_view(new GridView(this)) {
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    m_caption->hide();
    layout->addWidget(m_caption);
    m_view->setModel(&m_model);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->verticalHeader()->hide();
    m_view->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(m_view, 1);
    auto *nav = new QHBoxLayout;
    const char *const symbols[4] = {"|<", "<", ">", ">|"};
    for (int i = 0; i < 4; ++i) {
        auto *b = new QToolButton(this);
        b->setText(QString::fromLatin1(symbols[i]));
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QToolButton::clicked, this, [this, i] { Move(kNavigatorDirections[i]); });
        m_navigator << b;
        nav->addWidget(b);
    }
    nav->addStretch(1);
    layout->addLayout(nav);
    SetSecondKeySet(false);
    AdjustHeight();
}

UrDataGrid::~UrDataGrid() {
    if (UrComndBar *bar = UrComndBar::CommandBar()) {
        bar->state().ReleaseGrid(this);
        bar->state().ReleaseSource(&m_model);
    }
}

void UrDataGrid::SetCaption(const QString &caption) {
    m_caption->setText(caption);
    m_caption->setVisible(!caption.isEmpty());
}

QString UrDataGrid::Caption() const {
    return m_caption->text();
}

bool UrDataGrid::SetDataSource(const QString &sql, db::Connection *connection) {
    m_sql = sql;
    m_connection = connection;
    return Requery();
}

void UrDataGrid::SetRowSet(db::RowSet rows) {
    m_sql.clear();
    m_model.setRowSet(std::move(rows));
    applyColumns();
    m_adding = false;
    m_current = -1;
    setCurrentRow(m_model.recordCount() > 0 ? 0 : -1);
    updateNavigator();
}

bool UrDataGrid::reread() {
    if (m_sql.isEmpty())
        return m_model.isOpen();
    db::Connection &c = m_connection ? *m_connection : db::ProjectDb();
    db::RowSet rows = c.query(m_sql);
    if (c.lastError().isError()) {
        core::ShowErrorMessage(QString(), c.lastError());
        m_model.close();
        return false;
    }
    m_model.setRowSet(std::move(rows));
    applyColumns();
    return true;
}

bool UrDataGrid::Requery() {
    const bool ok = reread();
    m_adding = false;
    m_current = -1;
    setCurrentRow(m_model.recordCount() > 0 ? 0 : -1);
    if (m_model.recordCount() == 0)
        emit RowColChange();
    updateNavigator();
    if (UrComndBar *bar = UrComndBar::CommandBar())
        bar->UpdateButtons();
    return ok;
}

bool UrDataGrid::RequeryToSamePosition() {
    SaveRowPos();
    const bool ok = reread();
    m_adding = false;
    m_current = -1;
    RestoreRowPos();
    if (m_current < 0)
        emit RowColChange();
    updateNavigator();
    if (UrComndBar *bar = UrComndBar::CommandBar())
        bar->UpdateButtons();
    return ok;
}

void UrDataGrid::SaveRowPos() {
    m_savedRow = m_current;
    m_savedId = m_model.rowSet().columnIndex(QStringLiteral("ID")) >= 0 ? Value(QStringLiteral("ID")) : QVariant();
}

void UrDataGrid::RestoreRowPos() {
    int row = RecordSearch::FindValue(m_model.rowSet(), QStringLiteral("ID"), m_savedId);
    if (row < 0 && m_savedRow >= 0)
        row = qMin(m_savedRow, m_model.recordCount() - 1);
    setCurrentRow(row);
}

void UrDataGrid::applyColumns() {
    m_model.setColumns(m_fields, m_captions, m_aligns, m_widths);
    const int charWidth = m_view->fontMetrics().horizontalAdvance(QLatin1Char('n'));
    // A column is never narrower than its caption: a cut caption reads as another word.
    for (int c = 0; c < m_model.columnCount(); ++c)
        if (m_model.widthInChars(c) > 0)
            m_view->setColumnWidth(
                c, std::max(m_model.widthInChars(c) * charWidth + 8, m_view->horizontalHeader()->sectionSizeHint(c)));
}

void UrDataGrid::SetDataField(const QStringList &fields) {
    m_fields = fields;
    applyColumns();
}

void UrDataGrid::SetDataFieldCaption(const QStringList &captions) {
    m_captions = captions;
    applyColumns();
}

void UrDataGrid::SetDataFieldAlign(const QList<int> &aligns) {
    m_aligns = aligns;
    applyColumns();
}

void UrDataGrid::SetDataFieldLenChrs(const QList<int> &widths) {
    m_widths = widths;
    applyColumns();
}

QString UrDataGrid::SearchField() const {
    if (!m_leadingField.isEmpty())
        return m_leadingField;
    return m_model.fieldOfColumn(0);
}

QString UrDataGrid::SearchCaption() const {
    const QString field = SearchField();
    for (int c = 0; c < m_model.columnCount(); ++c)
        if (m_model.fieldOfColumn(c).compare(field, Qt::CaseInsensitive) == 0)
            return m_model.headerData(c, Qt::Horizontal).toString();
    return QStringLiteral("Oznaka");
}

void UrDataGrid::SetLocked(bool locked) {
    m_locked = locked;
    for (QToolButton *b : m_navigator)
        b->setEnabled(!locked);
}

void UrDataGrid::SetSecondKeySet(bool on) {
    m_secondKeySet = on;
    for (int i = 0; i < 4; ++i)
        m_navigator[i]->setToolTip(QString::fromUtf8(kTips[on ? 1 : 0][i]));
}

void UrDataGrid::SetIzbran(bool selected) {
    m_izbran = selected;
    QFont f = m_caption->font();
    f.setBold(selected);
    m_caption->setFont(f);
}

QToolButton *UrDataGrid::NavigatorButton(int index) const {
    return index >= 0 && index < m_navigator.size() ? m_navigator.at(index) : nullptr;
}

QVariant UrDataGrid::Value(const QString &field) const {
    if (m_current < 0 || m_current >= m_model.recordCount())
        return {};
    return m_model.rowSet().value(m_current, field);
}

qint64 UrDataGrid::CurrentId() const {
    return db::ToLong(Value(QStringLiteral("ID")));
}

void UrDataGrid::AddNew() {
    SaveRowPos();
    m_adding = true;
    m_current = -1;
    m_view->clearSelection();
}

void UrDataGrid::AddNewCancel() {
    m_adding = false;
    m_current = -1;
    RestoreRowPos();
    if (m_current < 0)
        emit RowColChange();
}

namespace {
int g_sizeClass = 0;
}

void UrDataGrid::SetSizeClass(int sizeClass) {
    g_sizeClass = qBound(0, sizeClass, 2);
}

void UrDataGrid::AdjustHeight() {
    // 15 twips to the pixel; never lower than the font needs.
    const int twips = g_sizeClass == 2 ? 300 : g_sizeClass == 1 ? 270 : 240;
    m_view->verticalHeader()->setDefaultSectionSize(qMax(twips / 15, m_view->fontMetrics().height() + 4));
}

bool UrDataGrid::Find(const QString &field, const QVariant &value) {
    const int row = RecordSearch::FindValue(m_model.rowSet(), field, value);
    if (row < 0)
        return false;
    m_adding = false;
    setCurrentRow(row);
    return true;
}

bool UrDataGrid::FindPrefix(const QString &text) {
    const int row = RecordSearch::FindPrefix(m_model.rowSet(), SearchField(), text);
    if (row < 0)
        return false;
    setCurrentRow(row);
    return true;
}

void UrDataGrid::FindPrefixByUser(const QString &text) {
    const int row = RecordSearch::FindPrefix(m_model.rowSet(), SearchField(), text);
    if (row >= 0)
        RecordMove(row);
}

bool UrDataGrid::askBar() {
    UrComndBar *bar = UrComndBar::CommandBar();
    if (!bar || !bar->state().ownsGrid(this))
        return true;
    // The field being left validates first, as for the bar's own keys.
    return bar->ValidateEditField() && bar->RecordMoveAllowed();
}

int UrDataGrid::targetRow(int direction) const {
    const int count = m_model.recordCount();
    if (count == 0)
        return -1;
    switch (direction) {
    case MoveDirection::Next:
        return qMin(m_current + 1, count - 1);
    case MoveDirection::Previous:
        return qMax(m_current - 1, 0);
    case MoveDirection::Last:
        return count - 1;
    case MoveDirection::First:
        return 0;
    default:
        return m_current;
    }
}

bool UrDataGrid::Move(int direction) {
    if (m_locked)
        return false;
    const int target = targetRow(direction);
    if (target < 0 || (target == m_current && !m_adding))
        return false;
    if (!askBar())
        return false;
    return moveRecord(direction);
}

bool UrDataGrid::RecordMove(int row) {
    if (m_locked || row < 0 || row >= m_model.recordCount() || (row == m_current && !m_adding))
        return false;
    if (!askBar())
        return false;
    return setCurrentRow(row);
}

bool UrDataGrid::moveRecord(int direction) {
    m_adding = false;
    return setCurrentRow(targetRow(direction));
}

void UrDataGrid::userClickedRow(int row) {
    if (row == m_current) {
        emit SameRecordClick();
        return;
    }
    RecordMove(row);
}

bool UrDataGrid::setCurrentRow(int row) {
    if (row >= m_model.recordCount())
        row = m_model.recordCount() - 1;
    if (row == m_current)
        return false;
    m_current = row;
    if (row >= 0) {
        m_view->selectRow(row);
        m_view->scrollTo(m_model.index(row, 0));
    } else {
        m_view->clearSelection();
    }
    updateNavigator();
    emit RowColChange();
    return true;
}

void UrDataGrid::RefreshDG() {
    m_view->viewport()->update();
}

void UrDataGrid::updateNavigator() {
    const int count = m_model.recordCount();
    m_navigator[0]->setEnabled(!m_locked && count > 0 && m_current != 0);
    m_navigator[1]->setEnabled(!m_locked && count > 0 && m_current != 0);
    m_navigator[2]->setEnabled(!m_locked && count > 0 && m_current != count - 1);
    m_navigator[3]->setEnabled(!m_locked && count > 0 && m_current != count - 1);
}

} // namespace zentrel::controls
