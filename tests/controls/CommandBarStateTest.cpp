#include "controls/CommandBarState.h"
#include "BarFakes.h"
#include "controls/CommandTable.h"

#include <gtest/gtest.h>

using namespace zentrel;
using namespace zentrel::controls;
using test::FakeContainer;
using test::FakeGrid;
using test::FakeStatus;
using test::RecordingClient;

namespace {

// The standard button set of a basic-data window: Najdi, Uredi, Nov, Briši, Razveljavi, Shrani.
const QList<InitParam> kStandard{0, 4, 2, 8, 15, 13};

class Bar : public ::testing::Test {
protected:
    void SetUp() override {
        client.bar = &bar;
        bar.setStatusIndicator(&status);
    }
    void init(int records, QList<InitParam> params = kStandard, bool withContainer = true) {
        grid.source.count = records;
        params << &grid;
        bar.Init(&client, withContainer ? &frame : nullptr, params);
        client.take();
    }
    bool key(int vk, int shift = 0) {
        int code = vk;
        const bool consumed = bar.ProcessKey(code, shift);
        EXPECT_EQ(code, consumed ? 0 : vk);
        return consumed;
    }
    bool enabled(int row) const {
        const int p = bar.positionOfRow(row);
        return p >= 0 && bar.buttons()[p].enabled;
    }
    bool pressed(int row) const {
        const int p = bar.positionOfRow(row);
        return p >= 0 && bar.buttons()[p].pressed;
    }
    QStringList enabledCaptions() const {
        QStringList out;
        for (int i = 0; i < bar.usedButtonCount(); ++i)
            if (bar.buttons()[i].enabled)
                out << CommandRow(bar.buttons()[i].row)->caption;
        return out;
    }

    CommandBarState bar;
    RecordingClient client;
    FakeGrid grid{0};
    FakeContainer frame;
    FakeStatus status;
};

} // namespace

TEST(CommandTable, UnusedRowsAreEmptyAndQtKeysMapToTheBarsKeys) {
    for (int unused : {49, 52, -1, 59})
        EXPECT_EQ(CommandRow(unused), nullptr) << unused;

    EXPECT_EQ(VirtualKeyOfQtKey(Qt::Key_F12), Keys::F12);
    EXPECT_EQ(VirtualKeyOfQtKey(Qt::Key_F1), Keys::F1);
    EXPECT_EQ(VirtualKeyOfQtKey(Qt::Key_Return), Keys::Enter);
    EXPECT_EQ(VirtualKeyOfQtKey(Qt::Key_Enter), Keys::Enter);
    EXPECT_EQ(VirtualKeyOfQtKey(Qt::Key_PageDown), Keys::PgDn);
    EXPECT_EQ(VirtualKeyOfQtKey(Qt::Key_A), 0);
}

TEST_F(Bar, InitResetsStateFlagsAndLocksTheFields) {
    init(3);
    bar.SetDeleteDisabled(true);
    bar.SetDataEntryDisabled(true);
    key(Keys::F5);
    bar.SetDataChanged();
    bar.Init(&client, &frame, QList<InitParam>{0, 4, 2, 8, 15, 13, &grid});
    EXPECT_EQ(bar.State(), BarState::Browse);
    EXPECT_FALSE(bar.DataChanged());
    EXPECT_FALSE(bar.DeleteDisabled());
    EXPECT_FALSE(bar.DataEntryDisabled());
    EXPECT_FALSE(status.mark);
    EXPECT_FALSE(frame.editable);
    EXPECT_EQ(bar.usedButtonCount(), 6);
    EXPECT_EQ(bar.buttons()[6].row, -1);
    EXPECT_EQ(bar.DataGrid(), &grid);
    EXPECT_EQ(bar.DataSource(), &grid.source);

    // Rows beyond nine positions and unused row numbers get no button.
    bar.Init(&client, &frame, QList<InitParam>{0, 49, 4, 2, 8, 15, 13, 5, 7, 9, 14, 16});
    EXPECT_EQ(bar.usedButtonCount(), 9);
    EXPECT_EQ(bar.buttons()[8].row, 9);
}

TEST_F(Bar, NewTwiceWithoutTypingLeavesAddState) {
    init(2);
    EXPECT_TRUE(key(Keys::F6));
    EXPECT_EQ(client.take(), (QStringList{"ButtonClick(3)@2", "EditBegin"}));
    EXPECT_EQ(bar.State(), BarState::Add);
    EXPECT_TRUE(frame.editable);
    EXPECT_TRUE(pressed(2));
    EXPECT_EQ(enabledCaptions(), QStringList{"Nov"});

    EXPECT_TRUE(key(Keys::F6));
    EXPECT_EQ(client.take(), (QStringList{"CancelAddNew", "EditEnd"}));
    EXPECT_EQ(bar.State(), BarState::Browse);
    EXPECT_FALSE(frame.editable);
    EXPECT_FALSE(pressed(2));
}

TEST_F(Bar, SaveInAddStateStartsTheNextNewRecordUnlessTheWindowStopsTheSeries) {
    init(2);
    key(Keys::F6);
    bar.SetDataChanged();
    EXPECT_TRUE(status.mark);
    EXPECT_EQ(enabledCaptions(), (QStringList{"Nov", "Razveljavi", "Shrani"}));
    client.take();
    key(Keys::F12);
    EXPECT_EQ(client.take(), (QStringList{"AcceptAddNew", "BeforeAddNew", "ButtonClick(3)@2"}));
    EXPECT_EQ(bar.State(), BarState::Add);
    EXPECT_FALSE(bar.DataChanged());
    EXPECT_FALSE(status.mark);

    bar.SetDataChanged();
    client.refuseBeforeAddNew = true;
    key(Keys::F12);
    EXPECT_EQ(client.take(),
              (QStringList{"AcceptAddNew", "BeforeAddNew", "CancelAddNew", "EditEnd", "AddNewCanceled"}));
    EXPECT_EQ(bar.State(), BarState::Browse);
    EXPECT_FALSE(frame.editable);
}

TEST_F(Bar, RefusedSaveKeepsStatePressedButtonAndChanges) {
    init(2);
    key(Keys::F6);
    bar.SetDataChanged();
    client.take();
    client.refuseAcceptAddNew = true;
    key(Keys::F12);
    EXPECT_EQ(client.take(), QStringList{"AcceptAddNew"});
    EXPECT_EQ(bar.State(), BarState::Add);
    EXPECT_TRUE(bar.DataChanged());
    EXPECT_TRUE(status.mark);
    EXPECT_TRUE(pressed(2));
    EXPECT_TRUE(enabled(13));
    EXPECT_TRUE(frame.editable);

    // The same in edit state, and a record move is refused with it.
    client.refuseAcceptAddNew = false;
    key(Keys::F11);
    key(Keys::Esc);
    key(Keys::F5);
    bar.SetDataChanged();
    client.take();
    client.refuseAcceptEdit = true;
    key(Keys::F12);
    EXPECT_EQ(client.take(), QStringList{"AcceptEdit"});
    EXPECT_EQ(bar.State(), BarState::Edit);
    EXPECT_TRUE(bar.DataChanged());
    EXPECT_TRUE(pressed(4));
    EXPECT_TRUE(key(Keys::PgDn));
    EXPECT_EQ(client.take(), QStringList{"AcceptEdit"});
    EXPECT_TRUE(grid.moves.isEmpty());
    EXPECT_TRUE(bar.DataChanged());
    EXPECT_FALSE(bar.RecordMoveAllowed());
}

TEST_F(Bar, EditSaveAndLeaveEdit) {
    init(3);
    key(Keys::F5);
    EXPECT_EQ(client.take(), (QStringList{"BeginEditClick", "EditBegin"}));
    EXPECT_EQ(bar.State(), BarState::Edit);
    EXPECT_TRUE(pressed(4));
    EXPECT_TRUE(frame.editable);
    EXPECT_TRUE(frame.showChange);
    EXPECT_EQ(enabledCaptions(), (QStringList{"Najdi", "Uredi", "Nov", "Briši"}));

    bar.SetDataChanged();
    EXPECT_EQ(enabledCaptions(), (QStringList{"Uredi", "Briši", "Razveljavi", "Shrani"}));
    key(Keys::F12);
    EXPECT_EQ(client.take(), (QStringList{"AcceptEdit", "EditBegin", "KeyProcessEditAccepted"}));
    EXPECT_EQ(bar.State(), BarState::Edit);
    EXPECT_FALSE(bar.DataChanged());

    // By button the accepted edit is reported as EditAccepted.
    bar.SetDataChanged();
    bar.ClickButton(bar.positionOfRow(13));
    EXPECT_EQ(client.take(), (QStringList{"AcceptEdit", "EditBegin", "EditAccepted"}));

    // "Uredi" again with changes saves them and leaves edit state.
    bar.SetDataChanged();
    key(Keys::F5);
    EXPECT_EQ(client.take(), (QStringList{"AcceptEdit", "EditEnd", "KeyProcessEditAccepted"}));
    EXPECT_EQ(bar.State(), BarState::Browse);
    EXPECT_FALSE(pressed(4));

    client.refuseBeginEdit = true;
    key(Keys::F5);
    EXPECT_EQ(client.take(), QStringList{"BeginEditClick"});
    EXPECT_EQ(bar.State(), BarState::Browse);
    EXPECT_FALSE(frame.editable);
}

TEST_F(Bar, UndoKeepsTheStateAndClearsTheChanges) {
    init(3);
    key(Keys::F5);
    bar.SetDataChanged();
    client.take();
    key(Keys::F11);
    EXPECT_EQ(client.take(), (QStringList{"CancelEdit", "EditBegin"}));
    EXPECT_EQ(bar.State(), BarState::Edit);
    EXPECT_FALSE(bar.DataChanged());

    key(Keys::Esc);
    key(Keys::F6);
    bar.SetDataChanged();
    client.take();
    key(Keys::F11);
    EXPECT_EQ(client.take(), QStringList{"ClearAddNew"});
    EXPECT_EQ(bar.State(), BarState::Add);
    EXPECT_FALSE(bar.DataChanged());
    // Without changes "Razveljavi" is disabled and its key does nothing but is consumed.
    EXPECT_TRUE(key(Keys::F11));
    EXPECT_TRUE(client.take().isEmpty());
}

TEST_F(Bar, EscLeavesEditAndAddStateAndIsIgnoredInBrowse) {
    init(3);
    EXPECT_FALSE(key(Keys::Esc));
    key(Keys::F5);
    bar.SetDataChanged();
    client.take();
    EXPECT_TRUE(key(Keys::Esc));
    EXPECT_EQ(client.take(), (QStringList{"CancelEdit", "EditEnd"}));
    EXPECT_EQ(bar.State(), BarState::Browse);
    EXPECT_FALSE(bar.DataChanged());
    EXPECT_FALSE(frame.editable);

    key(Keys::F6);
    bar.SetDataChanged();
    client.take();
    EXPECT_TRUE(key(Keys::Esc));
    EXPECT_EQ(client.take(), (QStringList{"CancelAddNew", "EditEnd"}));
    EXPECT_EQ(bar.State(), BarState::Browse);
}

TEST_F(Bar, PgDnInAddStateSavesAndStartsTheNextRecordEvenWithoutChanges) {
    init(3);
    key(Keys::F6);
    client.take();
    EXPECT_TRUE(key(Keys::PgDn));
    EXPECT_EQ(client.take(), (QStringList{"AcceptAddNew", "BeforeAddNew", "ButtonClick(3)@2"}));
    EXPECT_EQ(bar.State(), BarState::Add);
    EXPECT_TRUE(grid.moves.isEmpty());

    client.refuseAcceptAddNew = true;
    key(Keys::PgDn);
    EXPECT_EQ(client.take(), QStringList{"AcceptAddNew"});
    EXPECT_EQ(bar.State(), BarState::Add);
}

TEST_F(Bar, RecordMovesSavePendingChangesFirst) {
    init(5);
    key(Keys::PgDn);
    key(Keys::PgUp);
    key(Keys::PgDn, ShiftBits::Ctrl);
    key(Keys::PgUp, ShiftBits::Ctrl);
    EXPECT_EQ(grid.moves, (QList<int>{1, 2, 3, 4}));
    EXPECT_TRUE(client.take().isEmpty());

    key(Keys::F5);
    bar.SetDataChanged();
    client.take();
    grid.moves.clear();
    EXPECT_TRUE(key(Keys::PgDn));
    EXPECT_EQ(client.take(), (QStringList{"AcceptEdit", "EditBegin", "KeyProcessEditAccepted"}));
    EXPECT_EQ(grid.moves, QList<int>{1});
    EXPECT_EQ(bar.State(), BarState::Edit);
    EXPECT_FALSE(bar.DataChanged());

    // In add state a move leaves add state (discarding the untouched record) and is not made.
    key(Keys::Esc);
    key(Keys::F6);
    client.take();
    bool notAdding = false;
    EXPECT_FALSE(bar.RecordMoveAllowed(&notAdding));
    EXPECT_TRUE(notAdding);
    EXPECT_EQ(client.take(), (QStringList{"CancelAddNew", "EditEnd"}));
    EXPECT_EQ(bar.State(), BarState::Browse);

    // A new record refused on its way out stays in add state with its changes.
    key(Keys::F6);
    bar.SetDataChanged();
    client.refuseAcceptAddNew = true;
    client.take();
    EXPECT_FALSE(bar.RecordMoveAllowed(&notAdding));
    EXPECT_FALSE(notAdding);
    EXPECT_EQ(client.take(), QStringList{"AcceptAddNew"});
    EXPECT_TRUE(bar.DataChanged());
    EXPECT_TRUE(pressed(2));
}

TEST_F(Bar, EnterSavesAndMovesOnToTheNextRecord) {
    init(5);
    EXPECT_TRUE(key(Keys::Enter)); // "Shrani" is disabled in browse state, the grid still moves on
    EXPECT_EQ(grid.moves, QList<int>{1});
    EXPECT_TRUE(client.take().isEmpty());

    key(Keys::F5);
    bar.SetDataChanged();
    client.take();
    grid.moves.clear();
    key(Keys::Enter);
    EXPECT_EQ(client.take(), (QStringList{"AcceptEdit", "EditBegin", "KeyProcessEditAccepted"}));
    EXPECT_EQ(grid.moves, QList<int>{1});

    // A refused save, or a pending condition in the status line, keeps the record.
    bar.SetDataChanged();
    client.refuseAcceptEdit = true;
    grid.moves.clear();
    key(Keys::Enter);
    EXPECT_TRUE(grid.moves.isEmpty());
    client.refuseAcceptEdit = false;
    status.pending = true;
    key(Keys::Enter);
    EXPECT_TRUE(grid.moves.isEmpty());
    EXPECT_FALSE(bar.DataChanged());
    status.pending = false;

    // In add state Enter saves and starts the next new record without moving.
    key(Keys::Esc);
    key(Keys::F6);
    bar.SetDataChanged();
    client.take();
    key(Keys::Enter);
    EXPECT_EQ(client.take(), (QStringList{"AcceptAddNew", "BeforeAddNew", "ButtonClick(3)@2"}));
    EXPECT_TRUE(grid.moves.isEmpty());
}

TEST_F(Bar, DeleteCopyAndFindGoToTheWindow) {
    init(3, QList<InitParam>{0, 4, 2, 8, 15, 13, 5, 7});
    key(Keys::F9);
    key(Keys::F7);
    key(Keys::F8);
    key(Keys::F3);
    EXPECT_EQ(client.take(),
              (QStringList{"ButtonClick(7)@0", "ButtonClick(5)@0", "ButtonClick(6)@0", "ButtonClick(1)@4"}));
    EXPECT_EQ(bar.State(), BarState::Browse);

    // A delete refused while editing keeps the unsaved changes.
    key(Keys::F5);
    bar.SetDataChanged();
    client.refuseButtonClick = true;
    key(Keys::F9);
    EXPECT_EQ(bar.State(), BarState::Edit);
    EXPECT_TRUE(bar.DataChanged());
}

TEST_F(Bar, ABarWithoutEditContainerOnlyRaisesButtonClick) {
    init(3, kStandard, false);
    key(Keys::F6);
    key(Keys::F5);
    key(Keys::F12);
    key(Keys::F9);
    EXPECT_EQ(client.take(), (QStringList{"ButtonClick(3)@0", "ButtonClick(4)@0", "ButtonClick(7)@0"}));
    EXPECT_EQ(bar.State(), BarState::Browse);
    EXPECT_FALSE(key(Keys::Esc));

    // Pass-through rows do the same on a bar with a container.
    init(3, QList<InitParam>{18, 21, 13});
    key(Keys::F5);
    key(Keys::Insert);
    EXPECT_EQ(client.take(), (QStringList{"ButtonClick(13)@0", "ButtonClick(15)@0"}));
    EXPECT_EQ(bar.State(), BarState::Browse);
}

TEST_F(Bar, KeysOutsideTheBarsRangeAreNotConsumed) {
    init(3);
    EXPECT_FALSE(key(Keys::F2));
    EXPECT_FALSE(key(Keys::Insert));
    EXPECT_FALSE(key(Keys::F4)); // within the range, but no button has it
    EXPECT_TRUE(client.take().isEmpty());
}

TEST_F(Bar, ButtonRulesFollowTheRecordCount) {
    init(0);
    EXPECT_EQ(enabledCaptions(), QStringList{"Nov"});
    init(1);
    EXPECT_EQ(enabledCaptions(), (QStringList{"Uredi", "Nov", "Briši"}));
    init(2);
    EXPECT_EQ(enabledCaptions(), (QStringList{"Najdi", "Uredi", "Nov", "Briši"}));
    bar.SetDeleteDisabled(true);
    EXPECT_EQ(enabledCaptions(), (QStringList{"Najdi", "Uredi", "Nov"}));
    key(Keys::F5);
    EXPECT_FALSE(enabled(8));
    key(Keys::Esc);

    bar.SetShowChangeAndResetDisabled(true);
    EXPECT_TRUE(enabled(13));
    EXPECT_TRUE(enabled(15));
    bar.SetDataChanged(); // not tracked
    EXPECT_FALSE(bar.DataChanged());

    // A closed record set counts as no records; no record set at all leaves "Uredi" on.
    grid.source.open = false;
    bar.UpdateButtons();
    EXPECT_FALSE(enabled(4));
    bar.Init(&client, &frame, kStandard);
    EXPECT_EQ(enabledCaptions(), (QStringList{"Uredi", "Nov"}));
}

TEST_F(Bar, WindowsThatSaveDirectlyGetSaveAndUndo) {
    init(2);
    bar.SetShowChangeAndResetDisabled(true);
    key(Keys::F12);
    key(Keys::F11);
    EXPECT_EQ(client.take(), (QStringList{"AcceptAddNew", "CancelAddNew"}));
    EXPECT_EQ(bar.State(), BarState::Browse);
    client.refuseAcceptAddNew = true;
    key(Keys::F12);
    EXPECT_EQ(client.take(), QStringList{"AcceptAddNew"});
    EXPECT_EQ(bar.State(), BarState::Browse);
    EXPECT_TRUE(enabled(13));
}

TEST_F(Bar, SecondaryGridDrivesNewAndDelete) {
    FakeGrid detail(0);
    init(0, QList<InitParam>{16, 17, &grid, &detail});
    EXPECT_EQ(bar.DataGrid(2), &detail);
    EXPECT_TRUE(enabledCaptions().isEmpty()); // "Dodaj" needs a record in the primary grid
    grid.source.count = 1;
    bar.UpdateButtons();
    EXPECT_EQ(enabledCaptions(), QStringList{"Dodaj"});
    detail.source.count = 1;
    bar.UpdateButtons();
    EXPECT_EQ(enabledCaptions(), (QStringList{"Dodaj", "Odstrani"}));

    key(Keys::PgDn, ShiftBits::Shift);
    key(Keys::PgUp, ShiftBits::Shift | ShiftBits::Ctrl);
    EXPECT_EQ(detail.moves, (QList<int>{1, 4}));
    EXPECT_TRUE(grid.moves.isEmpty());

    // Without the secondary grid "Odstrani" follows the primary records again.
    detail.source.count = 0;
    bar.SetDataGrid(nullptr, 2);
    EXPECT_EQ(enabledCaptions(), (QStringList{"Dodaj", "Odstrani"}));
}

TEST_F(Bar, LockingFollowsStateAndDisabledFlags) {
    init(2);
    key(Keys::F5);
    EXPECT_TRUE(frame.editable);
    bar.SetDataEntryDisabled(true);
    EXPECT_FALSE(frame.editable);
    bar.SetDataEntryDisabled(false);
    EXPECT_TRUE(frame.editable);
    bar.SetShowChangeDisabled(true);
    EXPECT_FALSE(frame.showChange);
    bar.SetDataChanged();
    EXPECT_FALSE(bar.DataChanged());
    EXPECT_FALSE(status.mark);
    EXPECT_GT(frame.focusCalls, 0);
}

TEST_F(Bar, ActivatePressAndResetAllKeys) {
    init(3, QList<InitParam>{0, 4, 2, 8, 15, 13, 18});
    bar.ButtonActivate(false, {18});
    EXPECT_FALSE(enabled(18));
    EXPECT_TRUE(enabled(4));
    bar.ButtonActivate(false);
    EXPECT_TRUE(enabledCaptions().isEmpty());
    bar.UpdateButtons();
    bar.ButtonPress(true, {18});
    EXPECT_TRUE(pressed(18));
    bar.UpdateButtons(); // pass-through buttons keep the look the window gave them
    EXPECT_TRUE(pressed(18));
    bar.ButtonPress(false, {18});

    key(Keys::F5);
    bar.SetDataChanged();
    client.take();
    EXPECT_TRUE(bar.ResetAllKeys());
    EXPECT_EQ(client.take(), (QStringList{"AcceptEdit", "EditEnd", "EditAccepted"}));
    EXPECT_EQ(bar.State(), BarState::Browse);
    EXPECT_TRUE(bar.ResetAllKeys()); // nothing pressed
    EXPECT_TRUE(client.take().isEmpty());
}

TEST_F(Bar, ReleasedClientGetsNoMoreEvents) {
    init(2);
    bar.Release(&client);
    EXPECT_FALSE(key(Keys::F6));
    EXPECT_TRUE(client.take().isEmpty());
    EXPECT_EQ(bar.usedButtonCount(), 0);
}
