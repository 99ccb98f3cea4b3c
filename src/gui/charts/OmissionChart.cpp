// SPDX-License-Identifier: MIT
#include "gui/charts/OmissionChart.h"

#include <QCategoryAxis>
#include <QChart>
#include <QEvent>
#include <QFontMetricsF>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace quorvel {

namespace {

QLineSeries* lineSeries(const QColor& colour, Qt::PenStyle style, QChart* chart) {
    auto* series = new QLineSeries(chart);
    QPen pen(colour);
    pen.setWidthF(style == Qt::SolidLine ? 1.0 : 1.5);
    pen.setStyle(style);
    series->setPen(pen);
    chart->addSeries(series);
    return series;
}

QScatterSeries* pointSeries(const QColor& colour, double size, QChart* chart) {
    auto* series = new QScatterSeries(chart);
    series->setColor(colour);
    series->setBorderColor(colour);
    series->setMarkerSize(size);
    chart->addSeries(series);
    return series;
}

void removeLabels(QCategoryAxis* axis) {
    for (const QString& label : axis->categoriesLabels())
        axis->remove(label);
}

// The step of the value axis: the smallest of 1, 2, 5, 10, 20, ... whose ticks from 0 past `top` number at
// most `ticks`.
int valueStep(double top, int ticks) {
    for (long magnitude = 1;; magnitude *= 10)
        for (long factor : {1L, 2L, 5L})
            if (std::floor(top / static_cast<double>(factor * magnitude)) + 2 <= ticks)
                return static_cast<int>(factor * magnitude);
}

} // namespace

OmissionChart::OmissionChart(QWidget* parent) : QChartView(parent) {
    setObjectName(QStringLiteral("chtOmission"));
    setRenderHint(QPainter::Antialiasing);
    setMinimumHeight(160);
    auto* chart = new QChart;
    chart->setMargins(QMargins(2, 2, 2, 2));
    chart->legend()->setAlignment(Qt::AlignTop);
    QFont small = chart->legend()->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    chart->legend()->setFont(small);
    chart->setTitleFont(small);
    m_gaps = lineSeries(QColor(0x1f, 0x6f, 0xb4), Qt::SolidLine, chart);
    m_gaps->setPointsVisible(true);
    m_gaps->setMarkerSize(4);
    m_min = lineSeries(QColor(0x2c, 0xa0, 0x2c), Qt::DashLine, chart);
    m_max = lineSeries(QColor(0xd6, 0x27, 0x28), Qt::DashLine, chart);
    m_last = pointSeries(QColor(0xff, 0x7f, 0x0e), 10, chart);
    m_marked = pointSeries(QColor(0x94, 0x67, 0xbd), 9, chart);
    m_issues = new QCategoryAxis(chart);
    m_issues->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    m_issues->setLabelsFont(small);
    // Whole issues or none: relabel() keeps only the labels that fit, so the axis must not shorten any.
    m_issues->setTruncateLabels(false);
    m_values = new QValueAxis(chart);
    m_values->setLabelFormat(QStringLiteral("%d"));
    m_values->setLabelsFont(small);
    chart->addAxis(m_issues, Qt::AlignBottom);
    chart->addAxis(m_values, Qt::AlignLeft);
    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(m_issues);
        series->attachAxis(m_values);
    }
    // The marked hit needs no legend entry: it is the row selected in the hit list.
    chart->legend()->markers(m_marked).front()->setVisible(false);
    setChart(chart);
    // The labels that fit depend on the plot area: chosen again once the layout has settled on a new one.
    connect(
        chart, &QChart::plotAreaChanged, this,
        [this](const QRectF& area) {
            if (m_showsHits && area != m_labelledArea) relabel();
        },
        Qt::QueuedConnection);
    showStartNote();
}

void OmissionChart::showStartNote() {
    showNote(tr("Omission chart: shown after 检索, 分部检索 or 分组计算"));
    m_showsStartNote = true;
}

void OmissionChart::showHits(const SearchResult& result, const QString& title) {
    m_result = result;
    m_gapsInRange.clear();
    QList<QPointF> gaps;
    // The draw just before the range counts as the previous hit, whatever rule the summary row follows.
    double previous = result.rangeBase;
    for (const HitRow& hit : result.hits) {
        m_gapsInRange.push_back(hit.idx - previous);
        gaps.append(QPointF(hit.idx, m_gapsInRange.back()));
        previous = hit.idx;
    }
    const OmissionSummary& summary = result.summary;
    const bool anyHit = !result.hits.empty();
    m_from = result.rangeBase;
    // The last omission counts from the last hit (IDX 0 without one) to the draw after the latest one.
    m_next = (anyHit ? result.hits.back().idx : 0) + summary.last;
    m_gaps->replace(gaps);
    const int least = anyHit ? static_cast<int>(*std::min_element(m_gapsInRange.begin(), m_gapsInRange.end())) : 0;
    const int greatest = anyHit ? static_cast<int>(*std::max_element(m_gapsInRange.begin(), m_gapsInRange.end())) : 0;
    m_min->replace(anyHit ? QList<QPointF>{{m_from, double(least)}, {m_next, double(least)}} : QList<QPointF>{});
    m_max->replace(anyHit ? QList<QPointF>{{m_from, double(greatest)}, {m_next, double(greatest)}} : QList<QPointF>{});
    m_last->replace(QList<QPointF>{{m_next, double(summary.last)}});
    m_marked->clear();
    m_least = least;
    m_greatest = greatest;
    m_lastGap = summary.last;
    m_top = std::max({greatest, summary.last, 1});
    m_showsHits = true;
    m_showsStartNote = false;
    nameSeries();
    relabel();
    chart()->setTitle(title);
}

void OmissionChart::nameSeries() {
    m_gaps->setName(tr("遗漏"));
    if (!m_showsHits) {
        m_min->setName(tr("最小"));
        m_max->setName(tr("最大"));
        m_last->setName(tr("最后"));
        return;
    }
    const bool anyHit = !m_gapsInRange.empty();
    m_min->setName(anyHit ? tr("最小 %1").arg(m_least) : tr("最小 -"));
    m_max->setName(anyHit ? tr("最大 %1").arg(m_greatest) : tr("最大 -"));
    m_last->setName(tr("最后 %1").arg(m_lastGap));
}

void OmissionChart::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        nameSeries();
        if (m_showsHits) relabel();
        if (m_showsStartNote) showStartNote();
    }
    QChartView::changeEvent(event);
}

void OmissionChart::relabel() {
    m_labelledArea = chart()->plotArea();
    QRectF area = m_labelledArea;
    // Before the first layout the plot area is empty: the view's size less room for the axes stands in.
    if (area.width() < 1 || area.height() < 1)
        area = QRectF(48, 40, std::max(width() - 56, 40), std::max(height() - 72, 40));

    // Issue labels, centred on their draws: the next draw's 下期 first, then the hits from the left as long
    // as a label keeps a gap to the one before and to 下期, and stays inside the plot area on the left.
    removeLabels(m_issues);
    const QFontMetricsF issueMetrics(m_issues->labelsFont());
    const double space = issueMetrics.horizontalAdvance(QStringLiteral("00"));
    const QString nextText = tr("下期");
    // The axis reaches past the next draw far enough that 下期, centred on it, stays inside the plot.
    const double nextHalf = issueMetrics.horizontalAdvance(nextText) / 2 + 2;
    const double span = m_next - m_from;
    const double to = m_from + std::max(span + 1, span * area.width() / std::max(area.width() - nextHalf, 1.0));
    m_issues->setStartValue(m_from);
    m_issues->setRange(m_from, to);
    auto at = [&](double x) { return area.left() + (x - m_from) / (to - m_from) * area.width(); };
    const double nextLeft = at(m_next) - issueMetrics.horizontalAdvance(nextText) / 2;
    double freeFrom = area.left();
    for (const HitRow& hit : m_result.hits) {
        const QString text = QString::number(hit.issue);
        const double half = issueMetrics.horizontalAdvance(text) / 2;
        const double x = at(hit.idx);
        if (x - half < freeFrom || x + half + space > nextLeft) continue;
        m_issues->append(text, hit.idx);
        freeFrom = x + half + space;
    }
    m_issues->append(nextText, m_next);

    // Value ticks at steps of 1, 2, 5, 10, ... with a label's height and more between two of them.
    const QFontMetricsF valueMetrics(m_values->labelsFont());
    const int ticks = std::max(2, static_cast<int>(area.height() / (valueMetrics.height() * 1.8)) + 1);
    const int step = valueStep(m_top, ticks);
    const int intervals = static_cast<int>(std::floor(m_top / step)) + 1;
    m_values->setRange(0, intervals * step);
    m_values->setTickCount(intervals + 1);
}

void OmissionChart::markHit(int row) {
    m_marked->clear();
    if (row < 0 || row >= static_cast<int>(m_gapsInRange.size())) return;
    m_marked->append(m_result.hits[static_cast<std::size_t>(row)].idx, m_gapsInRange[static_cast<std::size_t>(row)]);
}

void OmissionChart::showNote(const QString& note) {
    m_showsHits = false;
    m_result = {};
    m_gapsInRange.clear();
    for (QXYSeries* series :
         {static_cast<QXYSeries*>(m_gaps), static_cast<QXYSeries*>(m_min), static_cast<QXYSeries*>(m_max),
          static_cast<QXYSeries*>(m_last), static_cast<QXYSeries*>(m_marked)})
        series->clear();
    m_showsStartNote = false;
    nameSeries();
    removeLabels(m_issues);
    m_issues->setRange(0, 10);
    m_values->setRange(0, 10);
    m_values->setTickCount(5);
    chart()->setTitle(note);
}

} // namespace quorvel
