// SPDX-License-Identifier: MIT
#include "gui/history/HistoryTableModel.h"

#include "app/choices/CodeMeaning.h"
#include "gui/shell/QtText.h"
#include "gui/shell/Translations.h"
#include "model/NumberTables.h"

namespace quorvel {

void HistoryTableModel::setListing(HistoryListing listing) {
    beginResetModel();
    m_listing = std::move(listing);
    endResetModel();
}

int HistoryTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_listing.drawCount();
}

int HistoryTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : HistoryListing::kColumnCount;
}

QVariant HistoryTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::DisplayRole) return QString::fromStdString(m_listing.cellText(index.row(), index.column()));
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
    // A number's tip: its sign in its draw's zodiac year and its colour.
    if (role == Qt::ToolTipRole && index.column() > 0) {
        const Draw& draw = m_listing.draws().at(static_cast<std::size_t>(index.row()));
        return fromStd(numberTip(draw.numbers.at(static_cast<std::size_t>(index.column() - 1)),
                                 zodiacYearOfIssue(draw.issue), windowWording()));
    }
    return {};
}

QVariant HistoryTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    return shown(HistoryListing::headerText(section));
}

} // namespace quorvel
