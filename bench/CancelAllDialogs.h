// SPDX-License-Identifier: MIT
#pragma once

#include "gui/shell/Dialogs.h"

namespace quorvel::bench {

// The window's dialogs for benchmarks: none is expected; any that appeared would be cancelled.
class CancelAllDialogs : public Dialogs {
  public:
    void message(QWidget*, const QString&, const QString&) override {}
    void warning(QWidget*, const QString&, const QString&) override {}
    bool question(QWidget*, const QString&, const QString&) override { return false; }
    std::optional<QString> input(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    std::optional<QString> openFile(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    std::optional<QString> saveFile(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    void printPreview(QWidget*, const QString&, PrintSetup&, const PagePainter&) override {}
    void popup(QMenu&, const QPoint&) override {}
};

} // namespace quorvel::bench
