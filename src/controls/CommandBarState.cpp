#include "CommandBarState.h"

namespace zentrel::controls {

using namespace Commands;

namespace {

// "Briši tur." (row 30) empties the turnus of the current timetable, the current record of its
// list: like copying and deleting it needs one, else it would look enabled and do nothing.
constexpr int DeleteTurnus = 25;

bool hasRecords(const RecordSource *source, int atLeast) {
    return source && source->isOpen() && source->recordCount() >= atLeast;
}

} // namespace

void CommandBarState::Init(CommandBarClient *client, EditContainer *container, const QList<InitParam> &params) {
    m_client = client;
    m_container = container;
    m_dataSource = nullptr;
    m_grid = nullptr;
    m_secondaryGrid = nullptr;
    m_buttons.fill(BarButton{});
    m_used = 0;
    for (const InitParam &param : params) {
        const auto &v = param.value();
        if (const int *row = std::get_if<int>(&v)) {
            // Rows beyond the nine positions and unused row numbers have no button.
            if (m_used < ButtonCount && CommandRow(*row))
                m_buttons[m_used++].row = *row;
        } else if (auto *source = std::get_if<const RecordSource *>(&v)) {
            m_dataSource = *source;
        } else if (auto *grid = std::get_if<RecordGrid *>(&v)) {
            if (!m_grid)
                m_grid = *grid;
            else if (!m_secondaryGrid)
                m_secondaryGrid = *grid;
        }
    }
    m_lowKey = 0;
    m_highKey = 0;
    for (int i = 0; i < m_used; ++i) {
        const int key = CommandRow(m_buttons[i].row)->keyCode;
        if (i == 0 || key < m_lowKey)
            m_lowKey = key;
        if (i == 0 || key > m_highKey)
            m_highKey = key;
    }
    m_state = BarState::Browse;
    m_dataChanged = false;
    m_acceptedEdit = false;
    m_deleteDisabled = false;
    m_showChangeDisabled = false;
    m_showChangeAndResetDisabled = false;
    m_dataEntryDisabled = false;
    m_enabled = true;
    UpdateStatus();
}

void CommandBarState::Release(const CommandBarClient *client) {
    if (!client || client != m_client)
        return;
    m_client = nullptr;
    m_container = nullptr;
    m_dataSource = nullptr;
    m_grid = nullptr;
    m_secondaryGrid = nullptr;
    m_buttons.fill(BarButton{});
    m_used = 0;
    m_state = BarState::Browse;
    m_dataChanged = false;
    m_enabled = false;
    if (m_status)
        m_status->showDataChanged(false);
    notify();
}

void CommandBarState::ReleaseGrid(const RecordGrid *grid) {
    if (grid == m_grid)
        m_grid = nullptr;
    if (grid == m_secondaryGrid)
        m_secondaryGrid = nullptr;
}

void CommandBarState::ReleaseSource(const RecordSource *source) {
    if (source == m_dataSource)
        m_dataSource = nullptr;
}

void CommandBarState::ReleaseContainer(const EditContainer *container) {
    if (container == m_container)
        m_container = nullptr;
}

void CommandBarState::SetDataGrid(RecordGrid *grid, int index) {
    (index == 2 ? m_secondaryGrid : m_grid) = grid;
    UpdateButtons();
}

void CommandBarState::SetDataSource(const RecordSource *source) {
    m_dataSource = source;
    UpdateButtons();
}

const RecordSource *CommandBarState::DataSource() const {
    if (m_dataSource)
        return m_dataSource;
    return m_grid ? m_grid->recordSource() : nullptr;
}

int CommandBarState::positionOfRow(int row) const {
    for (int i = 0; i < m_used; ++i)
        if (m_buttons[i].row == row)
            return i;
    return -1;
}

void CommandBarState::ButtonActivate(bool active, const QList<int> &rows) {
    for (int i = 0; i < m_used; ++i)
        if (rows.isEmpty() || rows.contains(m_buttons[i].row))
            m_buttons[i].enabled = active;
    notify();
}

void CommandBarState::ButtonPress(bool pressed, const QList<int> &rows) {
    for (int i = 0; i < m_used; ++i)
        if (rows.isEmpty() || rows.contains(m_buttons[i].row))
            m_buttons[i].pressed = pressed;
    notify();
}

void CommandBarState::UpdateStatus(bool noReset) {
    if (!noReset && !m_showChangeDisabled && !m_showChangeAndResetDisabled)
        m_dataChanged = false;
    if (m_status)
        m_status->showDataChanged(m_dataChanged);
    UpdateButtons();
    applyLock();
}

void CommandBarState::SetDataChanged() {
    if (!m_client || m_showChangeDisabled || m_showChangeAndResetDisabled)
        return;
    m_dataChanged = true;
    if (m_status)
        m_status->showDataChanged(true);
    UpdateButtons();
}

bool CommandBarState::isEnabledByRule(int c) const {
    const RecordSource *primary = DataSource();
    const RecordSource *current = m_secondaryGrid ? m_secondaryGrid->recordSource() : primary;
    const bool primaryRecords = hasRecords(primary, 1);
    const bool severalRecords = hasRecords(primary, 2);
    const bool currentRecords = hasRecords(current, 1);
    bool on = false;
    switch (m_state) {
    case BarState::Edit:
        if (c == Edit || c == Delete)
            on = true;
        else if (m_dataChanged)
            on = c == Save || c == Undo;
        else
            on = (c == Find && severalRecords) || c == New;
        break;
    case BarState::Add:
        if (c == New)
            on = true;
        else if (m_dataChanged)
            on = c == Save || c == Undo;
        break;
    default:
        if (c == Edit)
            on = !primary || currentRecords;
        else if (c == Delete || c == Copy || c == CopyShift)
            on = currentRecords;
        else if (c == Find)
            on = severalRecords;
        else if (c == Save || c == Undo)
            on = m_showChangeAndResetDisabled;
        else if (c == New)
            on = (!m_secondaryGrid || primaryRecords) && m_enabled;
        else if (c == DeleteTurnus)
            on = currentRecords && m_enabled;
        else
            on = m_enabled;
        break;
    }
    if (c == Delete && m_deleteDisabled)
        on = false;
    return on;
}

void CommandBarState::UpdateButtons() {
    for (int i = 0; i < m_used; ++i) {
        BarButton &b = m_buttons[i];
        const int c = CommandRow(b.row)->command;
        b.enabled = isEnabledByRule(c);
        if (c == Edit)
            b.pressed = m_state == BarState::Edit;
        else if (c == New)
            b.pressed = m_state == BarState::Add;
        else if (c == Save || c == Undo || c == Delete || c == Find || c == Copy || c == CopyShift)
            b.pressed = false;
    }
    notify();
}

void CommandBarState::applyLock() {
    if (m_container)
        m_container->applyLock((m_state == BarState::Edit || m_state == BarState::Add) && !m_dataEntryDisabled,
                               !m_showChangeDisabled);
}

void CommandBarState::SetDeleteDisabled(bool on) {
    m_deleteDisabled = on;
    UpdateButtons();
}

void CommandBarState::SetShowChangeDisabled(bool on) {
    m_showChangeDisabled = on;
    applyLock();
}

void CommandBarState::SetShowChangeAndResetDisabled(bool on) {
    m_showChangeAndResetDisabled = on;
    UpdateButtons();
}

void CommandBarState::SetDataEntryDisabled(bool on) {
    m_dataEntryDisabled = on;
    applyLock();
}

void CommandBarState::notify() {
    if (m_changed)
        m_changed();
}

bool CommandBarState::executeButton(int position, bool fromKey) {
    if (position < 0 || position >= m_used || !m_client)
        return false;
    const CommandDef *def = CommandRow(m_buttons[position].row);
    if (!m_container || def->passThrough) {
        int code = def->command;
        bool cancel = false;
        m_client->ButtonClick(code, cancel);
        notify();
        return !cancel;
    }
    return execute(def->command, fromKey);
}

// Steps of one command; S is the state before, N the state after. A refusal by the window
// (pCancel) stops the command with state and changes kept.
bool CommandBarState::execute(int c, bool fromKey) {
    CommandBarClient *client = m_client;
    if (!client)
        return false;
    m_acceptedEdit = false;
    const int s = m_state;

    if (c == Find) {
        m_state = BarState::Find;
        int code = c;
        bool cancel = false;
        client->ButtonClick(code, cancel);
        m_state = s;
        UpdateButtons();
        return !cancel;
    }

    int n = s;
    bool completed = true;
    bool nextRecord = false; // a saved new record was followed by the next one
    if (c == New) {
        n = s == BarState::Add ? BarState::Browse : BarState::Add;
    } else if (c == Edit) {
        if (s == BarState::Edit) {
            n = BarState::Browse;
        } else {
            bool cancel = false;
            client->BeginEditClick(cancel);
            n = cancel ? BarState::Browse : BarState::Edit;
            completed = !cancel;
        }
    }

    // Windows that save directly track no changes, yet their "Shrani" and "Razveljavi" must act.
    const bool changed = m_dataChanged || (m_showChangeAndResetDisabled && (c == Save || c == Undo));
    auto refuse = [this] {
        UpdateButtons();
        return false;
    };

    if (c == Delete || c == Copy || c == CopyShift) {
        int code = c;
        bool cancel = false;
        client->ButtonClick(code, cancel);
        // A refused delete or copy must not drop the unsaved changes of the record.
        if (cancel)
            return refuse();
        m_state = n;
    } else if (!changed && c != SaveAndNext) {
        if (c == New && s == BarState::Add) {
            m_state = n;
            client->CancelAddNew();
        } else if (c == New) {
            m_state = n;
            int code = c;
            bool cancel = false;
            client->ButtonClick(code, cancel);
        } else {
            m_state = n;
        }
    } else if (c != Save && c != SaveAndNext) {
        if (c == Undo) {
            if (s == BarState::Edit)
                client->CancelEdit();
            else if (s == BarState::Add)
                client->ClearAddNew();
            else
                client->CancelAddNew();
        } else {
            bool cancel = false;
            if (s == BarState::Edit) {
                client->AcceptEdit(cancel);
                if (!cancel)
                    m_acceptedEdit = true;
            } else {
                client->AcceptAddNew(cancel);
            }
            if (cancel)
                return refuse();
            m_state = n;
        }
    } else {
        bool cancel = false;
        if (s == BarState::Edit) {
            client->AcceptEdit(cancel);
            if (cancel)
                return refuse();
            m_acceptedEdit = true;
        } else {
            client->AcceptAddNew(cancel);
            if (cancel)
                return refuse();
            m_state = n;
            // Only the add state starts a series of new records.
            if (s == BarState::Add) {
                bool stop = false;
                client->BeforeAddNew(stop);
                if (stop) {
                    escape();
                    client->AddNewCanceled();
                    return true;
                }
                int code = New;
                bool ignored = false;
                client->ButtonClick(code, ignored);
                nextRecord = true;
            }
        }
        m_state = n;
    }

    UpdateStatus();
    // The next record of a series starts in its first field, not where the last one ended.
    if (m_container && nextRecord)
        m_container->focusFirst();
    else if (m_container)
        m_container->restoreFocus();
    if (n == BarState::Edit)
        client->EditBegin();
    if (m_state != s) {
        if (m_state == BarState::Add && s != BarState::Edit)
            client->EditBegin();
        else if (m_state == BarState::Add || s == BarState::Edit || s == BarState::Add)
            client->EditEnd();
    }
    if (m_acceptedEdit) {
        m_acceptedEdit = false;
        if (fromKey)
            client->KeyProcessEditAccepted();
        else
            client->EditAccepted();
    }
    return completed;
}

bool CommandBarState::escape() {
    CommandBarClient *client = m_client;
    if (!client)
        return false;
    if (m_state == BarState::Edit) {
        m_state = BarState::Browse;
        client->CancelEdit();
    } else if (m_state == BarState::Add) {
        m_state = BarState::Browse;
        client->CancelAddNew();
    } else {
        return false;
    }
    UpdateStatus();
    if (m_container)
        m_container->restoreFocus();
    client->EditEnd();
    return true;
}

bool CommandBarState::RecordMoveAllowed(bool *notAdding) {
    bool allowed = true;
    if (m_client) {
        if (m_state == BarState::Add) {
            // Leaving add state saves or discards the new record; either way the grid stays where
            // the window puts it, and a refused save keeps the new record on screen.
            ResetAllKeys();
            allowed = false;
        } else if (m_dataChanged) {
            allowed = execute(AcceptPending, m_inKey);
        }
    }
    if (notAdding)
        *notAdding = m_state != BarState::Add;
    return allowed;
}

bool CommandBarState::ResetAllKeys() {
    for (int i = 0; i < m_used; ++i)
        if (m_buttons[i].pressed)
            return executeButton(i, m_inKey);
    return true;
}

bool CommandBarState::moveGrid(RecordGrid *grid, int direction) {
    if (!grid)
        return false;
    if (!RecordMoveAllowed())
        return false;
    return grid->moveRecord(direction);
}

bool CommandBarState::ProcessKey(int &keyCode, int shift) {
    if (!m_client || !m_enabled || keyCode == 0)
        return false;
    const int key = keyCode;
    const bool withShift = shift & ShiftBits::Shift;
    const bool withCtrl = shift & ShiftBits::Ctrl;
    bool handled = false;
    m_inKey = true;

    if (key == Keys::PgUp || key == Keys::PgDn) {
        if (key == Keys::PgDn && m_state == BarState::Add && m_container) {
            execute(SaveAndNext, true);
            handled = true;
        } else if (RecordGrid *grid = withShift ? m_secondaryGrid : m_grid) {
            const int direction = key == Keys::PgDn ? (withCtrl ? MoveDirection::Last : MoveDirection::Next)
                                                    : (withCtrl ? MoveDirection::First : MoveDirection::Previous);
            moveGrid(grid, direction);
            handled = true;
        }
    } else if (key == Keys::Esc && (m_state == BarState::Edit || m_state == BarState::Add)) {
        escape();
        handled = true;
    } else if (key == Keys::Enter || (key >= m_lowKey && key <= m_highKey)) {
        int position = -1;
        for (int i = 0; i < m_used && position < 0; ++i)
            if (CommandRow(m_buttons[i].row)->keyCode == key)
                position = i;
        if (position < 0 && key == Keys::Enter)
            for (int i = 0; i < m_used && position < 0; ++i)
                if (CommandRow(m_buttons[i].row)->command == Save)
                    position = i;
        if (position >= 0) {
            handled = true;
            bool refused = false;
            if (m_buttons[position].enabled)
                refused = !executeButton(position, true);
            // Enter moves on to the next record, so a list can be worked through with Enter alone.
            if (key == Keys::Enter && !refused && (m_state == BarState::Browse || m_state == BarState::Edit) &&
                !(m_status && m_status->pendingCondition()))
                moveGrid(m_grid, MoveDirection::Next);
        }
    }

    m_inKey = false;
    if (handled)
        keyCode = 0;
    return handled;
}

} // namespace zentrel::controls
