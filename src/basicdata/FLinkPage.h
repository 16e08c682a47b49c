#pragma once

#include "FRecordPage.h"
#include "db/RowSet.h"

#include <functional>

namespace zentrel::controls {
class UrMoverBox;
}
class QLabel;

namespace zentrel::basicdata {

// A link tab: the owner's record grid (teachers, classes, subjects, programmes) and a mover
// box with the owner's chosen items on the right and the available ones on the left. "Uredi"
// unlocks the mover, "Shrani" stores its list, "Razveljavi" reloads it.
class FLinkPage : public FRecordPage {
    Q_OBJECT
public:
    // What a link tab is made of; the page keeps the owner logic, the lists come from hooks.
    struct Binding {
        RecordLogic *owner = nullptr;                               // the record list of the grid
        std::function<void(int)> moveOwner;                         // a grid move (remembers the shared record)
        std::function<bool()> reopenOwner;                          // re-reads the owner list
        std::function<bool(qint64)> load;                           // reads the lists of an owner
        std::function<db::RowSet()> chosen;                         // the right list
        std::function<db::RowSet(const QList<qint64> &)> available; // the left list for a right list
        std::function<bool(const QList<qint64> &)> save;
        std::function<QString()> caption; // the mover's caption, with the owner
        std::function<QString()> header;  // the header line
        // Asked before an item leaves the right list; false puts it back. May be empty.
        std::function<bool(qint64)> mayRemove;
        QString gridCaption; // "Učitelji", "Enote", ...
        QStringList columnFields{QStringLiteral("OZNAKA"), QStringLiteral("IME")};
        QStringList columnCaptions{QStringLiteral("Oznaka"), QStringLiteral("Ime")};
        QList<int> columnWidths{8, 24};
        QString idField = QStringLiteral("ID");
        QString labelField = QStringLiteral("OZNAKA");
    };

    FLinkPage(Binding binding, const QString &chosenCaption, QWidget *parent = nullptr);

    controls::UrMoverBox *Mover;
    QLabel *MoverL;

protected:
    RecordLogic &logic() override { return *m_b.owner; }
    bool reopen() override { return m_b.reopenOwner(); }
    void moved(int row) override { m_b.moveOwner(row); }
    void showRecord() override;
    bool saveEdit() override;
    QString headerText() const override { return m_b.header(); }

private:
    void onMoverChanged();
    void fill(const db::RowSet &right, const QList<qint64> &ids);

    Binding m_b;
    QList<qint64> m_shown; // right list after the last change
    db::RowSet m_known;    // every item seen, for the labels of a rebuilt right list
    bool m_filling = false;
};

} // namespace zentrel::basicdata
