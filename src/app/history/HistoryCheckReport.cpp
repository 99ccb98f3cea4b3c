// SPDX-License-Identifier: MIT
#include "app/history/HistoryCheckReport.h"

#include <string>

namespace quorvel {

namespace {

std::string issueList(const std::vector<int>& issues) {
    std::string text;
    for (int issue : issues)
        text += (text.empty() ? "" : " ") + std::to_string(issue);
    return text;
}

} // namespace

Messages historyCheckReport(const HistoryHoles& holes, UpdateSiteHint hint) {
    if (!holes.any())
        return {Message::core(QT_TRANSLATE_NOOP("Core", "No holes: no draw is missing inside a year, no issue is "
                                                        "stored twice, and the draws are numbered in issue order."))};
    Messages lines;
    if (!holes.missing.empty())
        lines.push_back(Message::core(QT_TRANSLATE_NOOP("Core", "Missing draws (%1): %2"), holes.missing.size(),
                                      issueList(holes.missing)));
    if (!holes.duplicates.empty())
        lines.push_back(Message::core(QT_TRANSLATE_NOOP("Core", "Issues stored more than once (%1): %2"),
                                      holes.duplicates.size(), issueList(holes.duplicates)));
    if (!holes.outOfOrder.empty())
        lines.push_back(Message::core(QT_TRANSLATE_NOOP("Core", "Draws numbered out of issue order (%1): %2"),
                                      holes.outOfOrder.size(), issueList(holes.outOfOrder)));
    if (!holes.missing.empty())
        lines.push_back(hint == UpdateSiteHint::Menu
                            ? Message::core(QT_TRANSLATE_NOOP("Core", "The online update (历史号在线更新) loads the "
                                                                      "years of the missing draws again and fills "
                                                                      "the holes its pages list."))
                            : Message::core(QT_TRANSLATE_NOOP("Core", "The online update (quorvel-cli update) loads "
                                                                      "the years of the missing draws again and fills "
                                                                      "the holes its pages list.")));
    if (!holes.duplicates.empty() || !holes.outOfOrder.empty())
        lines.push_back(hint == UpdateSiteHint::Menu
                            ? Message::core(QT_TRANSLATE_NOOP("Core", "To store each draw once in issue order, "
                                                                      "export the history (导出历史号码), mend the "
                                                                      "file and read it in again."))
                            : Message::core(QT_TRANSLATE_NOOP("Core", "To store each draw once in issue order, "
                                                                      "export the history (quorvel-cli export-text), "
                                                                      "mend the file and import it again.")));
    return lines;
}

} // namespace quorvel
