// SPDX-License-Identifier: MIT
#include "app/history/ImportSummary.h"

#include "model/PathText.h"

namespace quorvel {

Messages importSummary(const ImportResult& result, const std::string& fileName) {
    Messages lines;
    lines.push_back(result.imported == 1 ? Message::core(QT_TRANSLATE_NOOP("Core", "Stored 1 draw from %1."), fileName)
                                         : Message::core(QT_TRANSLATE_NOOP("Core", "Stored %1 draws from %2."),
                                                         result.imported, fileName));
    if (result.backup)
        lines.push_back(Message::core(QT_TRANSLATE_NOOP("Core", "The history it replaced was saved to %1."),
                                      pathText(*result.backup)));
    if (result.skipped.empty()) {
        lines.push_back(Message::core(QT_TRANSLATE_NOOP("Core", "No line was skipped.")));
        return lines;
    }
    const int skipped = static_cast<int>(result.skipped.size());
    lines.push_back(skipped == 1 ? Message::core(QT_TRANSLATE_NOOP("Core", "Skipped 1 line:"))
                                 : Message::core(QT_TRANSLATE_NOOP("Core", "Skipped %1 lines:"), skipped));
    for (int i = 0; i < skipped && i < kShownSkipped; ++i) {
        const SkippedLine& line = result.skipped[static_cast<std::size_t>(i)];
        lines.push_back(
            Message::core(QT_TRANSLATE_NOOP("Core", "line %1 \"%2\": %3"), line.line, line.text, line.reason));
    }
    if (skipped > kShownSkipped)
        lines.push_back(Message::core(QT_TRANSLATE_NOOP("Core", "and %1 more"), skipped - kShownSkipped));
    return lines;
}

} // namespace quorvel
