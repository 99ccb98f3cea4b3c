// SPDX-License-Identifier: MIT
#include "maintain/HistoryBackup.h"

#include "maintain/HistoryTextWriter.h"
#include "model/Error.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <string>
#include <vector>

namespace quorvel {

namespace {

constexpr const char* kPrefix = "history-";

std::string localTimestamp() {
    std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
    return text;
}

// The safety copies, oldest first. Names sort by their stem: a second copy within the same second carries
// "-2" after the time, and "history-…-101500" sorts before "history-…-101500-2".
std::vector<std::filesystem::path> backupsOldestFirst(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> files;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        if (entry.is_regular_file() && name.rfind(kPrefix, 0) == 0 && entry.path().extension() == ".txt")
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end(),
              [](const auto& a, const auto& b) { return a.stem().string() < b.stem().string(); });
    return files;
}

std::filesystem::path freeName(const std::filesystem::path& folder) {
    const std::string stem = kPrefix + localTimestamp();
    std::filesystem::path file = folder / (stem + ".txt");
    for (int n = 2; std::filesystem::exists(file); ++n)
        file = folder / (stem + "-" + std::to_string(n) + ".txt");
    return file;
}

} // namespace

std::optional<std::filesystem::path> backupHistory(const HistoryStore& store, const std::filesystem::path& dataFolder) {
    std::vector<DrawRecord> records = store.readAll();
    if (records.empty()) return std::nullopt;
    const std::filesystem::path folder = dataFolder / kBackupFolderName;
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec)
        throw Error("cannot create the backup folder " + folder.string() + ": " + ec.message() +
                    "; nothing was changed");
    std::vector<Draw> draws;
    draws.reserve(records.size());
    for (const DrawRecord& record : records)
        draws.push_back(record.draw());
    const std::filesystem::path file = freeName(folder);
    try {
        writeHistoryTextFile(file, draws);
    } catch (const Error& e) {
        std::filesystem::remove(file, ec);
        throw Error("cannot write the safety copy of the history: " + std::string(e.what()) + "; nothing was changed");
    }
    std::vector<std::filesystem::path> copies = backupsOldestFirst(folder);
    for (std::size_t i = 0; i + kBackupsKept < copies.size(); ++i)
        std::filesystem::remove(copies[i], ec);
    return file;
}

std::optional<std::filesystem::path> newestBackup(const std::filesystem::path& dataFolder) {
    std::vector<std::filesystem::path> copies = backupsOldestFirst(dataFolder / kBackupFolderName);
    if (copies.empty()) return std::nullopt;
    return copies.back();
}

} // namespace quorvel
