#pragma once

#include "UrFieldControl.h"
#include "db/RowSet.h"

#include <QWidget>

class QLabel;
class QListWidget;

namespace zentrel::controls {

// A captioned list of one field of a record set. Bound to a field (DataField), its value is
// the text of the chosen entry.
class UrListBox : public QWidget, public UrFieldControl {
    Q_OBJECT
public:
    explicit UrListBox(QWidget *parent = nullptr);

    QString Caption() const;
    void SetCaption(const QString &caption);
    void SetListField(const QString &field);
    QString ListField() const { return m_listField; }
    void SetRowSource(const db::RowSet &rows);
    const db::RowSet &RowSource() const { return m_rows; }
    // The record set the bound field belongs to (the window's).
    void SetDataSource(const db::RowSet *rows) { m_dataSource = rows; }
    const db::RowSet *DataSource() const { return m_dataSource; }
    QListWidget *List() const { return m_list; }
    WId GetHwnd();
    int ListIndex() const;
    void SetListIndex(int index);

    void LoadValue(const QVariant &value) override;
    QVariant CurrentValue() const override;
    QWidget *widget() override { return this; }
    QWidget *focusTarget() override;

signals:
    void Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void applyLocked(bool locked) override;

private:
    void refill();

    QLabel *m_caption;
    QListWidget *m_list;
    QString m_listField;
    db::RowSet m_rows;
    const db::RowSet *m_dataSource = nullptr;
    bool m_programSet = false;
};

} // namespace zentrel::controls
