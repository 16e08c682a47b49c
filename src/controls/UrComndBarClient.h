#pragma once

#include "CommandBarClient.h"

#include <QWidget>

namespace zentrel::controls {

// The invisible control a data window places to hear the command bar: each event of the bar
// comes out as the signal of the same name, raised in the window (direct connections only:
// the by-reference arguments are the window's answer).
class UrComndBarClient : public QWidget, public CommandBarClient {
    Q_OBJECT
public:
    explicit UrComndBarClient(QWidget *parent = nullptr);
    ~UrComndBarClient() override;

    void ButtonClick(int &pButtonType, bool &pCancel) override { emit buttonClick(pButtonType, pCancel); }
    void AcceptAddNew(bool &pCancel) override { emit acceptAddNew(pCancel); }
    void CancelAddNew() override { emit cancelAddNew(); }
    void ClearAddNew() override { emit clearAddNew(); }
    void AcceptEdit(bool &pCancel) override { emit acceptEdit(pCancel); }
    void CancelEdit() override { emit cancelEdit(); }
    void EditBegin() override { emit editBegin(); }
    void EditEnd() override { emit editEnd(); }
    void BeforeAddNew(bool &pCancel) override { emit beforeAddNew(pCancel); }
    void AddNewCanceled() override { emit addNewCanceled(); }
    void EditAccepted() override { emit editAccepted(); }
    void KeyProcessEditAccepted() override { emit keyProcessEditAccepted(); }
    void BeginEditClick(bool &pCancel) override { emit beginEditClick(pCancel); }

signals:
    void buttonClick(int &pButtonType, bool &pCancel);
    void acceptAddNew(bool &pCancel);
    void cancelAddNew();
    void clearAddNew();
    void acceptEdit(bool &pCancel);
    void cancelEdit();
    void editBegin();
    void editEnd();
    void beforeAddNew(bool &pCancel);
    void addNewCanceled();
    void editAccepted();
    void keyProcessEditAccepted();
    void beginEditClick(bool &pCancel);
};

} // namespace zentrel::controls
