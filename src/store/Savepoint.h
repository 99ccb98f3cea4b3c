// SPDX-License-Identifier: MIT
#pragma once

#include "model/Message.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace SQLite {
class Database;
}

namespace quorvel {

class HistoryStore;

// All-or-nothing guard: changes made while it lives are kept only by commit(); guards nest. The outermost
// one takes the store's write lock at once (BEGIN IMMEDIATE), so that a change which reads before it writes
// waits for another program's write instead of failing half-way on a stale snapshot. An outermost change that
// changed rows also rewrites the pages that carry the store's identity (StoreIdentity.h). A failure raises
// StoreError; on a store opened for reading only it is raised before anything starts.
class Savepoint {
  public:
    explicit Savepoint(HistoryStore& store);
    // On a connection of the store file, for the store's own steps while it opens; with a refusal (why the
    // store cannot be changed), it raises that instead.
    Savepoint(SQLite::Database& db, std::filesystem::path file, const std::optional<Message>& refusal = std::nullopt);
    ~Savepoint();
    Savepoint(const Savepoint&) = delete;
    Savepoint& operator=(const Savepoint&) = delete;

    void commit();

  private:
    SQLite::Database& m_db;
    std::filesystem::path m_file;
    bool m_outermost;
    std::string m_name;
    bool m_done = false;
    std::int64_t m_changesAtStart = 0;
};

} // namespace quorvel
