// SPDX-License-Identifier: MIT
#include "app/ImportSummary.h"

namespace quorvel {

std::string importSummaryText(const ImportResult& result, const std::string& fileName) {
    std::string text = "Stored " + std::to_string(result.imported) + " draws from " + fileName + ".";
    if (result.backup) text += "\nThe history it replaced was saved to " + result.backup->string() + ".";
    if (result.skipped.empty()) return text + "\nNo line was skipped.";
    const int skipped = static_cast<int>(result.skipped.size());
    text += "\nSkipped " + std::to_string(skipped) + (skipped == 1 ? " line:" : " lines:");
    for (int i = 0; i < skipped && i < kShownSkipped; ++i) {
        const SkippedLine& line = result.skipped[static_cast<std::size_t>(i)];
        text += "\nline " + std::to_string(line.line) + " \"" + line.text + "\": " + line.reason;
    }
    if (skipped > kShownSkipped) text += "\nand " + std::to_string(skipped - kShownSkipped) + " more";
    return text;
}

} // namespace quorvel
