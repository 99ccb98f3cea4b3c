// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <functional>

class QWidget;

namespace quorvel {

// Runs an action whenever a widget loses the keyboard focus (the "losing the focus" handlers of the window).
class FocusOutWatcher : public QObject {
  public:
    FocusOutWatcher(QWidget* widget, std::function<void()> action);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<void()> m_action;
};

// Watches a widget for the rest of its life.
void onFocusOut(QWidget* widget, std::function<void()> action);

} // namespace quorvel
