// SPDX-License-Identifier: MIT
#include "gui/ResultsPanel.h"

#include "analysis/ResultGrids.h"
#include "gui/CellGridModel.h"
#include "gui/GridSetup.h"

#include <QHBoxLayout>
#include <QTableView>

namespace quorvel {

ResultsPanel::ResultsPanel(QWidget* parent) : QWidget(parent) {
    m_hitModel = new CellGridModel(hitListGrid(SearchResult{}), this);
    m_omissionModel = new CellGridModel(groupResultGrid({}), this);
    m_hits = makeGrid(QStringLiteral("MSFlexGrid2"), m_hitModel, this);
    m_hits->setToolTip(QStringLiteral("鼠标双击列表可以将列表导出到EXCEL"));
    setColumnWidthsTwips(m_hits, {1000, 800, 800, 800, 800, 800, 800, 800, 800, 680});
    m_omissions = makeGrid(QStringLiteral("MSFlexGrid3"), m_omissionModel, this);
    setColumnWidthsTwips(m_omissions, {1880, 880, 880, 880});

    m_hits->setMinimumWidth(gridWidth(m_hits));
    m_omissions->setMinimumWidth(gridWidth(m_omissions));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_hits, 3);
    layout->addWidget(m_omissions, 2);
}

} // namespace quorvel
