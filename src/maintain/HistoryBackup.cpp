// SPDX-License-Identifier: MIT
#include "maintain/HistoryBackup.h"

#include "model/SystemError.h"
#include "store/HistoryStore.h"

#include "maintain/HistoryRebuild.h"
#include "maintain/HistoryTextWriter.h"
#include "model/Error.h"
#include "model/LocalTimestamp.h"
#include "model/PathText.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <string>
#include <tuple>
#include <vector>

namespace quorvel {

namespace {

constexpr const char* kPrefix = "history-";

// Where a copy stands among the others: its time stamp, then the count of the copies written before it in the
// same second ("history-…-101500.txt" is the first, "history-…-101500-2.txt" the second, "-10" the tenth).
// Numbers are compared as numbers, so that "-10" comes after "-9" whatever the pace of the copies.
struct CopyOrder {
    std::string stamp;
    long count = 1;
    std::string stem; // keeps names that are not ours in a fixed order

    bool operator<(const CopyOrder& other) const {
        return std::tie(stamp, count, stem) < std::tie(other.stamp, other.count, other.stem);
    }
};

CopyOrder orderOf(const std::filesystem::path& file) {
    const std::string stem = pathText(file.stem());
    const std::string rest = stem.substr(std::string(kPrefix).size());
    // "YYYYMMDD-HHMMSS" is 15 characters; a count follows as "-N".
    CopyOrder order{rest.substr(0, 15), 1, stem};
    if (rest.size() > 16 && rest[15] == '-') {
        const std::string count = rest.substr(16);
        if (count.find_first_not_of("0123456789") == std::string::npos && count.size() < 10)
            order.count = std::stol(count);
    }
    return order;
}

// The safety copies, oldest first.
std::vector<std::filesystem::path> backupsOldestFirst(const std::filesystem::path& folder) {
    std::vector<std::pair<CopyOrder, std::filesystem::path>> files;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        const std::string name = pathText(entry.path().filename());
        if (entry.is_regular_file() && name.rfind(kPrefix, 0) == 0 && entry.path().extension() == ".txt")
            files.emplace_back(orderOf(entry.path()), entry.path());
    }
    std::sort(files.begin(), files.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::filesystem::path> sorted;
    for (auto& [order, file] : files)
        sorted.push_back(std::move(file));
    return sorted;
}

// The name of a new copy: the time stamp, and after the copies of the same second the next count. The count
// follows the highest one present, never a gap that pruning left, so that the new copy is always the newest.
std::filesystem::path freeName(const std::filesystem::path& folder) {
    const std::string stamp = localTimestamp();
    const std::string stem = kPrefix + stamp;
    long highest = 0;
    for (const std::filesystem::path& copy : backupsOldestFirst(folder)) {
        const CopyOrder order = orderOf(copy);
        if (order.stamp == stamp) highest = std::max(highest, order.count);
    }
    std::filesystem::path file =
        folder / textPath(highest == 0 ? stem + ".txt" : stem + "-" + std::to_string(highest + 1) + ".txt");
    for (long n = highest + 2; std::filesystem::exists(file); ++n)
        file = folder / textPath(stem + "-" + std::to_string(n) + ".txt");
    return file;
}

// The copy must give the history back when imported: a draw that does not read back unchanged (an issue that
// is not seven digits, a sequence 000) would be lost by the removal that follows.
void requireRestorable(const std::filesystem::path& file, const std::vector<Draw>& written) {
    std::vector<Draw> readBack;
    try {
        readBack = readBackupFile(file);
    } catch (const Error& e) {
        throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "the safety copy %1 would not restore the history (%2)"),
                                  pathText(file), e.message()));
    }
    if (readBack == written) return;
    auto mismatch = std::mismatch(written.begin(), written.end(), readBack.begin(), readBack.end());
    const Draw& lost = mismatch.first != written.end() ? *mismatch.first : written.back();
    throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "the safety copy %1 would not restore draw %2 unchanged (a "
                                                        "history text file holds seven-digit issues whose sequence is "
                                                        "not 000)"),
                              pathText(file), lost.issue));
}

} // namespace

std::optional<std::filesystem::path> backupHistory(const HistoryStore& store, const std::filesystem::path& dataFolder) {
    std::vector<DrawRecord> records = store.readAll();
    if (records.empty()) return std::nullopt;
    const std::filesystem::path folder = dataFolder / kBackupFolderName;
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec)
        throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "cannot create the backup folder %1: %2; nothing was "
                                                            "changed"),
                                  pathText(folder), systemError(ec)));
    std::vector<Draw> draws;
    draws.reserve(records.size());
    for (const DrawRecord& record : records)
        draws.push_back(record.draw());
    const std::filesystem::path file = freeName(folder);
    try {
        writeHistoryTextFile(file, draws);
        requireRestorable(file, draws);
    } catch (const Error& e) {
        std::filesystem::remove(file, ec);
        throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "cannot write the safety copy of the history: %1; nothing "
                                                            "was changed. To keep this history anyway, move %2 out of "
                                                            "the data folder (it is a complete copy), then go on with "
                                                            "a new store"),
                                  e.message(), pathText(store.file().filename())));
    }
    std::vector<std::filesystem::path> copies = backupsOldestFirst(folder);
    for (std::size_t i = 0; i + kBackupsKept < copies.size(); ++i)
        std::filesystem::remove(copies[i], ec);
    return file;
}

Message damagedStoreAdvice(const Message& failure, const std::filesystem::path& dataFolder,
                           const std::filesystem::path& storeFile) {
    auto backup = newestBackup(dataFolder);
    const std::string name = pathText(storeFile.filename());
    if (backup)
        return Message::core(QT_TRANSLATE_NOOP("Core", "%1. Move it away (rename it, e.g. to %2.damaged) and start "
                                                       "again: a new, empty store is created. Then import the newest "
                                                       "backup, %3, to restore the history."),
                             failure, name, pathText(*backup));
    return Message::core(QT_TRANSLATE_NOOP("Core", "%1. Move it away (rename it, e.g. to %2.damaged) and start again: "
                                                   "a new, empty store is created. There is no backup in %3."),
                         failure, name, pathText(dataFolder / kBackupFolderName));
}

std::vector<std::filesystem::path> listBackups(const std::filesystem::path& dataFolder) {
    return backupsOldestFirst(dataFolder / kBackupFolderName);
}

std::optional<std::filesystem::path> newestBackup(const std::filesystem::path& dataFolder) {
    std::vector<std::filesystem::path> copies = listBackups(dataFolder);
    if (copies.empty()) return std::nullopt;
    return copies.back();
}

} // namespace quorvel
