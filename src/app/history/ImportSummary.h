// SPDX-License-Identifier: MIT
#pragma once

#include "app/Workspace.h"
#include "model/Message.h"

#include <string>

namespace quorvel {

// The report shown after an import: how many draws were stored from which file, where the replaced history
// was saved, and the skipped lines, one message a line (the first kShownSkipped of them with their reasons, then how
// many more).
inline constexpr int kShownSkipped = 20;
Messages importSummary(const ImportResult& result, const std::string& fileName);

} // namespace quorvel
