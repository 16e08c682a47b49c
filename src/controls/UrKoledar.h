#pragma once

#include <QDate>
#include <QList>
#include <QWidget>

class QLabel;
class QTableWidget;
class QToolButton;

namespace zentrel::controls {

// A month calendar for choosing a date: one month as a grid of weeks, Monday to Sunday, under
// the caption "mmmm yyyy", with buttons for the month before and after. The chosen date is
// green, marked dates yellow, Saturdays blue and Sundays red. A click on a day, or the arrow
// keys in the grid (a day, or a week up and down), choose a date and raise DateChanged;
// SetDate does not raise it.
class UrKoledar : public QWidget {
    Q_OBJECT
public:
    explicit UrKoledar(QWidget *parent = nullptr);

    void SetDate(const QDate &date);
    QDate GetDate() const { return m_date; }
    // Dates to mark (for example the days that have absences).
    void SetDates(const QList<QDate> &dates);
    // Puts the keyboard focus into the day grid.
    void SetFocus1();
    // Forgets the marked dates.
    void ClearGrid();
    void Refresh();
    // Shows the month after or before, choosing the same day of it (or its last day).
    void NextMonth();
    void PreviousMonth();
    // Back colour of the control.
    void SetColor(const QColor &color);

    QLabel *CaptionL;
    QToolButton *NazB;
    QToolButton *NapB;
    QTableWidget *DneviFG;

signals:
    void DateChanged(const QDate &date);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void choose(const QDate &date);
    void cellChosen(int row, int column);
    QDate dateAt(int row, int column) const;

    QDate m_date;
    QList<QDate> m_marked;
    bool m_filling = false;
};

} // namespace zentrel::controls
