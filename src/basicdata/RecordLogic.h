#pragma once

#include "RecordList.h"

#include <QString>

namespace zentrel::basicdata {

// What the logic classes of the record windows share: their record list and the field that
// the last refused validation concerns, so that the window can put the focus there.
class RecordLogic {
public:
    virtual ~RecordLogic() = default;

    RecordList &list() { return m_list; }
    const RecordList &list() const { return m_list; }
    // The column name of the field a refusal concerns (e.g. "OZNAKA"); empty after success.
    const QString &invalidField() const { return m_invalidField; }

protected:
    explicit RecordLogic(QString sql = {}) : m_list(std::move(sql)) {}
    // Shows a refusal (kind 2), remembers the field and returns false.
    bool refuse(const QString &field, const QString &text, const QVariant &value = {});
    void accepted() { m_invalidField.clear(); }

    RecordList m_list;
    QString m_invalidField;
};

} // namespace zentrel::basicdata
