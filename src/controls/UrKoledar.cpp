#include "UrKoledar.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace zentrel::controls {

namespace {

constexpr int kWeeks = 6;
const QColor kChosen(0x00, 0xFF, 0x00);
const QColor kMarked(0xFF, 0xFF, 0x00);
const QColor kSaturday(0x00, 0x00, 0xFF);
const QColor kSunday(0xFF, 0x00, 0x00);

// The Monday on or before the first of the month: the first cell of the grid.
QDate firstCell(const QDate &date) {
    const QDate first(date.year(), date.month(), 1);
    return first.addDays(1 - first.dayOfWeek());
}

} // namespace

UrKoledar::UrKoledar(QWidget *parent)
    : QWidget(parent), CaptionL(new QLabel), NazB(new QToolButton), NapB(new QToolButton),
      DneviFG(new QTableWidget(kWeeks, 7)) {
    setObjectName(QStringLiteral("UrKoledar"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *head = new QHBoxLayout;
    // The buttons are for the mouse; the keyboard moves through the days in the grid.
    NazB->setFocusPolicy(Qt::NoFocus);
    NapB->setFocusPolicy(Qt::NoFocus);
    NazB->setText(QStringLiteral("<"));
    NazB->setToolTip(QStringLiteral("Prejšnji mesec"));
    NapB->setText(QStringLiteral(">"));
    NapB->setToolTip(QStringLiteral("Naslednji mesec"));
    CaptionL->setAlignment(Qt::AlignCenter);
    head->addWidget(NazB);
    head->addWidget(CaptionL, 1);
    head->addWidget(NapB);
    layout->addLayout(head);
    layout->addWidget(DneviFG);

    const QLocale sl(QLocale::Slovenian, QLocale::Slovenia);
    QStringList days;
    for (int d = 1; d <= 7; ++d)
        days << sl.dayName(d, QLocale::ShortFormat);
    DneviFG->setHorizontalHeaderLabels(days);
    DneviFG->verticalHeader()->hide();
    DneviFG->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DneviFG->setSelectionMode(QAbstractItemView::NoSelection);
    DneviFG->setTabKeyNavigation(false);
    DneviFG->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    DneviFG->horizontalHeader()->setDefaultSectionSize(DneviFG->fontMetrics().horizontalAdvance(QStringLiteral("000")) +
                                                       10);
    DneviFG->verticalHeader()->setDefaultSectionSize(DneviFG->fontMetrics().height() + 6);
    DneviFG->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    DneviFG->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    DneviFG->setFixedSize(DneviFG->horizontalHeader()->defaultSectionSize() * 7 + 4,
                          DneviFG->verticalHeader()->defaultSectionSize() * kWeeks +
                              DneviFG->horizontalHeader()->sizeHint().height() + 4);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setFocusProxy(DneviFG);

    DneviFG->installEventFilter(this);
    connect(NazB, &QToolButton::clicked, this, &UrKoledar::PreviousMonth);
    connect(NapB, &QToolButton::clicked, this, &UrKoledar::NextMonth);
    connect(DneviFG, &QTableWidget::cellClicked, this, &UrKoledar::cellChosen);
    connect(DneviFG, &QTableWidget::currentCellChanged, this, [this](int row, int column) { cellChosen(row, column); });
    SetDate(QDate::currentDate());
}

bool UrKoledar::eventFilter(QObject *watched, QEvent *event) {
    // The arrows walk through the dates, across weeks and months, not only within the grid.
    if (watched == DneviFG && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        const int step = key == Qt::Key_Left    ? -1
                         : key == Qt::Key_Right ? 1
                         : key == Qt::Key_Up    ? -7
                         : key == Qt::Key_Down  ? 7
                                                : 0;
        if (step != 0) {
            choose(m_date.addDays(step));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void UrKoledar::SetDate(const QDate &date) {
    if (!date.isValid())
        return;
    m_date = date;
    Refresh();
}

void UrKoledar::SetDates(const QList<QDate> &dates) {
    m_marked = dates;
    Refresh();
}

void UrKoledar::SetFocus1() {
    DneviFG->setFocus(Qt::OtherFocusReason);
}

void UrKoledar::ClearGrid() {
    m_marked.clear();
    Refresh();
}

void UrKoledar::NextMonth() {
    choose(m_date.addMonths(1));
}

void UrKoledar::PreviousMonth() {
    choose(m_date.addMonths(-1));
}

void UrKoledar::SetColor(const QColor &color) {
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setAutoFillBackground(true);
    setPalette(p);
}

QDate UrKoledar::dateAt(int row, int column) const {
    return firstCell(m_date).addDays(row * 7 + column);
}

void UrKoledar::Refresh() {
    m_filling = true;
    CaptionL->setText(QLocale(QLocale::Slovenian, QLocale::Slovenia).toString(m_date, QStringLiteral("MMMM yyyy")));
    for (int row = 0; row < kWeeks; ++row)
        for (int column = 0; column < 7; ++column) {
            const QDate d = dateAt(row, column);
            auto *item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            if (d.month() == m_date.month()) {
                item->setText(QString::number(d.day()));
                item->setData(Qt::UserRole, d);
                if (column == 5)
                    item->setForeground(kSaturday);
                else if (column == 6)
                    item->setForeground(kSunday);
                if (d == m_date)
                    item->setBackground(kChosen);
                else if (m_marked.contains(d))
                    item->setBackground(kMarked);
            } else {
                item->setFlags(Qt::NoItemFlags);
            }
            DneviFG->setItem(row, column, item);
        }
    const int index = int(firstCell(m_date).daysTo(m_date));
    DneviFG->setCurrentCell(index / 7, index % 7);
    m_filling = false;
}

void UrKoledar::cellChosen(int row, int column) {
    if (m_filling || row < 0 || column < 0)
        return;
    const QDate d = dateAt(row, column);
    // The arrow keys may walk off the month: the grid then turns to that month.
    if (d != m_date)
        choose(d);
}

void UrKoledar::choose(const QDate &date) {
    if (!date.isValid() || date == m_date)
        return;
    m_date = date;
    Refresh();
    emit DateChanged(m_date);
}

} // namespace zentrel::controls
