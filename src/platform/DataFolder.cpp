// SPDX-License-Identifier: MIT
#include "platform/DataFolder.h"

#include <QCoreApplication>
#include <QStandardPaths>

#include <cstdlib>

namespace quorvel {

std::filesystem::path resolveDataFolder(const std::optional<std::string>& given) {
    if (given && !given->empty()) return *given;
    if (const char* fromEnvironment = std::getenv("QUORVEL_DATA_DIR"); fromEnvironment && *fromEnvironment)
        return fromEnvironment;
    if (QCoreApplication::applicationName().isEmpty()) QCoreApplication::setApplicationName(QStringLiteral("quorvel"));
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
}

} // namespace quorvel
