// SPDX-License-Identifier: MIT
#include "gui/main/DetailPanel.h"
#include "gui/shell/QtText.h"

#include "analysis/ResultCells.h"
#include "app/results/DetailFigures.h"
#include "app/results/ResultsView.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>

namespace quorvel {

namespace {

// The choices: each grid column in the order a click on it gives, then the chance of an omission at least as
// long as the last, which has no column.
// Each column also the other way round (降序); the chance has no use descending.
struct SortChoice {
    GroupSort sort;
    bool descending;
};
constexpr SortChoice kSortChoices[] = {{GroupSort::Label, false}, {GroupSort::Label, true}, {GroupSort::Min, false},
                                       {GroupSort::Min, true},    {GroupSort::Max, false},  {GroupSort::Max, true},
                                       {GroupSort::Last, false},  {GroupSort::Last, true},  {GroupSort::P, false}};
constexpr std::size_t kSortChoicesCount = std::size(kSortChoices);

// The figures' columns: caption and value, a gap, caption and value.
constexpr int kSecondCaptionColumn = 3;
constexpr int kLastColumn = 4;

} // namespace

DetailPanel::DetailPanel(QWidget* parent) : QGroupBox(parent) {
    setObjectName(QStringLiteral("fraDetail"));
    m_texts.add(this, QT_TR_NOOP("遗漏统计"));
    // The figures in two columns of caption and value, so that the panel is no taller than the few rows the
    // result grids show at the least on a low screen.
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setVerticalSpacing(2);
    layout->setHorizontalSpacing(8);

    m_sort = new QComboBox(this);
    m_sort->setObjectName(QStringLiteral("cboSort"));
    for (std::size_t i = 0; i < kSortChoicesCount; ++i)
        m_sort->addItem(QString(), static_cast<int>(i));
    m_texts.addToolTip(m_sort, QT_TR_NOOP("How the group calculation's results are ordered: by a column of the grid, "
                                          "or by the chance of an omission at least as long as the last one, which "
                                          "puts first the groups missing for unusually long."));
    layout->addWidget(m_texts.with(new QLabel(this), QT_TR_NOOP("排序")), 0, 0);
    layout->addWidget(m_sort, 0, 1, 1, kLastColumn, Qt::AlignLeft);
    connect(m_sort, &QComboBox::activated, this, [this](int index) {
        const SortChoice& choice = kSortChoices[static_cast<std::size_t>(m_sort->itemData(index).toInt())];
        emit sortChosen(choice.sort, choice.descending);
    });
    showSort(GroupSort::Last);

    const std::vector<DetailFigure> figures = detailFigures(GroupRow{});
    const int rows = (static_cast<int>(figures.size()) + 1) / 2;
    for (int i = 0; i < static_cast<int>(figures.size()); ++i) {
        auto* caption = new QLabel(this);
        caption->setObjectName(QStringLiteral("lblDetail_%1").arg(i));
        auto* value = new QLabel(this);
        value->setObjectName(QStringLiteral("txtDetail_%1").arg(i));
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
    showCaptions();
    showRow(std::nullopt);
}

void DetailPanel::showCaptions() {
    for (std::size_t i = 0; i < kSortChoicesCount; ++i)
        m_sort->setItemText(static_cast<int>(i), shown(sortCaption(kSortChoices[i].sort, kSortChoices[i].descending)));
    const std::vector<DetailFigure> figures = detailFigures(GroupRow{});
    for (std::size_t i = 0; i < m_lines.size(); ++i)
        m_lines[i].first->setText(shown(figures[i].caption));
}

void DetailPanel::showRow(const std::optional<GroupRow>& row) {
    m_row = row;
    const QString title = m_texts.text(QT_TR_NOOP("遗漏统计"));
    const QString label = row && m_rowLabel ? m_rowLabel(row->content) : QString();
    setTitle(label.isEmpty() ? title : title + QStringLiteral("  ") + label);
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

GroupSort DetailPanel::sortChoice() const {
    return kSortChoices[static_cast<std::size_t>(m_sort->currentData().toInt())].sort;
}

bool DetailPanel::descendingChoice() const {
    return kSortChoices[static_cast<std::size_t>(m_sort->currentData().toInt())].descending;
}

void DetailPanel::showSort(GroupSort sort, bool descending) {
    const QSignalBlocker blocker(m_sort);
    for (std::size_t i = 0; i < kSortChoicesCount; ++i)
        if (kSortChoices[i].sort == sort && kSortChoices[i].descending == descending)
            m_sort->setCurrentIndex(static_cast<int>(i));
}

void DetailPanel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QGroupBox::changeEvent(event);
}

void DetailPanel::retranslate() {
    m_texts.apply();
    showCaptions();
    showRow(m_row);
}

} // namespace quorvel
