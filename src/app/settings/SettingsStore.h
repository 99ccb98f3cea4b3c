// SPDX-License-Identifier: MIT
#pragma once

#include "model/Message.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

// Where setting texts are kept; the desktop supplies a persistent one, tests a map.
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    virtual std::optional<std::string> read(std::string_view key) const = 0;
    virtual void write(std::string_view key, const std::string& text) = 0;
    // Why the kept settings could not be read (every key they do not give then reads as its default), or nothing
    // when they could.
    virtual std::optional<Message> readFailure() const { return std::nullopt; }
};

// Settings held in memory only.
class MemorySettingsStore : public SettingsStore {
  public:
    std::optional<std::string> read(std::string_view key) const override {
        auto found = m_values.find(std::string(key));
        if (found == m_values.end()) return std::nullopt;
        return found->second;
    }
    void write(std::string_view key, const std::string& text) override { m_values[std::string(key)] = text; }

  private:
    std::map<std::string, std::string> m_values;
};

} // namespace quorvel
