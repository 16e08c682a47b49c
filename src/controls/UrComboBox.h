#pragma once

#include "UrFieldControl.h"
#include "db/RowSet.h"

#include <QComboBox>

namespace zentrel::controls {

// "Vnos # ni na seznamu.": what a choice list says of a text that names none of its entries.
QString NotInListText();

// A choice from a list bound to a key field: the list shows ListFields of RowSource, the value
// is the IdField of the chosen row. Typed text is completed from the list by prefix; text that
// matches no entry raises OnDontMatchWithList when the field is validated.
class UrComboBox : public QComboBox, public UrFieldControl {
    Q_OBJECT
public:
    explicit UrComboBox(QWidget *parent = nullptr);

    // The list: its rows, the shown field(s) separated by ";" (the first is the text of the
    // field, the others are shown beside it in the list) and the key field.
    void SetRowSource(const db::RowSet &rows);
    const db::RowSet &RowSource() const { return m_rows; }
    void SetListFields(const QString &fields);
    QString ListFields() const { return m_listFields.join(u';'); }
    void SetIdField(const QString &field) { m_idField = field; }
    QString IdField() const { return m_idField; }

    QString Text() const { return currentText(); }
    // Sets the text as the program; the matching entry becomes current.
    void SetText(const QString &text);
    int ListIndex() const { return currentIndex(); }
    void SetListIndex(int index);
    bool ListDropped() const { return m_dropped; }
    bool ShowDataChanged() const { return ShowChange(); }
    void SetShowDataChanged(bool on) { SetShowChange(on); }
    bool MyAmbient() const { return m_ambient; }
    void SetMyAmbient(bool on) { m_ambient = on; }
    // The key value of the chosen entry (invalid when none is chosen).
    QVariant BoundId() const;
    // Handles a key as if typed into the field; true when used.
    bool ProcessKeyDown(int keyCode, int shift);

    bool Validate() override;
    void LoadValue(const QVariant &value) override;
    QVariant CurrentValue() const override { return BoundId(); }
    QWidget *widget() override { return this; }

signals:
    void OnDontMatchWithList(const QString &text);
    void OnDataChange();
    void Change();
    void SoftChange();
    void Validate(bool &pCancel);
    void Click();
    void NiListeClick();

protected:
    void showPopup() override;
    void hidePopup() override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void applyLocked(bool locked) override;

private:
    void refill();
    QString itemText(int row) const;

    db::RowSet m_rows;
    QStringList m_listFields;
    QString m_idField = QStringLiteral("ID");
    bool m_dropped = false;
    bool m_ambient = false;
    bool m_programSet = false;
};

} // namespace zentrel::controls
