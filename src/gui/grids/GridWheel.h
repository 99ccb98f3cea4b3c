// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QTableView;

namespace quorvel {

// The mouse wheel over a grid moves it by exactly one row per notch: towards the user one row down,
// away from the user one row up, never above the first row.
class GridWheel : public QObject {
  public:
    explicit GridWheel(QTableView* grid);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QTableView* m_grid;
};

} // namespace quorvel
