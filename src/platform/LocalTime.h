// SPDX-License-Identifier: MIT
#pragma once

#include <ctime>

namespace quorvel {

// The calendar time of a moment in the system's time zone (std::localtime without its shared buffer, so any
// thread may call it).
std::tm localCalendarTime(std::time_t moment);

} // namespace quorvel
