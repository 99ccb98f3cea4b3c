// SPDX-License-Identifier: MIT
#include "platform/DataFolder.h"

#include "model/PathText.h"

#include <QCoreApplication>
#include <QStandardPaths>

#include <cstdlib>

namespace quorvel {

namespace {

// A variable of the environment as UTF-8 text; nothing when it is not set or empty. On Windows it is read in
// UTF-16, as std::getenv gives it in the ANSI code page.
std::optional<std::string> environmentText(const char* name) {
#if defined(_WIN32)
    if (!qEnvironmentVariableIsEmpty(name)) return qEnvironmentVariable(name).toStdString();
#else
    if (const char* value = std::getenv(name); value && *value) return std::string(value);
#endif
    return std::nullopt;
}

} // namespace

std::filesystem::path resolveDataFolder(const std::optional<std::string>& given) {
    if (given && !given->empty()) return textPath(*given);
    if (const auto fromEnvironment = environmentText("QUORVEL_DATA_DIR")) return textPath(*fromEnvironment);
    if (QCoreApplication::applicationName().isEmpty()) QCoreApplication::setApplicationName(QStringLiteral("quorvel"));
    return textPath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString());
}

} // namespace quorvel
