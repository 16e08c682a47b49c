#pragma once

#include "controls/CommandBarState.h"

#include <QStringList>

namespace zentrel::test {

// A client that records every event by name and answers pCancel from its settings.
class RecordingClient : public controls::CommandBarClient {
public:
    QStringList events;
    bool refuseAcceptEdit = false;
    bool refuseAcceptAddNew = false;
    bool refuseBeginEdit = false;
    bool refuseBeforeAddNew = false;
    bool refuseButtonClick = false;
    controls::CommandBarState *bar = nullptr; // to record the state seen inside an event

    void ButtonClick(int &pButtonType, bool &pCancel) override {
        events << QStringLiteral("ButtonClick(%1)").arg(pButtonType) + stateTag();
        pCancel = refuseButtonClick;
    }
    void AcceptAddNew(bool &pCancel) override {
        events << QStringLiteral("AcceptAddNew");
        pCancel = refuseAcceptAddNew;
    }
    void CancelAddNew() override { events << QStringLiteral("CancelAddNew"); }
    void ClearAddNew() override { events << QStringLiteral("ClearAddNew"); }
    void AcceptEdit(bool &pCancel) override {
        events << QStringLiteral("AcceptEdit");
        pCancel = refuseAcceptEdit;
    }
    void CancelEdit() override { events << QStringLiteral("CancelEdit"); }
    void EditBegin() override { events << QStringLiteral("EditBegin"); }
    void EditEnd() override { events << QStringLiteral("EditEnd"); }
    void BeforeAddNew(bool &pCancel) override {
        events << QStringLiteral("BeforeAddNew");
        pCancel = refuseBeforeAddNew;
    }
    void AddNewCanceled() override { events << QStringLiteral("AddNewCanceled"); }
    void EditAccepted() override { events << QStringLiteral("EditAccepted"); }
    void KeyProcessEditAccepted() override { events << QStringLiteral("KeyProcessEditAccepted"); }
    void BeginEditClick(bool &pCancel) override {
        events << QStringLiteral("BeginEditClick");
        pCancel = refuseBeginEdit;
    }

    QStringList take() {
        QStringList e = events;
        events.clear();
        return e;
    }

private:
    QString stateTag() const { return bar ? QStringLiteral("@%1").arg(bar->State()) : QString(); }
};

class FakeSource : public controls::RecordSource {
public:
    explicit FakeSource(int count = 0, bool open = true) : count(count), open(open) {}
    bool isOpen() const override { return open; }
    int recordCount() const override { return count; }
    int count;
    bool open;
};

class FakeGrid : public controls::RecordGrid {
public:
    explicit FakeGrid(int count) : source(count) {}
    const controls::RecordSource *recordSource() const override { return &source; }
    bool moveRecord(int direction) override {
        moves << direction;
        return true;
    }
    FakeSource source;
    QList<int> moves;
};

class FakeContainer : public controls::EditContainer {
public:
    void applyLock(bool e, bool s) override {
        editable = e;
        showChange = s;
        ++lockCalls;
    }
    void restoreFocus() override { ++focusCalls; }
    void focusFirst() override { ++firstFieldCalls; }
    bool editable = true;
    bool showChange = false;
    int lockCalls = 0;
    int focusCalls = 0;
    int firstFieldCalls = 0;
};

class FakeStatus : public controls::StatusIndicator {
public:
    void showDataChanged(bool c) override { mark = c; }
    bool pendingCondition() const override { return pending; }
    bool mark = false;
    bool pending = false;
};

} // namespace zentrel::test
