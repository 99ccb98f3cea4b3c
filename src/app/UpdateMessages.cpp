// SPDX-License-Identifier: MIT
#include "app/UpdateMessages.h"

namespace quorvel {

namespace {

std::string draws(int n) { return std::to_string(n) + (n == 1 ? " draw" : " draws"); }

} // namespace

std::string updateConfirmationText(const UpdatePlan& plan) {
    std::string text = kUpdateQuestion;
    if (plan.clearsHistory)
        text += "\n现有历史号码的第一期早于保留的" + std::to_string(plan.yearsToKeep) +
                "年：读到网页后将先清空现有历史（另存到备份文件夹），只保留" + std::to_string(plan.startYear) + "年至" +
                std::to_string(plan.currentYear) + "年的历史号码。";
    return text;
}

std::string updateSummaryText(const UpdateResult& result) {
    std::string text;
    if (result.clearWithheld) {
        text = "The history began more than " + std::to_string(result.yearsToKeep) +
               " years ago, but it was not cleared: not every kept year gave its draws, and clearing would lose "
               "the stored draws of the years that failed. Nothing was changed; update again later.";
    } else if (result.nothingRead()) {
        text = "No page could be read, so the history was left unchanged.";
    } else {
        text = "Added " + draws(result.appended) + ".";
        for (const YearCount& year : result.years)
            text += "\n" + std::to_string(year.year) + ": " + (year.noDrawYet ? "no draw yet" : draws(year.appended));
        if (result.cleared)
            text += "\nThe history began more than " + std::to_string(result.yearsToKeep) +
                    " years ago, so it was cleared before the new draws were stored" +
                    (result.backup ? "; it was saved to " + result.backup->string() : std::string()) + ".";
    }
    if (!result.failed.empty()) {
        text += "\nYears that failed (nothing was added from them, nothing stored was removed):";
        for (const FailedYear& year : result.failed)
            text += "\n" + std::to_string(year.year) + ": " + year.reason;
    }
    const int skipped = static_cast<int>(result.skipped.size());
    if (skipped > 0) text += "\nSkipped " + std::to_string(skipped) + (skipped == 1 ? " row:" : " rows:");
    for (int i = 0; i < skipped && i < kShownSkippedRows; ++i) {
        const SkippedRow& row = result.skipped[static_cast<std::size_t>(i)];
        text += "\n" + std::to_string(row.year) + " row " + std::to_string(row.row) + " \"" + row.text +
                "\": " + row.reason;
    }
    if (skipped > kShownSkippedRows) text += "\nand " + std::to_string(skipped - kShownSkippedRows) + " more";
    return text;
}

} // namespace quorvel
