// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/Backtest.h"

#include <QChartView>

class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace quorvel {

// The calibration chart chtCalibration of the backtest: for each decile bin of p_at_least_last, the hits the
// bin's hit rates expected (across) against the hits observed (up), with the diagonal where the two agree.
class CalibrationChart : public QChartView {
    Q_OBJECT
  public:
    explicit CalibrationChart(QWidget* parent = nullptr);

    void showResult(const BacktestResult& result);
    // Empties the chart and says why in its title.
    void showNote(const QString& note);

  private:
    QScatterSeries* m_bins;
    QLineSeries* m_diagonal;
    QValueAxis* m_expected;
    QValueAxis* m_observed;
};

} // namespace quorvel
