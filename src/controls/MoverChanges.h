#pragma once

#include "db/Connection.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>

namespace zentrel::controls {

// The changes of the right (chosen) list of a two-list mover since it was filled: which
// identifiers were added and which removed. An item added and removed again (or the other way
// round) is no change at all.
class MoverChanges {
public:
    // Starts over with the identifiers the right list was filled with.
    void reset(const QList<qint64> &initialRight);
    void add(qint64 id);
    void remove(qint64 id);

    const QList<qint64> &added() const { return m_added; }
    const QList<qint64> &removed() const { return m_removed; }
    QStringList addedStrings() const;
    QStringList removedStrings() const;
    bool isEmpty() const { return m_added.isEmpty() && m_removed.isEmpty(); }

    // The statements that store the changes: one INSERT per added item, then one DELETE for
    // the removed ones. `columns` lists the owner column(s) first and the item column last
    // ("ID_UCITELJA,ID_SKUPINE_PROSTOROV"); ownerValues gives a value for each owner column.
    QStringList statements(const QVariantList &ownerValues, const QString &columns, const QString &table) const;

    // Runs the statements in one transaction (nested in the caller's when there is one).
    // False, with nothing written, when any statement fails.
    bool ZapisiVBazo(const QVariantList &ownerValues, const QString &columns, const QString &table,
                     db::Connection &connection) const;

private:
    QList<qint64> m_initial;
    QList<qint64> m_added;
    QList<qint64> m_removed;
};

} // namespace zentrel::controls
