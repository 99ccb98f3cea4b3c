// SPDX-License-Identifier: MIT
#include "gui/history/ShippedHistory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace quorvel {

QString shippedHistoryFile() {
    const QDir programs(QCoreApplication::applicationDirPath());
    const QString name = QStringLiteral("marksix-history.txt");
    const QString candidates[] = {
        programs.filePath(name),
        QDir::cleanPath(programs.filePath(QStringLiteral(QUORVEL_INSTALLED_HISTORY_DIR) + QLatin1Char('/') + name)),
        QStringLiteral(QUORVEL_SOURCE_HISTORY),
    };
    for (const QString& candidate : candidates)
        if (QFileInfo(candidate).isFile()) return candidate;
    return {};
}

} // namespace quorvel
