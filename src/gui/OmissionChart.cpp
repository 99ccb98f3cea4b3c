// SPDX-License-Identifier: MIT
#include "gui/OmissionChart.h"

#include <QCategoryAxis>
#include <QChart>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>

namespace quorvel {

namespace {

// Issue labels along the axis: about this many, taken from the hits.
constexpr int kIssueLabels = 3;

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
    showNote(QStringLiteral("遗漏图: 检索、分部检索或分组计算后显示"));
}

void OmissionChart::showHits(const SearchResult& result, const QString& title) {
    m_result = result;
    m_positions.clear();
    QList<QPointF> gaps;
    double position = 0;
    for (const HitRow& hit : result.hits) {
        position += hit.gap;
        m_positions.push_back(position);
        gaps.append(QPointF(position, hit.gap));
    }
    const OmissionSummary& summary = result.summary;
    // The last omission counts from the last hit to the draw after the latest one.
    const double next = position + summary.last;
    // Gaps count from the start of the history, so the axis does too.
    const double from = 0;
    m_gaps->replace(gaps);
    m_gaps->setName(QStringLiteral("遗漏"));
    const bool anyHit = !result.hits.empty();
    m_min->replace(anyHit ? QList<QPointF>{{from, double(summary.min)}, {next, double(summary.min)}}
                          : QList<QPointF>{});
    m_min->setName(anyHit ? QStringLiteral("最小 %1").arg(summary.min) : QStringLiteral("最小 -"));
    m_max->replace(anyHit ? QList<QPointF>{{from, double(summary.max)}, {next, double(summary.max)}}
                          : QList<QPointF>{});
    m_max->setName(anyHit ? QStringLiteral("最大 %1").arg(summary.max) : QStringLiteral("最大 -"));
    m_last->replace(QList<QPointF>{{next, double(summary.last)}});
    m_last->setName(QStringLiteral("最后 %1").arg(summary.last));
    m_marked->clear();

    for (const QString& label : m_issues->categoriesLabels())
        m_issues->remove(label);
    m_issues->setStartValue(from);
    const int count = static_cast<int>(result.hits.size());
    const int step = std::max(1, (count + kIssueLabels - 1) / kIssueLabels);
    double labelled = -next;
    for (int i = 0; i < count; i += step) {
        labelled = m_positions[static_cast<std::size_t>(i)];
        m_issues->append(QString::number(result.hits[static_cast<std::size_t>(i)].issue), labelled);
    }
    // The next draw is named unless its label would run into the last issue's.
    if (next - labelled > 0.15 * next) m_issues->append(QStringLiteral("下期"), next);
    m_issues->setRange(from, next + 1);
    const int top = std::max({anyHit ? summary.max : 0, summary.last, 1});
    m_values->setRange(0, top * 1.1 + 1);
    chart()->setTitle(title);
}

void OmissionChart::markHit(int row) {
    m_marked->clear();
    if (row < 0 || row >= static_cast<int>(m_positions.size())) return;
    m_marked->append(m_positions[static_cast<std::size_t>(row)], m_result.hits[static_cast<std::size_t>(row)].gap);
}

void OmissionChart::showNote(const QString& note) {
    m_result = {};
    m_positions.clear();
    for (QXYSeries* series :
         {static_cast<QXYSeries*>(m_gaps), static_cast<QXYSeries*>(m_min), static_cast<QXYSeries*>(m_max),
          static_cast<QXYSeries*>(m_last), static_cast<QXYSeries*>(m_marked)})
        series->clear();
    m_gaps->setName(QStringLiteral("遗漏"));
    m_min->setName(QStringLiteral("最小"));
    m_max->setName(QStringLiteral("最大"));
    m_last->setName(QStringLiteral("最后"));
    for (const QString& label : m_issues->categoriesLabels())
        m_issues->remove(label);
    m_issues->setRange(0, 10);
    m_values->setRange(0, 10);
    chart()->setTitle(note);
}

} // namespace quorvel
