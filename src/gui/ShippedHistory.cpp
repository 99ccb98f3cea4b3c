// SPDX-License-Identifier: MIT
#include "gui/ShippedHistory.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace quorvel {

QString shippedHistoryFile() {
    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/marksix-history.txt");
    for (const QString& candidate : {beside, QStringLiteral(QUORVEL_SOURCE_HISTORY)})
        if (QFileInfo(candidate).isFile()) return candidate;
    return {};
}

} // namespace quorvel
