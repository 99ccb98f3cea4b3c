// SPDX-License-Identifier: MIT
#include "gui/grids/OmissionRowsModel.h"

#include "analysis/ResultCells.h"
#include "analysis/ResultGrids.h"
#include "app/results/ResultsView.h"

#include <QCoreApplication>

namespace quorvel {

OmissionRowsModel::OmissionRowsModel(QObject* parent) : CellGridModel(omissionHeader(), parent) {}

void OmissionRowsModel::showFrom(const ResultsView& view) {
    redraw([&] { m_view = &view; });
}

QVariant OmissionRowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    // EditRole: the caption without the mark, for a copy that pastes into a spreadsheet.
    QVariant caption = CellGridModel::headerData(section, orientation, role == Qt::EditRole ? Qt::DisplayRole : role);
    if (role == Qt::EditRole) return caption;
    if (!caption.isValid() || m_view == nullptr || !m_view->groupOrder() || *m_view->groupOrder() == GroupSort::P ||
        columnOfSort(*m_view->groupOrder()) != section)
        return caption;
    return caption.toString() + (m_view->groupsDescending() ? QStringLiteral(" ▼") : QStringLiteral(" ▲"));
}

CellGrid OmissionRowsModel::cells() const {
    return groupResultGrid(m_view ? m_view->omissionRows() : std::vector<GroupRow>{});
}

int OmissionRowsModel::cellRows() const { return m_view ? static_cast<int>(m_view->omissionCount()) : 0; }

std::string OmissionRowsModel::cellText(int row, int column) const {
    std::string text = omissionCell(m_view->omissionRow(row).value_or(GroupRow{}), column);
    // The word for a group never drawn is the core's, in the window's language.
    if (column == 1 && text == kNeverHitText) return QCoreApplication::translate("Core", kNeverHitText).toStdString();
    return text;
}

} // namespace quorvel
