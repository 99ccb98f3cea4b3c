// SPDX-License-Identifier: MIT
#pragma once

#include "model/Error.h"

#include <filesystem>
#include <string>

namespace quorvel {

// What went wrong in the store: another program held it past the busy timeout, the file is damaged, or SQLite
// failed otherwise (a full disk, a read-only file, ...).
enum class StoreErrorKind { Busy, Damaged, Failed };

// A failure of the history store, raised by the store's own methods instead of SQLite's exceptions. It carries
// its kind, what was being done, the store file and SQLite's own words; what() is the whole message for the user
// (what was wrong and what to do).
class StoreError : public Error {
  public:
    StoreError(StoreErrorKind kind, Message operation, std::filesystem::path file, std::string detail,
               const Message& message);

    StoreErrorKind kind() const { return m_kind; }
    // What was being done, e.g. "adding the draw" (empty: a single step of the store).
    const Message& operation() const { return m_operation; }
    const std::filesystem::path& file() const { return m_file; }
    // SQLite's own words for the failure.
    const std::string& detail() const { return m_detail; }

    // The same failure seen from an operation around it: "<operation> failed: <message><tail>"; a failure that
    // already names its operation stays as it is.
    StoreError during(const Message& operation, const Message& tail = {}) const;

  private:
    StoreErrorKind m_kind;
    Message m_operation;
    std::filesystem::path m_file;
    std::string m_detail;
};

// The store file exists but SQLite cannot read it as a store; the file is left untouched.
class StoreDamaged : public StoreError {
  public:
    explicit StoreDamaged(const Message& message, std::filesystem::path file = {}, std::string detail = {})
        : StoreError(StoreErrorKind::Damaged, {}, std::move(file), std::move(detail), message) {}
};

// The message of a store failure of a kind: a store held by another program's write, a damaged file, or
// SQLite's own words, with the file named and what to do.
Message storeFailureMessage(StoreErrorKind kind, const std::string& detail, const std::filesystem::path& file);

} // namespace quorvel
