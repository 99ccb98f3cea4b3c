// SPDX-License-Identifier: MIT
#include "gui/views/OmissionTableModel.h"

#include "gui/shell/QtText.h"
#include "gui/shell/Translations.h"

#include <QColor>

namespace quorvel {

namespace {

TableColumn columnAt(int section) { return shownTableColumns().at(static_cast<std::size_t>(section)); }

} // namespace

OmissionTableModel::OmissionTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void OmissionTableModel::setTable(OmissionTable table, AttributeKind kind) {
    beginResetModel();
    m_rows = std::move(table.rows);
    m_kind = kind;
    if (m_sort) orderTableRows(m_rows, columnAt(m_sort->first), m_sort->second == Qt::DescendingOrder);
    endResetModel();
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

std::optional<TableRow> OmissionTableModel::rowAt(int row) const {
    if (row < 0 || row >= static_cast<int>(m_rows.size())) return std::nullopt;
    return m_rows[static_cast<std::size_t>(row)];
}

int OmissionTableModel::rowOfValue(int value) const {
    for (std::size_t r = 0; r < m_rows.size(); ++r)
        if (m_rows[r].value == value) return static_cast<int>(r);
    return -1;
}

CellGrid OmissionTableModel::cells() const { return tableGrid(m_rows, m_kind, shownTableColumns(), windowWording()); }

std::vector<CellFill> OmissionTableModel::fills() const { return tableFills(m_rows, shownTableColumns()); }

int OmissionTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int OmissionTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(shownTableColumns().size());
}

QVariant OmissionTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const TableRow& row = m_rows[static_cast<std::size_t>(index.row())];
    const TableColumn column = columnAt(index.column());
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
    if (role == Qt::DisplayRole) return QString::fromStdString(tableCellText(row, column, windowWording()));
    if (role == Qt::BackgroundRole) {
        if (auto rgb = tableCellFill(row, column)) return QColor::fromRgb(static_cast<QRgb>(*rgb));
    }
    return {};
}

QVariant OmissionTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    return shown(tableColumnCaption(columnAt(section), m_kind));
}

void OmissionTableModel::sort(int column, Qt::SortOrder order) {
    if (column < 0 || column >= columnCount()) return;
    m_sort = {column, order};
    beginResetModel();
    orderTableRows(m_rows, columnAt(column), order == Qt::DescendingOrder);
    endResetModel();
}

} // namespace quorvel
