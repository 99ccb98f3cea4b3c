// SPDX-License-Identifier: MIT
#include "gui/main/WindowContent.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWidgetItem>

#include <algorithm>

namespace quorvel {

namespace {

// The width a layout gives a widget at the least: its minimum size, else its minimum size hint.
int leastWidth(QWidget* widget) { return QWidgetItem(widget).minimumSize().width(); }

} // namespace

WindowContent::WindowContent(const Panels& panels, QWidget* parent) : QScrollArea(parent), m_panels(panels) {
    setObjectName(QStringLiteral("scrContent"));
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    m_content = new QWidget(this);
    m_grid = new QGridLayout(m_content);
    for (QWidget* panel :
         {panels.history, panels.options, panels.combinations, panels.chart, panels.results, panels.detail})
        panel->setParent(m_content);
    arrange(false);
    setWidget(m_content);
    // A panel whose minimum size changes (new history rows, longer figures) may need the other arrangement.
    m_content->installEventFilter(this);
}

void WindowContent::resizeEvent(QResizeEvent* event) {
    QScrollArea::resizeEvent(event);
    fitWidth();
}

bool WindowContent::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_content && event->type() == QEvent::LayoutRequest) fitWidth();
    return QScrollArea::eventFilter(watched, event);
}

void WindowContent::fitWidth() {
    // Judged on the scroll area's own width, which the arrangement does not change (the content's height, and
    // so the vertical scroll bar, does): the choice cannot flip back and forth.
    const bool narrow = width() < wideWidth();
    if (narrow != m_narrow) arrange(narrow);
}

int WindowContent::wideWidth() const {
    const QMargins margins = m_grid->contentsMargins();
    const int spacing = std::max(0, m_grid->horizontalSpacing());
    const int top = leastWidth(m_panels.history) + leastWidth(m_panels.options) +
                    std::max(leastWidth(m_panels.combinations), leastWidth(m_panels.chart)) + 2 * spacing;
    const int bottom = leastWidth(m_panels.results) + spacing + leastWidth(m_panels.detail);
    return margins.left() + margins.right() + std::max(top, bottom) + verticalScrollBar()->sizeHint().width();
}

void WindowContent::arrange(bool narrow) {
    m_narrow = narrow;
    // Taking the items out leaves the panels where they are, owned by the content, until they are placed again.
    while (QLayoutItem* item = m_grid->takeAt(0))
        delete item;
    for (int i = 0; i < 3; ++i) {
        m_grid->setRowStretch(i, 0);
        m_grid->setColumnStretch(i, 0);
    }
    m_grid->addWidget(m_panels.history, 0, 0);
    m_grid->addWidget(m_panels.options, 0, 1);
    if (!narrow) {
        auto* side = new QVBoxLayout;
        side->addWidget(m_panels.combinations);
        side->addWidget(m_panels.chart, 1);
        m_grid->addLayout(side, 0, 2);
        // The result grids and the details take the whole width below, and the height the panels above leave.
        auto* results = new QHBoxLayout;
        results->addWidget(m_panels.results, 1);
        results->addWidget(m_panels.detail, 0);
        m_grid->addLayout(results, 1, 0, 1, 3);
        m_grid->setColumnStretch(1, 3);
        m_grid->setColumnStretch(2, 2);
        m_grid->setRowStretch(1, 1);
    } else {
        m_grid->addWidget(m_panels.combinations, 1, 0);
        auto* side = new QVBoxLayout;
        side->addWidget(m_panels.chart, 1);
        side->addWidget(m_panels.detail, 0);
        m_grid->addLayout(side, 1, 1);
        m_grid->addWidget(m_panels.results, 2, 0, 1, 2);
        m_grid->setColumnStretch(1, 1);
        m_grid->setRowStretch(2, 1);
    }
}

} // namespace quorvel
