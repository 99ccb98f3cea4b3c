// SPDX-License-Identifier: MIT
#include "maintain/ExportTarget.h"

#include "maintain/HistoryBackup.h"
#include "model/Error.h"
#include "model/PathText.h"

#include <string>
#include <vector>

namespace quorvel {

namespace {

// Whether two paths name the same file: the files themselves when both exist, else the paths once every
// link and "." or ".." in them is resolved.
bool sameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code ec;
    if (std::filesystem::exists(a, ec) && std::filesystem::exists(b, ec)) {
        bool same = std::filesystem::equivalent(a, b, ec);
        if (!ec) return same;
    }
    const std::filesystem::path left = std::filesystem::weakly_canonical(a, ec);
    if (ec) return false;
    const std::filesystem::path right = std::filesystem::weakly_canonical(b, ec);
    return !ec && left == right;
}

Message refusal(const std::filesystem::path& target, const Message& why) {
    return Message::core(QT_TRANSLATE_NOOP("Core", "cannot export to %1: %2; nothing was written"), pathText(target),
                         why);
}

} // namespace

void requireExportTarget(const std::filesystem::path& target, const std::filesystem::path& dataFolder,
                         const std::filesystem::path& storeFile) {
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::symlink_status(target, ec);
    if (std::filesystem::is_symlink(status)) {
        const std::filesystem::path points = std::filesystem::read_symlink(target, ec);
        throw Error(refusal(target, Message::core(QT_TRANSLATE_NOOP("Core", "it is a symbolic link (to %1), which an "
                                                                            "export does not write through; give the "
                                                                            "path of the file itself, or another path"),
                                                  pathText(points))));
    }
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
        throw Error(refusal(
            target, std::filesystem::is_directory(status)
                        ? Message::core(QT_TRANSLATE_NOOP("Core", "it is a folder; give the path of a file to write"))
                        : Message::core(QT_TRANSLATE_NOOP("Core", "it is not a regular file (a FIFO, a device or a "
                                                                  "socket); give the path of a file to write"))));
    const std::vector<std::pair<std::filesystem::path, const char*>> kept{
        {storeFile, QT_TRANSLATE_NOOP("Core", "it is the history store")},
        {pathWithSuffix(storeFile, "-wal"), QT_TRANSLATE_NOOP("Core", "it is the history store's write-ahead log")},
        {pathWithSuffix(storeFile, "-shm"), QT_TRANSLATE_NOOP("Core", "it is the history store's shared-memory file")},
        {dataFolder / kSettingsFileName, QT_TRANSLATE_NOOP("Core", "it is the settings file")},
        {dataFolder / kSavedSelectionsFileName, QT_TRANSLATE_NOOP("Core", "it is the file of the saved selections")},
    };
    for (const auto& [file, what] : kept)
        if (sameFile(target, file))
            throw Error(refusal(target, Message::core(QT_TRANSLATE_NOOP("Core", "%1, which an export never replaces; "
                                                                                "choose another path"),
                                                      Message::core(what))));
    const std::filesystem::path folder = target.parent_path().empty() ? "." : target.parent_path();
    if (sameFile(folder, dataFolder / kBackupFolderName))
        throw Error(refusal(target, Message::core(QT_TRANSLATE_NOOP("Core", "it is in the backup folder, which holds "
                                                                            "the safety copies of the history; choose "
                                                                            "another folder"))));
}

} // namespace quorvel
