// SPDX-License-Identifier: MIT
#include "gui/grids/CellGridModel.h"

#include "gui/shell/Translations.h"

#include <QCoreApplication>
#include <QEvent>

namespace quorvel {

void redrawTexts(QAbstractItemModel& model) {
    const int rows = model.rowCount();
    const int columns = model.columnCount();
    if (columns > 0) emit model.headerDataChanged(Qt::Horizontal, 0, columns - 1);
    if (rows > 0) emit model.headerDataChanged(Qt::Vertical, 0, rows - 1);
    if (rows > 0 && columns > 0) emit model.dataChanged(model.index(0, 0), model.index(rows - 1, columns - 1));
}

CellGridModel::CellGridModel(std::span<const std::string> header, QObject* parent)
    : QAbstractTableModel(parent), m_header(header) {}

int CellGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : cellRows(); }

int CellGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_header.size());
}

QVariant CellGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
    if (role != Qt::DisplayRole) return {};
    // Values' names as the window's language writes them; every other word of a cell is a number.
    return QString::fromStdString(namesIn(cellText(index.row(), index.column()), languageInUse().toStdString()));
}

QVariant CellGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= static_cast<int>(m_header.size()))
        return {};
    // The captions are the core's, marked for translation in its context.
    return QCoreApplication::translate("Core", m_header[static_cast<std::size_t>(section)].c_str());
}

bool CellGridModel::event(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) redrawTexts(*this);
    return QAbstractTableModel::event(event);
}

void CellGridModel::redraw(const std::function<void()>& change) {
    beginResetModel();
    try {
        change();
    } catch (...) {
        endResetModel();
        throw;
    }
    endResetModel();
}

} // namespace quorvel
