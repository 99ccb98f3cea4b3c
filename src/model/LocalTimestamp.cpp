// SPDX-License-Identifier: MIT
#include "model/LocalTimestamp.h"

#include "platform/LocalTime.h"

#include <chrono>
#include <ctime>

namespace quorvel {

std::string localTimestamp() {
    std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    const std::tm local = localCalendarTime(now);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
    return text;
}

} // namespace quorvel
