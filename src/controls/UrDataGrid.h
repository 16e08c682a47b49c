#pragma once

#include "RecordGrid.h"
#include "RowSetModel.h"

#include <QWidget>

class QLabel;
class QTableView;
class QToolButton;

namespace zentrel::db {
class Connection;
}

namespace zentrel::controls {

// The record list of a data window: a grid over a row set with a four-button navigator.
// Moves made by the user (navigator, keys, clicks) ask the command bar first when the bar
// serves this grid, so that pending changes are saved or the move refused; moves made by the
// window (Requery, Find, RestoreRowPos) do not ask. RowColChange follows every change of the
// current record.
class UrDataGrid : public QWidget, public RecordGrid {
    Q_OBJECT
public:
    explicit UrDataGrid(QWidget *parent = nullptr);
    ~UrDataGrid() override;

    void SetCaption(const QString &caption);
    QString Caption() const;

    // Binds the grid to a query of the connection (the project connection when null) and reads
    // it; false, with the error reported, when the query fails.
    bool SetDataSource(const QString &sql, db::Connection *connection = nullptr);
    // Shows rows read elsewhere (Requery then keeps them).
    void SetRowSet(db::RowSet rows);
    const db::RowSet &DataSource() const { return m_model.rowSet(); }
    QString Sql() const { return m_sql; }
    RowSetModel *Model() { return &m_model; }

    // The column list: field names, captions, alignments (ColumnAlign) and widths in characters.
    void SetDataField(const QStringList &fields);
    void SetDataFieldCaption(const QStringList &captions);
    void SetDataFieldAlign(const QList<int> &aligns);
    void SetDataFieldLenChrs(const QList<int> &widths);
    QStringList DataField() const { return m_fields; }

    // Field searched by typing into the grid and by the search dialog (the first column when
    // empty), and its caption.
    QString LeadingChar() const { return m_leadingField; }
    void SetLeadingChar(const QString &field) { m_leadingField = field; }
    QString SearchField() const;
    QString SearchCaption() const;
    bool Locked() const { return m_locked; }
    void SetLocked(bool locked);
    // The navigator and keys of the secondary grid (Shift with PgUp and PgDn).
    bool SecondKeySet() const { return m_secondKeySet; }
    void SetSecondKeySet(bool on);
    bool Izbran() const { return m_izbran; }
    void SetIzbran(bool selected);
    QTableView *DG() const { return m_view; }
    QToolButton *NavigatorButton(int index) const;

    // Current record: its row in the row set (-1 none) and its values.
    int CurrentRow() const { return m_current; }
    QVariant Value(const QString &field) const;
    qint64 CurrentId() const;

    // Starts a new record: no record is current until AddNewCancel or a requery.
    void AddNew();
    void AddNewCancel();
    bool Adding() const { return m_adding; }
    // Row height from the program's size class (0, 1 or 2: 240, 270, 300 twips).
    void AdjustHeight();
    static void SetSizeClass(int sizeClass);
    // Makes the first record whose field equals the value current (no question to the bar).
    bool Find(const QString &field, const QVariant &value);
    // Makes the first record whose search field begins with the text current.
    bool FindPrefix(const QString &text);
    // A move by the user: asks the command bar first. Directions: MoveDirection.
    bool Move(int direction);
    bool MoveToLastRecord() { return Move(MoveDirection::Last); }
    // A move by the user to a row: asks the command bar first.
    bool RecordMove(int row);
    void RefreshDG();
    // Reads the query again and goes to the first record.
    bool Requery();
    // Reads the query again and returns to the record that was current.
    bool RequeryToSamePosition();
    void SaveRowPos();
    void RestoreRowPos();

    // RecordGrid
    const RecordSource *recordSource() const override { return &m_model; }
    bool moveRecord(int direction) override;

    // Makes a row current without asking anyone (the window's own positioning).
    bool setCurrentRow(int row);
    // From the inner view: a click on a row, and text typed into the grid.
    void userClickedRow(int row);
    void FindPrefixByUser(const QString &text);

signals:
    void RowColChange();
    void SameRecordClick();

private:
    bool reread();
    bool askBar();
    void applyColumns();
    int targetRow(int direction) const;
    void updateNavigator();

    RowSetModel m_model;
    QLabel *m_caption;
    QTableView *m_view;
    QList<QToolButton *> m_navigator;
    QString m_sql;
    db::Connection *m_connection = nullptr;
    QStringList m_fields;
    QStringList m_captions;
    QList<int> m_aligns;
    QList<int> m_widths;
    QString m_leadingField;
    int m_current = -1;
    bool m_adding = false;
    bool m_locked = false;
    bool m_secondKeySet = false;
    bool m_izbran = false;
    int m_savedRow = -1;
    QVariant m_savedId;
};

} // namespace zentrel::controls
