// SPDX-License-Identifier: MIT
#include "platform/LocalTime.h"

namespace quorvel {

std::tm localCalendarTime(std::time_t moment) {
    std::tm local{};
#if defined(_WIN32)
    ::localtime_s(&local, &moment);
#else
    ::localtime_r(&moment, &local);
#endif
    return local;
}

} // namespace quorvel
