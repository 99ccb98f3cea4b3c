// SPDX-License-Identifier: MIT
#include "app/history/UpdateMessages.h"

#include "model/PathText.h"

namespace quorvel {

namespace {

Message draws(int n) {
    return n == 1 ? Message::core(QT_TRANSLATE_NOOP("Core", "1 draw"))
                  : Message::core(QT_TRANSLATE_NOOP("Core", "%1 draws"), n);
}

} // namespace

Messages updateConfirmation(const UpdatePlan& plan) {
    Messages lines{Message::core(kUpdateQuestion)};
    if (plan.clearsHistory)
        lines.push_back(Message::core(QT_TRANSLATE_NOOP("Core", "现有历史号码的第一期早于保留的%1年：读到网页后将先清空"
                                                                "现有历史（另存到备份文件夹），只保留%2年至%3年的历史"
                                                                "号码。"),
                                      plan.yearsToKeep, plan.startYear, plan.currentYear));
    return lines;
}

std::optional<Message> clearingOnUnreadSettings(const UpdatePlan& plan, const Settings& settings) {
    if (!plan.clearsHistory) return std::nullopt;
    const std::optional<Message> unread = settings.unreadValue(Setting::IniSerchDay);
    if (!unread) return std::nullopt;
    return Message::core(QT_TRANSLATE_NOOP("Core", "the update would clear the history, whose first draw is more "
                                                   "than %1 years old, but %1 is only the default number of years "
                                                   "to keep: %2; nothing was changed; correct the settings file or "
                                                   "move it away, then set the years to keep again"),
                         plan.yearsToKeep, *unread);
}

Messages updateSummary(const UpdateResult& result) {
    Messages lines;
    if (result.clearWithheld) {
        lines.push_back(Message::core(QT_TRANSLATE_NOOP("Core", "The history began more than %1 years ago, but it was "
                                                                "not cleared: not every kept year gave its draws, and "
                                                                "clearing would lose the stored draws of the years "
                                                                "that failed. Nothing was changed; update again "
                                                                "later."),
                                      result.yearsToKeep));
    } else if (result.nothingRead()) {
        lines.push_back(
            Message::core(QT_TRANSLATE_NOOP("Core", "No page could be read, so the history was left unchanged.")));
    } else {
        lines.push_back(Message::core(QT_TRANSLATE_NOOP("Core", "Added %1."), draws(result.appended)));
        if (result.filled > 0)
            lines.push_back(Message::core(QT_TRANSLATE_NOOP("Core", "Of them, %1 filled holes of the stored history."),
                                          draws(result.filled)));
        for (const YearCount& year : result.years)
            lines.push_back(Message::core(QT_TRANSLATE_NOOP("Core", "%1: %2"), year.year,
                                          year.noDrawYet ? Message::core(QT_TRANSLATE_NOOP("Core", "no draw yet"))
                                                         : draws(year.appended)));
        if (result.cleared)
            lines.push_back(
                result.backup
                    ? Message::core(QT_TRANSLATE_NOOP("Core", "The history began more than %1 years ago, so it was "
                                                              "cleared before the new draws were stored; it was saved "
                                                              "to %2."),
                                    result.yearsToKeep, pathText(*result.backup))
                    : Message::core(QT_TRANSLATE_NOOP("Core", "The history began more than %1 years ago, so it was "
                                                              "cleared before the new draws were stored."),
                                    result.yearsToKeep));
        if (result.keptFromStore > 0)
            lines.push_back(Message::core(QT_TRANSLATE_NOOP("Core", "%1 after the site's latest draw were kept from "
                                                                    "the stored history."),
                                          draws(result.keptFromStore)));
    }
    if (!result.stillMissing.empty()) {
        std::string issues;
        for (int issue : result.stillMissing)
            issues += (issues.empty() ? "" : " ") + std::to_string(issue);
        lines.push_back(Message::core(QT_TRANSLATE_NOOP("Core", "Still missing from the history (no page lists them): "
                                                                "%1"),
                                      issues));
    }
    if (!result.failed.empty()) {
        lines.push_back(Message::core(QT_TRANSLATE_NOOP("Core", "Years that failed (nothing stored was removed; update "
                                                                "again to load what is missing, in order):")));
        for (const FailedYear& year : result.failed)
            lines.push_back(Message::core(QT_TRANSLATE_NOOP("Core", "%1: %2"), year.year, year.reason));
    }
    const int skipped = static_cast<int>(result.skipped.size());
    if (skipped > 0)
        lines.push_back(skipped == 1 ? Message::core(QT_TRANSLATE_NOOP("Core", "Skipped 1 row:"))
                                     : Message::core(QT_TRANSLATE_NOOP("Core", "Skipped %1 rows:"), skipped));
    for (int i = 0; i < skipped && i < kShownSkippedRows; ++i) {
        const SkippedRow& row = result.skipped[static_cast<std::size_t>(i)];
        lines.push_back(
            Message::core(QT_TRANSLATE_NOOP("Core", "%1 row %2 \"%3\": %4"), row.year, row.row, row.text, row.reason));
    }
    if (skipped > kShownSkippedRows)
        lines.push_back(Message::core(QT_TRANSLATE_NOOP("Core", "and %1 more"), skipped - kShownSkippedRows));
    return lines;
}

} // namespace quorvel
