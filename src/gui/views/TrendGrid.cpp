// SPDX-License-Identifier: MIT
#include "gui/views/TrendGrid.h"

#include "gui/shell/Translations.h"
#include "gui/views/TrendCellPainter.h"

#include <QAbstractButton>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionHeader>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace quorvel {

namespace {

QTableView* makeTrendView(const QString& name, QAbstractItemModel* model, QWidget* parent) {
    auto* view = new QTableView(parent);
    view->setObjectName(name);
    view->setModel(model);
    // Column 0 (the issues, the summary's captions) is shown as the row header, so that it stays in view when the
    // values scroll sideways; the column itself stays in the model for what reads the grid.
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    view->setColumnHidden(0, true);
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->horizontalHeader()->setHighlightSections(false);
    view->setSelectionMode(QAbstractItemView::NoSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setWordWrap(false);
    view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    view->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return view;
}

} // namespace

TrendGrid::TrendGrid(QWidget* parent)
    : QWidget(parent), m_rowsModel(new TrendRowsModel(this)), m_summaryModel(new TrendSummaryModel(this)),
      m_rows(makeTrendView(QStringLiteral("grdTrend"), m_rowsModel, this)),
      m_summary(makeTrendView(QStringLiteral("grdTrendSummary"), m_summaryModel, this)),
      m_scroll(new QScrollBar(Qt::Horizontal, this)), m_barSpace(new QWidget(this)) {
    m_scroll->setObjectName(QStringLiteral("hscTrend"));
    m_rows->setItemDelegate(new TrendCellDelegate(*m_rowsModel, m_rows));
    // The corner above the issues names them.
    if (auto* corner = m_rows->findChild<QAbstractButton*>()) {
        corner->installEventFilter(this);
    }
    m_rows->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_summary->horizontalHeader()->hide();
    m_summary->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_summary->setFocusPolicy(Qt::NoFocus);
    QPalette summaryColours = m_summary->palette();
    summaryColours.setColor(QPalette::Base, QColor(0xFF, 0xF8, 0xE1));
    m_summary->setPalette(summaryColours);
    // The summary's columns sit under the draws' columns: the space of the draws' vertical scroll bar is kept.
    m_barSpace->setFixedWidth(m_rows->verticalScrollBar()->sizeHint().width());

    auto* summaryLine = new QHBoxLayout;
    summaryLine->setContentsMargins(0, 0, 0, 0);
    summaryLine->setSpacing(0);
    summaryLine->addWidget(m_summary, 1);
    summaryLine->addWidget(m_barSpace);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_rows, 1);
    layout->addLayout(summaryLine);
    layout->addWidget(m_scroll);

    // One horizontal scroll bar for both grids.
    QScrollBar* across = m_rows->horizontalScrollBar();
    connect(across, &QScrollBar::rangeChanged, this, [this, across](int minimum, int maximum) {
        m_scroll->setRange(minimum, maximum);
        m_scroll->setPageStep(across->pageStep());
        m_scroll->setSingleStep(across->singleStep());
        m_scroll->setVisible(maximum > minimum);
    });
    connect(across, &QScrollBar::valueChanged, m_scroll, &QScrollBar::setValue);
    connect(m_scroll, &QScrollBar::valueChanged, this, [this](int value) {
        m_rows->horizontalScrollBar()->setValue(value);
        m_summary->horizontalScrollBar()->setValue(value);
    });
    m_scroll->hide();
    // Following the latest draw: while it is in view, a change of the range keeps it there.
    QScrollBar* down = m_rows->verticalScrollBar();
    connect(down, &QScrollBar::valueChanged, this, [this, down](int value) { m_atLatest = value == down->maximum(); });
    connect(down, &QScrollBar::rangeChanged, this, [this, down](int, int maximum) {
        if (m_atLatest) down->setValue(maximum);
    });
}

bool TrendGrid::eventFilter(QObject* watched, QEvent* event) {
    auto* corner = qobject_cast<QAbstractButton*>(watched);
    if (corner == nullptr || event->type() != QEvent::Paint) return QWidget::eventFilter(watched, event);
    QStyleOptionHeader option;
    option.initFrom(corner);
    option.rect = corner->rect();
    option.position = QStyleOptionHeader::OnlyOneSection;
    option.textAlignment = Qt::AlignCenter;
    option.text = QString::fromStdString(windowWording().said(TrendCells::issueCaption()));
    QPainter painter(corner);
    corner->style()->drawControl(QStyle::CE_Header, &option, &painter, corner);
    return true;
}

void TrendGrid::display(TrendShown shown) {
    m_summaryModel->show(shown);
    m_rowsModel->show(std::move(shown));
    fitColumns();
    scrollToLatest();
}

const TrendShown& TrendGrid::shown() const { return m_rowsModel->shown(); }

void TrendGrid::setShowMiss(bool show) { m_rowsModel->setShowMiss(show); }

void TrendGrid::fitColumns() {
    const TrendMetrics sizes = TrendMetrics::of(m_rows->fontMetrics(), *shown().trend);
    // A kind of few values spreads its columns over the width, up to three times their own.
    const int values = std::max(shown().trend->columnCount(), 1);
    const int spread = m_rows->viewport()->width() / values;
    const int width = std::clamp(spread, sizes.valueWidth, 3 * sizes.valueWidth);
    for (QTableView* view : {m_rows, m_summary}) {
        view->verticalHeader()->setDefaultSectionSize(sizes.rowHeight);
        view->verticalHeader()->setFixedWidth(sizes.issueWidth);
        view->horizontalHeader()->setDefaultSectionSize(width);
        for (int column = 1; column <= shown().trend->columnCount(); ++column)
            view->setColumnWidth(column, width);
        view->setColumnHidden(0, true);
    }
    m_summary->setFixedHeight(TrendCells::kSummaryRows * sizes.rowHeight + 2 * m_summary->frameWidth());
    // Wide enough for a few rows and the header, whatever the window's height.
    m_rows->setMinimumHeight(m_rows->horizontalHeader()->sizeHint().height() + 4 * sizes.rowHeight);
}

void TrendGrid::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitColumns();
}

void TrendGrid::scrollToLatest() {
    m_atLatest = true;
    m_rows->scrollToBottom();
}

int TrendGrid::naturalWidth() const {
    const TrendMetrics sizes = TrendMetrics::of(m_rows->fontMetrics(), *shown().trend);
    return 2 * m_rows->frameWidth() + m_rows->verticalScrollBar()->sizeHint().width() + sizes.issueWidth +
           shown().trend->columnCount() * sizes.valueWidth;
}

} // namespace quorvel
