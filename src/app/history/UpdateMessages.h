// SPDX-License-Identifier: MIT
#pragma once

#include "app/history/UpdateRun.h"
#include "app/settings/Settings.h"
#include "ingest/UpdatePlan.h"
#include "model/Message.h"

#include <optional>
#include <string>

namespace quorvel {

// The confirmation's title and question before an online update.
inline constexpr const char* kUpdateTitle = QT_TRANSLATE_NOOP("Core", "读入历史");
inline constexpr const char* kUpdateQuestion = QT_TRANSLATE_NOOP(
    "Core",
    "确实要在线更新最新历史号码吗？更新可能要花费一段时间，网络不通或者我方服务器更新不及时可能都造成更新失败！");

// The question, with one more sentence when the plan's age check will clear the history: which years are kept.
Messages updateConfirmation(const UpdatePlan& plan);

// Why an update planned with the settings' years to keep must not run: it would clear the history, and those
// years are only the default because the settings file could not be read. Nothing when it may run.
std::optional<Message> clearingOnUnreadSettings(const UpdatePlan& plan, const Settings& settings);

// The report after an online update: the draws added, in all and per year; the cleared history and its
// safety copy; the years that failed and why; the rows left out (the first kShownSkippedRows with their
// reasons, then how many more). When no page was read, or the clearing was withheld, it says that nothing
// changed.
inline constexpr int kShownSkippedRows = 20;
Messages updateSummary(const UpdateResult& result);

} // namespace quorvel
