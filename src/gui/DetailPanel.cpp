// SPDX-License-Identifier: MIT
#include "gui/DetailPanel.h"

#include "gui/QtText.h"

#include "analysis/ResultCells.h"
#include "app/DetailFigures.h"
#include "app/ResultsView.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>

namespace quorvel {

namespace {

// The choices: each grid column in the order a click on it gives, then the chance of an omission at least as
// long as the last, which has no column.
constexpr GroupSort kSortChoices[] = {GroupSort::Label, GroupSort::Min, GroupSort::Max, GroupSort::Last, GroupSort::P};

// The figures' columns: caption and value, a gap, caption and value.
constexpr int kSecondCaptionColumn = 3;
constexpr int kLastColumn = 4;

} // namespace

DetailPanel::DetailPanel(QWidget* parent) : QGroupBox(QStringLiteral("遗漏统计"), parent) {
    setObjectName(QStringLiteral("fraDetail"));
    // The figures in two columns of caption and value, so that the panel is no taller than the few rows the
    // result grids show at the least on a low screen.
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setVerticalSpacing(2);
    layout->setHorizontalSpacing(8);

    m_sort = new QComboBox(this);
    m_sort->setObjectName(QStringLiteral("cboSort"));
    for (GroupSort sort : kSortChoices)
        m_sort->addItem(shown(sortCaption(sort)), static_cast<int>(sort));
    m_sort->setToolTip(QStringLiteral("分组计算结果的排序；P(≥ last) 把遗漏得异常久的组合排在前面"));
    layout->addWidget(new QLabel(QStringLiteral("排序"), this), 0, 0);
    layout->addWidget(m_sort, 0, 1, 1, kLastColumn, Qt::AlignLeft);
    connect(m_sort, &QComboBox::activated, this,
            [this](int index) { emit sortChosen(static_cast<GroupSort>(m_sort->itemData(index).toInt())); });
    showSort(GroupSort::Last);

    const std::vector<DetailFigure> figures = detailFigures(GroupRow{});
    const int rows = (static_cast<int>(figures.size()) + 1) / 2;
    for (int i = 0; i < static_cast<int>(figures.size()); ++i) {
        auto* caption = new QLabel(shown(figures[static_cast<std::size_t>(i)].caption), this);
        auto* value = new QLabel(this);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        // Down the first column, then down the second; a gap column keeps the two apart.
        const int column = i < rows ? 0 : kSecondCaptionColumn;
        layout->addWidget(caption, 1 + i % rows, column);
        layout->addWidget(value, 1 + i % rows, column + 1);
        m_lines.emplace_back(caption, value);
    }
    layout->setColumnMinimumWidth(kSecondCaptionColumn - 1, 8);
    layout->setColumnStretch(kLastColumn, 1);
    layout->setRowStretch(rows + 1, 1);
    showRow(std::nullopt);
}

void DetailPanel::showRow(const std::optional<GroupRow>& row) {
    const std::vector<DetailFigure> figures = detailFigures(row.value_or(GroupRow{}));
    for (std::size_t i = 0; i < m_lines.size(); ++i)
        m_lines[i].second->setText(row ? shown(figures[i].text) : QString::fromUtf8(kNoFigure));
}

std::vector<std::pair<QString, QString>> DetailPanel::shownFigures() const {
    std::vector<std::pair<QString, QString>> shown;
    for (const auto& [caption, value] : m_lines)
        shown.emplace_back(caption->text(), value->text());
    return shown;
}

GroupSort DetailPanel::sortChoice() const { return static_cast<GroupSort>(m_sort->currentData().toInt()); }

void DetailPanel::showSort(GroupSort sort) {
    const QSignalBlocker blocker(m_sort);
    m_sort->setCurrentIndex(m_sort->findData(static_cast<int>(sort)));
}

} // namespace quorvel
