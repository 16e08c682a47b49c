#pragma once

#include "db/RowSet.h"

#include <QList>
#include <QString>

namespace zentrel::basicdata {

// The two lists of a mover box for one owner record: the items linked to the owner ("chosen")
// and the items that may still be linked ("available"), both with the columns ID and OZNAKA;
// saving stores the difference to what was loaded into the link table in one transaction.
class LinkList {
public:
    struct Config {
        QString chosenSql;    // %1: the owner's identifier
        QString availableSql; // %1: the owner's identifier
        QString table;        // the link table, e.g. "UCITELJ_PROSTOR"
        QString ownerColumn;  // e.g. "ID_UCITELJA"
        QString itemColumn;   // e.g. "ID_SKUPINE_PROSTOROV"
    };

    explicit LinkList(Config config) : m_config(std::move(config)) {}
    virtual ~LinkList() = default;

    // Reads both lists of an owner; an owner below 1 gives two empty lists.
    bool load(qint64 owner);
    qint64 owner() const { return m_owner; }
    const db::RowSet &chosen() const { return m_chosen; }
    const db::RowSet &available() const { return m_available; }
    QList<qint64> chosenIds() const;
    // Every item that may be on the right: the chosen ones and the available ones (ID, OZNAKA),
    // so that an item moved back to the left is offered again.
    db::RowSet candidates() const;

    // Stores the new chosen list: inserts what was added, deletes what was removed (as the mover
    // box's ZapisiVBazo does), then reloads. True when stored (or nothing changed).
    bool save(const QList<qint64> &chosenIds);

private:
    Config m_config;
    qint64 m_owner = -1;
    db::RowSet m_chosen;
    db::RowSet m_available;
};

} // namespace zentrel::basicdata
