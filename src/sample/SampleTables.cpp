#include "SampleTables.h"

#include <stdexcept>

namespace zentrel::sample {

void SampleTables::define(const QString &table, const QStringList &columns) {
    m_tables.append({table, columns, {}});
}

void SampleTables::add(const QString &table, const QVariantList &values) {
    for (auto &t : m_tables)
        if (t.table == table) {
            if (values.size() != t.columns.size())
                throw std::logic_error("sample row does not match its columns");
            t.rows.append(values);
            return;
        }
    throw std::logic_error("sample table not defined");
}

int SampleTables::rowCount(const QString &table) const {
    for (const auto &t : m_tables)
        if (t.table == table)
            return int(t.rows.size());
    return 0;
}

} // namespace zentrel::sample
