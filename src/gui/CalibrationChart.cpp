// SPDX-License-Identifier: MIT
#include "gui/CalibrationChart.h"

#include "app/BacktestView.h"

#include <QChart>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>

namespace quorvel {

CalibrationChart::CalibrationChart(QWidget* parent)
    : QChartView(parent), m_bins(new QScatterSeries), m_diagonal(new QLineSeries), m_expected(new QValueAxis),
      m_observed(new QValueAxis) {
    setObjectName(QStringLiteral("chtCalibration"));
    setRenderHint(QPainter::Antialiasing);
    setMinimumHeight(220);
    auto* chart = new QChart;
    chart->setMargins(QMargins(4, 4, 4, 4));
    m_diagonal->setName(tr("as expected"));
    QPen pen(Qt::gray);
    pen.setStyle(Qt::DashLine);
    m_diagonal->setPen(pen);
    m_bins->setName(tr("decile bins of P(≥当前遗漏)"));
    m_bins->setMarkerSize(9);
    chart->addSeries(m_diagonal);
    chart->addSeries(m_bins);
    m_expected->setTitleText(tr("hits expected by the hit rates"));
    m_observed->setTitleText(tr("hits observed"));
    m_expected->setLabelFormat(QStringLiteral("%.0f"));
    m_observed->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(m_expected, Qt::AlignBottom);
    chart->addAxis(m_observed, Qt::AlignLeft);
    for (QAbstractSeries* series : {static_cast<QAbstractSeries*>(m_diagonal), static_cast<QAbstractSeries*>(m_bins)}) {
        series->attachAxis(m_expected);
        series->attachAxis(m_observed);
    }
    chart->legend()->setAlignment(Qt::AlignBottom);
    setChart(chart);
    showNote(tr("Press 回测 to run the backtest"));
}

void CalibrationChart::showResult(const BacktestResult& result) {
    const CalibrationAxis axis = calibrationAxis(result);
    QList<QPointF> points;
    for (const CalibrationPoint& point : calibrationPoints(result))
        points.append(QPointF(point.expected, point.observed));
    m_bins->replace(points);
    m_expected->setRange(axis.low, axis.high);
    m_observed->setRange(axis.low, axis.high);
    m_expected->applyNiceNumbers();
    m_observed->applyNiceNumbers();
    const double low = std::min(m_expected->min(), m_observed->min());
    const double high = std::max(m_expected->max(), m_observed->max());
    m_expected->setRange(low, high);
    m_observed->setRange(low, high);
    m_diagonal->replace(QList<QPointF>{{low, low}, {high, high}});
    chart()->setTitle(tr("Calibration: every eligible group at every decision, in %n bin(s) by P(≥当前遗漏)", "",
                         static_cast<int>(result.bins.size())));
}

void CalibrationChart::showNote(const QString& note) {
    m_bins->clear();
    m_diagonal->clear();
    m_expected->setRange(0, 1);
    m_observed->setRange(0, 1);
    chart()->setTitle(note);
}

} // namespace quorvel
