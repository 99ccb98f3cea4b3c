// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/Progress.h"

#include <QElapsedTimer>
#include <QString>

#include <memory>

class QProgressDialog;
class QWidget;

namespace quorvel {

// The progress of one long analysis in the window: after a moment a progress dialog with a cancel button
// appears; until then, and while it shows, the window keeps painting. A cancel stops the analysis
// (AnalysisCancelled), which leaves the previous results.
class RunProgress {
  public:
    RunProgress(QWidget* window, QString what);
    ~RunProgress();

    // The callback to hand to the analysis.
    Progress progress();

  private:
    bool step(long done, long total);

    QWidget* m_window;
    QString m_what;
    QElapsedTimer m_clock;
    qint64 m_lastEvents = 0;
    std::unique_ptr<QProgressDialog> m_dialog;
};

} // namespace quorvel
