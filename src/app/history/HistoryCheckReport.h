// SPDX-License-Identifier: MIT
#pragma once

#include "ingest/UpdatePlan.h"
#include "maintain/HistoryCheck.h"
#include "model/Message.h"

namespace quorvel {

// What a check of the history found, one line for each kind of hole with its issues, and how missing draws are
// filled (the online update, named as the window's menu or the command line has it); or that it found none.
Messages historyCheckReport(const HistoryHoles& holes, UpdateSiteHint hint);

} // namespace quorvel
