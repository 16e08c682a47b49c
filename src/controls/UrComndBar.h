#pragma once

#include "CommandBarState.h"

#include <QPointer>
#include <QWidget>

class QKeyEvent;
class QLabel;

namespace zentrel::controls {

class UrComndBarClient;
class UrFrame;
class UrStatusLine;
class UrTipka;

// The program's one command bar: nine keys, the status line and the product name. It renders
// the record-editing state machine (CommandBarState) and feeds it clicks and keys; windows talk
// to it through Init and the members below, and hear from it through their UrComndBarClient.
class UrComndBar : public QWidget {
    Q_OBJECT
public:
    explicit UrComndBar(QWidget *parent = nullptr);
    ~UrComndBar() override;

    // The bar of the program (the one created last and still alive), or nullptr.
    static UrComndBar *CommandBar();

    // Registers the window's client and frame (the frame may be null: a plain button bar) and
    // configures the bar from the list: command-table rows, a record set, grids.
    void Init(UrComndBarClient *client, UrFrame *container, const QList<InitParam> &params);

    void ButtonActivate(bool active, const QList<int> &rows = {}) { m_state.ButtonActivate(active, rows); }
    void ButtonPress(bool pressed, const QList<int> &rows = {}) { m_state.ButtonPress(pressed, rows); }
    void UpdateStatus(bool noReset = false) { m_state.UpdateStatus(noReset); }
    void SetDataChanged() { m_state.SetDataChanged(); }
    void UpdateButtons() { m_state.UpdateButtons(); }
    bool RecordMoveAllowed(bool *notAdding = nullptr) { return m_state.RecordMoveAllowed(notAdding); }
    bool ResetAllKeys() { return m_state.ResetAllKeys(); }
    // Validates the field that has the focus while editing or adding; false when it refuses.
    bool ValidateEditField() { return validateField(); }
    // Handles a key of the key preview (platform key code and shift bits); true when consumed.
    bool ProcessKey(int &keyCode, int shift);
    // The same for a Qt key event; accepts the event when consumed.
    bool ProcessKeyEvent(QKeyEvent *event);

    bool DataChanged() const { return m_state.DataChanged(); }
    int State() const { return m_state.State(); }
    UrStatusLine *StatusLine() const { return m_status; }
    const RecordSource *DataSource() const { return m_state.DataSource(); }
    void SetDataSource(const RecordSource *source) { m_state.SetDataSource(source); }
    RecordGrid *DataGrid(int index = 1) const { return m_state.DataGrid(index); }
    void SetDataGrid(RecordGrid *grid, int index = 1) { m_state.SetDataGrid(grid, index); }

    bool DeleteDisabled() const { return m_state.DeleteDisabled(); }
    void SetDeleteDisabled(bool on) { m_state.SetDeleteDisabled(on); }
    bool ShowChangeDisabled() const { return m_state.ShowChangeDisabled(); }
    void SetShowChangeDisabled(bool on) { m_state.SetShowChangeDisabled(on); }
    bool ShowChangeAndResetDisabled() const { return m_state.ShowChangeAndResetDisabled(); }
    void SetShowChangeAndResetDisabled(bool on) { m_state.SetShowChangeAndResetDisabled(on); }
    bool DataEntryDisabled() const { return m_state.DataEntryDisabled(); }
    void SetDataEntryDisabled(bool on) { m_state.SetDataEntryDisabled(on); }

    UrTipka *Button(int index) const;
    // The button showing that command-table row, or nullptr.
    UrTipka *ButtonOfRow(int row) const;
    bool ProductNameShown() const;
    CommandBarState &state() { return m_state; }
    UrComndBarClient *client() const;

private:
    void clickButton(int position);
    bool validateField();
    // Keys whose command needs the field being left to be valid first.
    bool isBarKey(int key) const;
    static bool isCancelCommand(int command);
    void render();

    CommandBarState m_state;
    QList<UrTipka *> m_buttons;
    QList<QLabel *> m_productLabels;
    UrStatusLine *m_status;
    QPointer<UrFrame> m_frame;
    QPointer<UrComndBarClient> m_client;
};

} // namespace zentrel::controls
