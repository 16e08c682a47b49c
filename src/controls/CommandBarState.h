#pragma once

#include "CommandBarClient.h"
#include "CommandTable.h"
#include "EditContainer.h"
#include "RecordGrid.h"
#include "StatusIndicator.h"

#include <QList>
#include <array>
#include <functional>
#include <variant>

namespace zentrel::controls {

// Record states of the command bar.
namespace BarState {
constexpr int Browse = 0;
constexpr int Edit = 1;
constexpr int Add = 2;
constexpr int Find = 4;
} // namespace BarState

// One value of Init's parameter list: a command-table row, a record set, or a grid.
class InitParam {
public:
    InitParam(int row) : m_value(row) {}
    InitParam(const RecordSource *source) : m_value(source) {}
    InitParam(RecordGrid *grid) : m_value(grid) {}
    const std::variant<int, const RecordSource *, RecordGrid *> &value() const { return m_value; }

private:
    std::variant<int, const RecordSource *, RecordGrid *> m_value;
};

// One of the nine button positions of the bar.
struct BarButton {
    int row = -1; // command-table row shown here, -1 when the position is unused
    bool enabled = false;
    bool pressed = false;
};

// The record-editing state machine of the command bar, without widgets.
//
// States: 0 browse, 1 edit (an existing record), 2 add (a new record), 4 find (only while the
// find command runs). DataChanged: a field of the current record changed and is not saved.
// Transitions (all in execute()): "Uredi" 0->1 unless BeginEditClick cancels, and 1->0;
// "Nov" 0->2 and 2->0; save keeps 1 after AcceptEdit, or stays in 2 and starts the next new
// record after AcceptAddNew and BeforeAddNew; Esc 1->0 and 2->0 (escape()); "Razveljavi" keeps
// the state. A refused AcceptEdit or AcceptAddNew keeps the state and the changes.
// A record move (recordMoveAllowed()) first saves pending changes and is refused when the
// window refuses them. Invariant: after every completed command the buttons and the lock of
// the edit container agree with the state (updateStatus()).
class CommandBarState {
public:
    static constexpr int ButtonCount = 9;

    // Registers the client and edit container and configures the buttons from the list.
    // Afterwards: browse state, no changes, every Disabled flag false.
    void Init(CommandBarClient *client, EditContainer *container, const QList<InitParam> &params);
    // Forgets the client when it is the registered one (its window is closing).
    void Release(const CommandBarClient *client);
    // Forgets a grid or record set that is going away.
    void ReleaseGrid(const RecordGrid *grid);
    void ReleaseSource(const RecordSource *source);
    void ReleaseContainer(const EditContainer *container);

    // Enables or disables the buttons of the listed rows (all buttons when the list is empty).
    void ButtonActivate(bool active, const QList<int> &rows = {});
    // Sets the pressed look of the buttons of the listed rows (all when the list is empty).
    void ButtonPress(bool pressed, const QList<int> &rows = {});
    // Clears DataChanged (unless a ShowChange flag or noReset), recomputes buttons, re-locks fields.
    void UpdateStatus(bool noReset = false);
    // Called by a field control on its first change.
    void SetDataChanged();
    // Recomputes enabled and pressed state of every button.
    void UpdateButtons();
    // Handles one key of the key preview; returns whether it was consumed (keyCode becomes 0).
    bool ProcessKey(int &keyCode, int shift);
    // Asked by a grid before it moves to another record. notAdding (optional) tells whether the
    // state is no longer 2 afterwards.
    bool RecordMoveAllowed(bool *notAdding = nullptr);
    // Executes the command of the first pressed button again (leaving edit or add state).
    // Returns true when that command completed or no button was pressed.
    bool ResetAllKeys();

    // Executes the button at a position as a click. Returns whether the command completed.
    bool ClickButton(int position) { return executeButton(position, false); }

    int State() const { return m_state; }
    bool DataChanged() const { return m_dataChanged; }
    bool enabled() const { return m_enabled; }
    CommandBarClient *client() const { return m_client; }
    EditContainer *editContainer() const { return m_container; }
    // The record set driving the buttons: the one given to Init, else the primary grid's.
    const RecordSource *DataSource() const;
    void SetDataSource(const RecordSource *source);
    // Primary grid (index 1) or secondary grid (index 2).
    RecordGrid *DataGrid(int index = 1) const { return index == 2 ? m_secondaryGrid : m_grid; }
    void SetDataGrid(RecordGrid *grid, int index = 1);
    bool ownsGrid(const RecordGrid *grid) const { return grid && (grid == m_grid || grid == m_secondaryGrid); }

    bool DeleteDisabled() const { return m_deleteDisabled; }
    void SetDeleteDisabled(bool on);
    bool ShowChangeDisabled() const { return m_showChangeDisabled; }
    void SetShowChangeDisabled(bool on);
    bool ShowChangeAndResetDisabled() const { return m_showChangeAndResetDisabled; }
    void SetShowChangeAndResetDisabled(bool on);
    bool DataEntryDisabled() const { return m_dataEntryDisabled; }
    void SetDataEntryDisabled(bool on);

    const std::array<BarButton, ButtonCount> &buttons() const { return m_buttons; }
    int usedButtonCount() const { return m_used; }
    // Position of the first button showing that row, or -1.
    int positionOfRow(int row) const;

    void setStatusIndicator(StatusIndicator *status) { m_status = status; }
    // Called whenever buttons, state or the change mark may have changed (the widget repaints).
    void setChangeListener(std::function<void()> listener) { m_changed = std::move(listener); }

private:
    bool executeButton(int position, bool fromKey);
    bool execute(int command, bool fromKey);
    bool escape();
    bool moveGrid(RecordGrid *grid, int direction);
    bool isEnabledByRule(int command) const;
    void applyLock();
    void notify();

    CommandBarClient *m_client = nullptr;
    EditContainer *m_container = nullptr;
    StatusIndicator *m_status = nullptr;
    const RecordSource *m_dataSource = nullptr;
    RecordGrid *m_grid = nullptr;
    RecordGrid *m_secondaryGrid = nullptr;
    std::array<BarButton, ButtonCount> m_buttons{};
    int m_used = 0;
    int m_lowKey = 0;
    int m_highKey = 0;
    int m_state = BarState::Browse;
    bool m_dataChanged = false;
    bool m_enabled = false;
    bool m_acceptedEdit = false;
    bool m_inKey = false;
    bool m_deleteDisabled = false;
    bool m_showChangeDisabled = false;
    bool m_showChangeAndResetDisabled = false;
    bool m_dataEntryDisabled = false;
    std::function<void()> m_changed;
};

} // namespace zentrel::controls
