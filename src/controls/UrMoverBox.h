#pragma once

#include "MoverChanges.h"
#include "UrFieldControl.h"
#include "db/RowSet.h"

#include <QWidget>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QToolButton;

namespace zentrel::controls {

// Two lists: the available items on the left and the chosen ones on the right, moved between
// them with the buttons (or a double click). It keeps what was added to and removed from the
// right list since it was filled, shows the count in its total label, and stores the changes
// with ZapisiVBazo.
class UrMoverBox : public QWidget, public UrFieldControl {
    Q_OBJECT
public:
    explicit UrMoverBox(QWidget *parent = nullptr);

    void SetRowSourceLeft(const db::RowSet &rows) { m_left = rows; }
    void SetRowSourceRight(const db::RowSet &rows) { m_right = rows; }
    void SetListFieldLeft(const QString &field) { m_fieldLeft = field; }
    void SetListFieldRight(const QString &field) { m_fieldRight = field; }
    void SetIdField(const QString &field) { m_idField = field; }
    QString IdField() const { return m_idField; }
    bool MoveAllAllowed() const { return m_moveAll; }
    void SetMoveAllAllowed(bool on);
    // A fixed right list: nothing moves.
    bool ConstantList() const { return m_constant; }
    void SetConstantList(bool on);
    bool SmallFont() const { return m_smallFont; }
    void SetSmallFont(bool on);
    void SetCaptions(const QString &left, const QString &right);

    // Fills both lists from their record sets (the left one without the items already on the
    // right) and starts counting changes afresh.
    void FillIDLIsts();
    // The identifiers of the right list, in order.
    QList<qint64> GetList() const;
    int ListCount() const;
    // The identifier of the current item of the right list (-1 when none).
    qint64 CurrentId() const;

    const QList<qint64> &AddedItems() const { return m_changes.added(); }
    const QList<qint64> &RemovedItems() const { return m_changes.removed(); }
    int AddedItemsCount() const { return int(m_changes.added().size()); }
    int RemovedItemsCount() const { return int(m_changes.removed().size()); }
    QStringList AddedItemsStringList() const { return m_changes.addedStrings(); }
    QStringList RemovedItemsStringList() const { return m_changes.removedStrings(); }

    // The total label and its text ("Skupaj: " and the number of chosen items).
    QLabel *Skupaj() const { return m_total; }
    void NapisiStevilo();

    // Moves items by identifier, as the buttons do (false when locked or not there).
    bool MoveRight(qint64 id);
    bool MoveLeft(qint64 id);
    void MoveAllRight();
    void MoveAllLeft();

    // Stores the changes of the right list for the owner, in one transaction on the project
    // connection (or the one given); afterwards the current lists count as unchanged.
    bool ZapisiVBazo(const QVariantList &ownerValues, const QString &columns, const QString &table,
                     db::Connection *connection = nullptr);

    void LoadValue(const QVariant &) override {}
    QVariant CurrentValue() const override { return QVariant(); }
    QWidget *widget() override { return this; }
    QWidget *focusTarget() override;

    QListWidget *LeftList() const { return m_leftList; }
    QListWidget *RightList() const { return m_rightList; }

signals:
    void Changed();

protected:
    void applyLocked(bool locked) override;

protected:
    // The keyboard moves entries as the buttons do: Right (or Space) in the left list moves the
    // current entry right, Left (or Space) in the right list moves it back.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void moveItem(QListWidget *from, QListWidget *to, QListWidgetItem *item);
    // After a move: the count, the change mark, and Changed to the window.
    void changed();
    static QListWidgetItem *itemOf(QListWidget *list, qint64 id);
    void updateButtons();

    db::RowSet m_left;
    db::RowSet m_right;
    QString m_fieldLeft;
    QString m_fieldRight;
    QString m_idField = QStringLiteral("ID");
    bool m_moveAll = true;
    bool m_constant = false;
    bool m_smallFont = false;
    bool m_moving = false; // Changed of a move is being emitted
    MoverChanges m_changes;
    QLabel *m_captionLeft;
    QLabel *m_captionRight;
    QListWidget *m_leftList;
    QListWidget *m_rightList;
    QToolButton *m_toRight;
    QToolButton *m_allRight;
    QToolButton *m_toLeft;
    QToolButton *m_allLeft;
    QLabel *m_total;
};

} // namespace zentrel::controls
