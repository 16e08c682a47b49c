#pragma once

#include <QDialog>

class QLabel;

namespace zentrel::controls {

class UrButton;
class UrDataGrid;
class UrText;

// The search dialog of the command "Najdi": as the user types, the grid's record set is
// searched from its first record for the first record whose search field begins with the
// typed text, and the grid shows it. "Najdi" looks for the next such record; Enter or Esc
// closes the dialog.
class FIskanje : public QDialog {
    Q_OBJECT
public:
    explicit FIskanje(UrDataGrid *grid, QWidget *parent = nullptr);

    // Opens the dialog modally over the grid's window.
    static void Search(UrDataGrid *grid, QWidget *parent = nullptr);

    UrText *SearchText() const { return m_text; }
    QLabel *FieldLabel() const { return m_label; }
    QLabel *ResultLabel() const { return m_result; }
    UrButton *FindButton() const { return m_find; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void searchFrom(int row);

    UrDataGrid *m_grid;
    QLabel *m_label;
    UrText *m_text;
    QLabel *m_result;
    UrButton *m_find;
};

} // namespace zentrel::controls
