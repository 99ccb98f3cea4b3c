// SPDX-License-Identifier: MIT
#include "gui/charts/CalibrationChart.h"

#include "app/results/BacktestView.h"

#include <QChart>
#include <QEvent>
#include <QLegendMarker>
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
    QPen pen(Qt::gray);
    pen.setStyle(Qt::DashLine);
    m_diagonal->setPen(pen);
    m_bins->setMarkerSize(9);
    chart->addSeries(m_diagonal);
    chart->addSeries(m_bins);
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
    retranslate();
    showStartNote();
}

void CalibrationChart::retranslate() {
    m_diagonal->setName(tr("as expected"));
    m_bins->setName(tr("decile bins of P(≥当前遗漏)"));
    if (!m_bands.isEmpty()) m_bands.front()->setName(tr("95% chance range of each bin"));
    m_expected->setTitleText(tr("hits expected by the hit rates"));
    m_observed->setTitleText(tr("hits observed"));
    if (m_binCount >= 0)
        chart()->setTitle(
            tr("Calibration: every eligible group at every decision, in %n bin(s) by P(≥当前遗漏)", "", m_binCount));
    else if (m_showsStartNote)
        showStartNote();
}

void CalibrationChart::showStartNote() {
    showNote(tr("Press 回测 to run the backtest"));
    m_showsStartNote = true;
}

void CalibrationChart::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QChartView::changeEvent(event);
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
    showBands(result);
    showAxes(!result.bins.empty());
    m_binCount = static_cast<int>(result.bins.size());
    m_showsStartNote = false;
    retranslate();
}

void CalibrationChart::showNote(const QString& note) {
    m_binCount = -1;
    m_showsStartNote = false;
    m_bins->clear();
    m_diagonal->clear();
    for (QLineSeries* band : m_bands)
        band->clear();
    // An empty chart shows its note alone, not an axis of 0 and 1.
    showAxes(false);
    chart()->setTitle(note);
}

void CalibrationChart::showAxes(bool shown) {
    m_expected->setVisible(shown);
    m_observed->setVisible(shown);
}

void CalibrationChart::showBands(const BacktestResult& result) {
    const qsizetype before = m_bands.size();
    while (m_bands.size() < static_cast<qsizetype>(result.bins.size())) {
        auto* band = new QLineSeries;
        QPen pen(QColor(70, 130, 200, 90));
        pen.setWidth(7);
        pen.setCapStyle(Qt::FlatCap);
        band->setPen(pen);
        chart()->addSeries(band);
        band->attachAxis(m_expected);
        band->attachAxis(m_observed);
        if (!m_bands.isEmpty())
            for (QLegendMarker* marker : chart()->legend()->markers(band))
                marker->setVisible(false);
        m_bands.append(band);
    }
    if (m_bands.size() != before) {
        // The points stay drawn over the bars.
        chart()->removeSeries(m_bins);
        chart()->addSeries(m_bins);
        m_bins->attachAxis(m_expected);
        m_bins->attachAxis(m_observed);
    }
    for (qsizetype i = 0; i < m_bands.size(); ++i) {
        if (i >= static_cast<qsizetype>(result.bins.size())) {
            m_bands[i]->clear();
            continue;
        }
        const CalibrationBin& bin = result.bins[static_cast<std::size_t>(i)];
        const CalibrationBand range = calibrationBand(bin);
        m_bands[i]->replace(QList<QPointF>{{bin.expected, range.low}, {bin.expected, range.high}});
    }
}

} // namespace quorvel
