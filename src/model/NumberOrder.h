// SPDX-License-Identifier: MIT
#pragma once

namespace quorvel {

// Drawn order (落地码, field prefix "L") or sorted order (顺序码, prefix "D"); position 7 is the special number in
// both.
enum class NumberOrder { Drawn, Sorted };

inline char positionPrefix(NumberOrder order) { return order == NumberOrder::Drawn ? 'L' : 'D'; }

} // namespace quorvel
