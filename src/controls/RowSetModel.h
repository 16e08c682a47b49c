#pragma once

#include "RecordSource.h"
#include "db/RowSet.h"

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

namespace zentrel::controls {

// Column alignments of a record grid (DataFieldAlign).
namespace ColumnAlign {
constexpr int Left = 0;
constexpr int Right = 1;
constexpr int Center = 2;
} // namespace ColumnAlign

// The one adapter through which record grids show a row set. The shown columns are the
// DataField list (all columns of the row set when the list is empty); captions, alignments
// and widths in characters come with them. An unset row set counts as closed.
class RowSetModel : public QAbstractTableModel, public RecordSource {
public:
    explicit RowSetModel(QObject *parent = nullptr) : QAbstractTableModel(parent) {}

    // Replaces the rows (a requery); the model is open afterwards.
    void setRowSet(db::RowSet rows);
    // Drops the rows; the model counts as closed.
    void close();
    const db::RowSet &rowSet() const { return m_rows; }

    void setColumns(const QStringList &fields, const QStringList &captions = {}, const QList<int> &aligns = {},
                    const QList<int> &widthsInChars = {});
    const QStringList &fields() const { return m_fields; }
    const QStringList &captions() const { return m_captions; }
    // Field name of a shown column.
    QString fieldOfColumn(int column) const;
    int widthInChars(int column) const { return column < m_widths.size() ? m_widths.at(column) : 0; }

    bool isOpen() const override { return m_open; }
    int recordCount() const override { return m_rows.rowCount(); }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QStringList shownFields() const;

    db::RowSet m_rows;
    bool m_open = false;
    QStringList m_fields;
    QStringList m_captions;
    QList<int> m_aligns;
    QList<int> m_widths;
};

} // namespace zentrel::controls
