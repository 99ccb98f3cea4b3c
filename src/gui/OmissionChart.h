// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/AnalysisResult.h"

#include <QChartView>

class QCategoryAxis;
class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace quorvel {

// The omission chart chtOmission: the gap of each hit draw over the issue axis (from the start of the
// history), with the minimum and maximum omission drawn as lines and the last omission as a point after the
// latest draw; the legend names them 遗漏, 最小, 最大 and 最后 with their figures. One hit can be marked.
class OmissionChart : public QChartView {
  public:
    explicit OmissionChart(QWidget* parent = nullptr);

    // Draws the hits of a search (or of one group) under a title.
    void showHits(const SearchResult& result, const QString& title);
    // Marks the hit at this row of the shown result (none for -1).
    void markHit(int row);
    // Empties the chart and says why in its title.
    void showNote(const QString& note);

  private:
    SearchResult m_result;
    std::vector<double> m_positions; // IDX of each hit: the running sum of the gaps
    QLineSeries* m_gaps;
    QLineSeries* m_min;
    QLineSeries* m_max;
    QScatterSeries* m_last;
    QScatterSeries* m_marked;
    QCategoryAxis* m_issues;
    QValueAxis* m_values;
};

} // namespace quorvel
