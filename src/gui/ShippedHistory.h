// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace quorvel {

// The real history shipped with the program (marksix-history.txt): beside the executable, else in the
// source tree the program was built from; empty when neither exists.
QString shippedHistoryFile();

} // namespace quorvel
