// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

#include <filesystem>

namespace quorvel {

// The line at the foot of a chart window that says what was just done; hidden while it has nothing to say.
class StatusLine : public QLabel {
    Q_OBJECT
  public:
    StatusLine(const QString& objectName, QWidget* parent);

    void say(const QString& text);
    // Says that a file was written, and whether an application could open it.
    void sayWritten(const std::filesystem::path& file, bool opened);
};

} // namespace quorvel
