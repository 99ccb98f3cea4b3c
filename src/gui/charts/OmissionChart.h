// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/AnalysisResult.h"

#include <QChartView>

class QCategoryAxis;
class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace quorvel {

// The omission chart chtOmission: the gaps inside the range over the issue axis (the first gap from the
// range's first draw, whatever rule the summary row counts by), with the least and greatest of those gaps
// drawn as lines and the last omission as a point after the latest draw; the legend names them 遗漏, 最小,
// 最大 and 最后 with their figures. One hit can be marked. The axes take as many labels as fit the chart's
// size, so labels never overlap. Its own texts follow the window's language at once; titles and notes given by
// the caller stay until the caller gives new ones.
class OmissionChart : public QChartView {
    Q_OBJECT
  public:
    explicit OmissionChart(QWidget* parent = nullptr);

    // Draws the hits of a search (or of one group) under a title.
    void showHits(const SearchResult& result, const QString& title);
    // Marks the hit at this row of the shown result (none for -1).
    void markHit(int row);
    // Empties the chart and says why in its title.
    void showNote(const QString& note);
    // Whether the chart still shows the note it starts with (no analysis charted yet).
    bool showsStartNote() const { return m_showsStartNote; }

  protected:
    void changeEvent(QEvent* event) override;

  private:
    // Chooses the axes' labels and ticks for the plot area's size.
    void relabel();
    void showStartNote();
    // Names the series in the legend, with the figures of the hits shown.
    void nameSeries();

    SearchResult m_result;
    std::vector<double> m_gapsInRange; // the gap of each hit, the first from the range's first draw
    double m_from = 0;                 // the axis starts at the draw just before the range
    double m_next = 0;                 // the draw after the latest one, where the last omission is drawn
    double m_top = 0;                  // the highest figure drawn
    int m_least = 0;                   // the least and greatest gap in the range, and the last omission
    int m_greatest = 0;
    int m_lastGap = 0;
    QRectF m_labelledArea;         // the plot area the labels were chosen for
    bool m_showsHits = false;      // a result is drawn (not a note)
    bool m_showsStartNote = false; // the note shown before any analysis
    QLineSeries* m_gaps;
    QLineSeries* m_min;
    QLineSeries* m_max;
    QScatterSeries* m_last;
    QScatterSeries* m_marked;
    QCategoryAxis* m_issues;
    QValueAxis* m_values;
};

} // namespace quorvel
