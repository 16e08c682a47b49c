#pragma once

#include "RecordLogic.h"

#include <QList>

namespace zentrel::basicdata {

struct SkupinaProstorovFields {
    QString oznaka;
    QString ime;
};

// The tab "Skupine prostorov": named room groups (codes beginning with "$"). Members are rooms
// (named by their own groups) or other named groups; a group needs at least two.
class SkupineProstorov : public RecordLogic {
public:
    SkupineProstorov();

    bool open() { return m_list.requery(); }
    SkupinaProstorovFields current() const;
    QString label() const;
    QString frameHeader(bool adding) const;

    // Starts a new group: it gets its identifier now, so that members can be attached to it.
    qint64 beginAdd();
    qint64 newId() const { return m_newId; }

    // Members of a group (ID, OZNAKA, ST = members of a member group), ordered by code.
    db::RowSet members(qint64 group) const;
    // What may still join the group: rooms and named groups, never the group itself, its
    // members, nor a group that already contains it (directly or further down).
    db::RowSet available(qint64 group) const;
    // The named groups with their members beneath them: ID, OZNAKA, ID_OCETA (null for a group), ST.
    db::RowSet memberTree() const;
    // The rooms of a group, as listed under "Skupine prostorov" of the basic-data page set.
    db::RowSet roomsOfGroup(qint64 group) const;

    // "Oznaka ne sme biti prazna."; then at least two members, else
    // "Skupina mora vsebovati vsaj dva prostora in/ali skupini.".
    bool validate(const SkupinaProstorovFields &f, const QList<qint64> &memberIds);
    // Code with "$" in front (cut to 10), the group, its members; groups left empty go.
    bool acceptAddNew(const SkupinaProstorovFields &f, const QList<qint64> &memberIds);
    bool acceptEdit(const SkupinaProstorovFields &f, const QList<qint64> &memberIds);
    // Refuses a group used by a timetable with validity, else asks and deletes.
    bool deleteCurrent();

private:
    bool write(qint64 id, bool insert, const SkupinaProstorovFields &f, const QList<qint64> &memberIds);

    qint64 m_newId = -1;
};

} // namespace zentrel::basicdata
