// SPDX-License-Identifier: MIT
#include "gui/ResultsPanel.h"

#include "gui/DetailPanel.h"
#include "gui/GridSetup.h"
#include "gui/HitListModel.h"
#include "gui/OmissionRowsModel.h"

#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QTableView>

#include <algorithm>

namespace quorvel {

ResultsPanel::ResultsPanel(QWidget* parent) : QWidget(parent) {
    m_hitModel = new HitListModel(this);
    m_omissionModel = new OmissionRowsModel(this);
    m_hits = makeGrid(QStringLiteral("MSFlexGrid2"), m_hitModel, this);
    m_hits->setToolTip(QStringLiteral("鼠标双击列表可以将列表导出到EXCEL"));
    m_omissions = makeGrid(QStringLiteral("MSFlexGrid3"), m_omissionModel, this);
    fitColumns();

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_hits, 3);
    layout->addWidget(m_omissions, 2);
    // The window places the details: beside the grids, or beside the chart in a narrow window.
    m_detail = new DetailPanel(this);

    connect(m_omissions->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &ResultsPanel::showDetail);
    connect(m_omissionModel, &QAbstractItemModel::modelReset, this, &ResultsPanel::showDetail);
    connect(m_omissionModel, &QAbstractItemModel::layoutChanged, this, &ResultsPanel::showDetail);
    showDetail();
}

void ResultsPanel::showDetail() {
    m_detail->showRow(m_omissionModel->rowAt(std::max(0, m_omissions->currentIndex().row())));
}

void ResultsPanel::fitColumns() {
    setColumnWidthsTwips(m_hits, {1000, 800, 800, 800, 800, 800, 800, 800, 800, 680});
    setColumnWidthsTwips(m_omissions, {1880, 880, 880, 880});
    // Every column stays readable: a grid is never narrower than its columns (the window scrolls instead).
    m_hits->setMinimumWidth(gridWidth(m_hits));
    m_omissions->setMinimumWidth(gridWidth(m_omissions));
}

} // namespace quorvel
