// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace quorvel {

// The real history shipped with the program (marksix-history.txt): beside the executable (build tree), else
// in the installed share/quorvel/ beside bin/, else in the source tree the program was built from; empty when
// none exists.
QString shippedHistoryFile();

} // namespace quorvel
