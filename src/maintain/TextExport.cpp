// SPDX-License-Identifier: MIT
#include "maintain/TextExport.h"

#include "maintain/ExportTarget.h"
#include "maintain/HistoryTextWriter.h"
#include "model/Error.h"
#include "model/PathText.h"

namespace quorvel {

std::filesystem::path defaultTextExportName(int latestIssue) {
    return textPath("更新至" + std::to_string(latestIssue) + "期历史号码.txt");
}

std::filesystem::path exportHistoryText(const HistoryStore& store, const std::filesystem::path& dataFolder,
                                        const std::optional<std::filesystem::path>& target) {
    std::vector<DrawRecord> records = store.readAll();
    if (records.empty())
        throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "the history is empty: there is nothing to export; import "
                                                            "or add draws first")));
    std::filesystem::path file = target ? *target : dataFolder / defaultTextExportName(records.back().issue);
    requireExportTarget(file, dataFolder, store.file());
    std::vector<Draw> draws;
    draws.reserve(records.size());
    for (const DrawRecord& record : records)
        draws.push_back(record.draw());
    writeHistoryTextFile(file, draws);
    return file;
}

} // namespace quorvel
