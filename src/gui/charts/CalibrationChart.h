// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/Backtest.h"

#include <QChartView>

class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace quorvel {

// The calibration chart chtCalibration of the backtest: for each decile bin of P(≥当前遗漏), the hits the bin's
// hit rates expected (across) against the hits observed (up), with the diagonal where the two agree and, above
// each bin, the range its hits fall in 95 times in 100 by chance alone, so that noise is not read as a pattern.
// Without bins it shows no axes. Its texts follow the window's language at once.
class CalibrationChart : public QChartView {
    Q_OBJECT
  public:
    explicit CalibrationChart(QWidget* parent = nullptr);

    void showResult(const BacktestResult& result);
    // Empties the chart and says why in its title.
    void showNote(const QString& note);

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void retranslate();
    void showStartNote();
    void showAxes(bool shown);
    // One vertical bar per bin, made as needed; the first carries the legend entry.
    void showBands(const BacktestResult& result);

    QScatterSeries* m_bins;
    QLineSeries* m_diagonal;
    QValueAxis* m_expected;
    QValueAxis* m_observed;
    QList<QLineSeries*> m_bands;
    int m_binCount = -1;           // the bins of the result shown; -1 while a note is shown
    bool m_showsStartNote = false; // the note shown before the first run
};

} // namespace quorvel
