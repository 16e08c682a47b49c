#include "RowSetModel.h"

#include "db/MBaza.h"

namespace zentrel::controls {

void RowSetModel::setRowSet(db::RowSet rows) {
    beginResetModel();
    m_rows = std::move(rows);
    m_open = true;
    endResetModel();
}

void RowSetModel::close() {
    beginResetModel();
    m_rows = db::RowSet();
    m_open = false;
    endResetModel();
}

void RowSetModel::setColumns(const QStringList &fields, const QStringList &captions, const QList<int> &aligns,
                             const QList<int> &widthsInChars) {
    beginResetModel();
    m_fields = fields;
    m_captions = captions;
    m_aligns = aligns;
    m_widths = widthsInChars;
    endResetModel();
}

QStringList RowSetModel::shownFields() const {
    return m_fields.isEmpty() ? m_rows.columns() : m_fields;
}

QString RowSetModel::fieldOfColumn(int column) const {
    const QStringList f = shownFields();
    return column >= 0 && column < f.size() ? f.at(column) : QString();
}

int RowSetModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : m_rows.rowCount();
}

int RowSetModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : int(shownFields().size());
}

QVariant RowSetModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || index.row() >= m_rows.rowCount())
        return {};
    if (role == Qt::DisplayRole)
        return db::FieldText(m_rows, index.row(), fieldOfColumn(index.column()));
    if (role == Qt::TextAlignmentRole) {
        const int align = index.column() < m_aligns.size() ? m_aligns.at(index.column()) : ColumnAlign::Left;
        const Qt::Alignment h = align == ColumnAlign::Right    ? Qt::AlignRight
                                : align == ColumnAlign::Center ? Qt::AlignHCenter
                                                               : Qt::AlignLeft;
        return QVariant::fromValue(int(h | Qt::AlignVCenter));
    }
    return {};
}

QVariant RowSetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    if (section < m_captions.size() && !m_captions.at(section).isEmpty())
        return m_captions.at(section);
    return fieldOfColumn(section);
}

} // namespace zentrel::controls
