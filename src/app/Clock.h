// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>

namespace quorvel {

// The calendar as the program sees it; tests set their own.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual int currentYear() const = 0;
};

class SystemClock : public Clock {
  public:
    int currentYear() const override {
        auto today =
            std::chrono::year_month_day(std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now()));
        return static_cast<int>(today.year());
    }
};

class FixedClock : public Clock {
  public:
    explicit FixedClock(int year) : m_year(year) {}
    int currentYear() const override { return m_year; }

  private:
    int m_year;
};

} // namespace quorvel
