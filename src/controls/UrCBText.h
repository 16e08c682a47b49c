#pragma once

#include "UrFieldControl.h"
#include "db/RowSet.h"

#include <QLineEdit>

class QListWidget;

namespace zentrel::controls {

// A text field with its own drop-down list. While the user types, the list record set is
// searched from its first record by prefix of the shown field and the list follows; when a
// value is set or confirmed, the exact match gives the key value (IdField). NiListe tells that
// the text is not an entry of the list; EmptyAllowed whether an empty text is a valid value.
class UrCBText : public QLineEdit, public UrFieldControl {
    Q_OBJECT
public:
    explicit UrCBText(QWidget *parent = nullptr);
    ~UrCBText() override;

    void SetRowSource(const db::RowSet &rows);
    const db::RowSet &RowSource() const { return m_rows; }
    // The shown field(s), separated by ";": the first is searched and becomes the text.
    void SetListFields(const QString &fields) { m_listFields = fields.split(u';', Qt::SkipEmptyParts); }
    QString ListFields() const { return m_listFields.join(u';'); }
    void SetIdField(const QString &field) { m_idField = field; }
    QString IdField() const { return m_idField; }

    QString Text() const { return text(); }
    // Sets the text as the program and looks it up exactly.
    void SetText(const QString &text);
    // The row of the list that matches (prefix while typing, exact after confirmation); -1.
    int ListIndex() const { return m_listIndex; }
    bool ListDropped() const;
    int WidChrs() const { return m_widChrs; }
    void SetWidChrs(int chars);
    int MaxLength() const { return maxLength(); }
    void SetMaxLength(int length) { setMaxLength(length); }
    bool EmptyAllowed() const { return m_emptyAllowed; }
    void SetEmptyAllowed(bool on) { m_emptyAllowed = on; }
    bool NiListe() const { return m_niListe; }
    int SteviloZapisov() const { return m_rows.rowCount(); }
    // The key value of the confirmed entry (invalid when the text is not in the list).
    QVariant BoundId() const;

    void Clear();
    // Reads the list again from new rows, keeping the text.
    void MyRefresh(const db::RowSet &rows);
    // Down/Up move in the dropped list, Enter takes the entry, Esc closes; true when used.
    bool ProcessKeyDown(int keyCode, int shift);
    void SetInputFocus() { setFocus(Qt::OtherFocusReason); }
    // Opens the list with every entry, or closes it when it is open.
    void ProcessDropClick();
    // Takes the text of the highlighted list entry.
    void UpdateTextFromList();
    void HideDropList();
    int ControlWidth() const { return width(); }

    bool KeepsKey(int qtKey) const override;
    bool Validate() override;
    void LoadValue(const QVariant &value) override;
    QVariant CurrentValue() const override { return BoundId(); }
    QWidget *widget() override { return this; }

signals:
    void Change();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void applyLocked(bool locked) override { setReadOnly(locked); }

private:
    QString shownText(int row) const;
    void confirmExact();
    void showList(const QString &prefix);

    db::RowSet m_rows;
    QStringList m_listFields;
    QString m_idField = QStringLiteral("ID");
    int m_listIndex = -1;
    int m_widChrs = 0;
    bool m_emptyAllowed = true;
    bool m_niListe = false;
    QListWidget *m_popup;
};

} // namespace zentrel::controls
