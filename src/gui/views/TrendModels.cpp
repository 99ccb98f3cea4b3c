// SPDX-License-Identifier: MIT
#include "gui/views/TrendModels.h"

#include "gui/grids/CellGridModel.h"

#include <QEvent>

namespace quorvel {

namespace {

QString fromStd(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// The column header of both grids: the issue column, then the values' names.
QVariant headerText(const TrendShown& shown, int section, int role) {
    if (role != Qt::DisplayRole) return {};
    if (section == 0) return fromStd(windowWording().said(TrendCells::issueCaption()));
    return fromStd(shown.cells().columnLabel(section - 1));
}

} // namespace

void TrendRowsModel::show(TrendShown shown) {
    beginResetModel();
    m_shown = std::move(shown);
    endResetModel();
}

void TrendRowsModel::setShowMiss(bool show) {
    m_shown.showMiss = show;
    if (rowCount() > 0) emit dataChanged(index(0, 1), index(rowCount() - 1, columnCount() - 1), {Qt::DisplayRole});
}

int TrendRowsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_shown.trend->rowCount();
}

int TrendRowsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_shown.trend->columnCount() + 1;
}

QVariant TrendRowsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
    if (role != Qt::DisplayRole) return {};
    if (index.column() == 0) return QString::number(m_shown.trend->issue(index.row()));
    return fromStd(look(index.row(), index.column()).text);
}

QVariant TrendRowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    // The row header repeats the issue, which stays in view when the values scroll sideways.
    if (orientation == Qt::Vertical) return role == Qt::DisplayRole ? data(index(section, 0), role) : QVariant();
    return headerText(m_shown, section, role);
}

void TrendSummaryModel::show(TrendShown shown) {
    beginResetModel();
    m_shown = std::move(shown);
    endResetModel();
}

int TrendSummaryModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : TrendCells::kSummaryRows;
}

int TrendSummaryModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_shown.trend->columnCount() + 1;
}

QVariant TrendSummaryModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
    if (role != Qt::DisplayRole) return {};
    if (index.column() == 0)
        return fromStd(windowWording().said(TrendCells::summaryCaptions().at(static_cast<std::size_t>(index.row()))));
    return QString::fromStdString(m_shown.cells().summaryText(index.row(), index.column() - 1));
}

QVariant TrendSummaryModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Vertical) return role == Qt::DisplayRole ? data(index(section, 0), role) : QVariant();
    return headerText(m_shown, section, role);
}

bool TrendRowsModel::event(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) redrawTexts(*this);
    return QAbstractTableModel::event(event);
}

bool TrendSummaryModel::event(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) redrawTexts(*this);
    return QAbstractTableModel::event(event);
}

} // namespace quorvel
