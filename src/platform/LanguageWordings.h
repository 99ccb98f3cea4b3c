// SPDX-License-Identifier: MIT
#pragma once

#include "model/ValueNames.h"

#include <vector>

namespace quorvel {

// How each language the program speaks says the core's words (English, 简体, 繁體), each with its catalogue: names
// typed in any of them (a built-in set's) are recognised whatever the language in use.
const std::vector<Wording>& languageWordings();

} // namespace quorvel
