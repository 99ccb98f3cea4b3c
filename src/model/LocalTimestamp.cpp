// SPDX-License-Identifier: MIT
#include "model/LocalTimestamp.h"

#include <chrono>
#include <ctime>

namespace quorvel {

std::string localTimestamp() {
    std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
    return text;
}

} // namespace quorvel
