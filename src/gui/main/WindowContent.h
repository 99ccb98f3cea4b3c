// SPDX-License-Identifier: MIT
#pragma once

#include <QScrollArea>

class QGridLayout;

namespace quorvel {

// The main window's content, held by one scroll area (scrContent): where the window is too small for it, the
// whole content scrolls and no control is squeezed below its minimum size; no panel scrolls on its own.
// Wide enough, the history, the options and the combination boxes above the chart stand side by side above
// the result grids and the details. Narrower, the combination boxes go below the history list with the chart
// and the details beside them, and the result grids below all, so that a window 1024 pixels wide shows every
// control at its size without scrolling sideways. Extra height goes to the grids' rows.
class WindowContent : public QScrollArea {
    Q_OBJECT
  public:
    struct Panels {
        QWidget* history;
        QWidget* options;
        QWidget* combinations;
        QWidget* chart;
        QWidget* results; // the result grids
        QWidget* detail;  // the details of the selected result row
    };

    explicit WindowContent(const Panels& panels, QWidget* parent = nullptr);

    // True while the narrower arrangement is shown.
    bool narrow() const { return m_narrow; }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Shows the arrangement that fits the scroll area's width.
    void fitWidth();
    void arrange(bool narrow);
    // The width the wide arrangement needs, with room for a vertical scroll bar.
    int wideWidth() const;

    Panels m_panels;
    QWidget* m_content;
    QGridLayout* m_grid;
    bool m_narrow = false;
};

} // namespace quorvel
