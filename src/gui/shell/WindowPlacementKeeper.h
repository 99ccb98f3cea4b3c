// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QWidget;

namespace quorvel {

class Settings;

// Opens the main window where it was when it was last closed (place, size, maximised), fitted to the available
// area of the screen it was on, and saves that placement to the data folder's settings when it is closed.
class WindowPlacementKeeper : public QObject {
    Q_OBJECT
  public:
    WindowPlacementKeeper(QWidget& window, Settings& settings);

    // Shows the window at its remembered placement, or on a first start at 1280x800 in the middle of the
    // screen (maximised on a screen without room for that).
    void show();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void save();

    QWidget& m_window;
    Settings& m_settings;
};

} // namespace quorvel
