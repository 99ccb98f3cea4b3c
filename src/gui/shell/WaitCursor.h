// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>

namespace quorvel {

// Shows the hourglass for as long as it lives, also when the work it covers raises.
class WaitCursor {
  public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace quorvel
