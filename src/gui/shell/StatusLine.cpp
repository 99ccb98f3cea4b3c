// SPDX-License-Identifier: MIT
#include "gui/shell/StatusLine.h"

#include "gui/shell/QtText.h"

namespace quorvel {

StatusLine::StatusLine(const QString& objectName, QWidget* parent) : QLabel(parent) {
    setObjectName(objectName);
    setWordWrap(true);
}

void StatusLine::say(const QString& text) {
    setText(text);
    setVisible(!text.isEmpty());
}

void StatusLine::sayWritten(const std::filesystem::path& file, bool opened) {
    const QString path = fromPath(file);
    if (opened)
        say(tr("Wrote %1 and opened it.").arg(path));
    else
        say(tr("Wrote %1; no application could open it, so the file is kept there for you to open.").arg(path));
}

} // namespace quorvel
