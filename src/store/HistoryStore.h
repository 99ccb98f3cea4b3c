// SPDX-License-Identifier: MIT
#pragma once

#include "model/Draw.h"
#include "model/DrawRecord.h"
#include "model/FieldValue.h"
#include "model/ParameterBases.h"
#include "platform/HugePageAllocator.h"
#include "store/LishiRecordRow.h"
#include "store/PreparedStatements.h"
#include "store/StoreError.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace SQLite {
class Database;
}

namespace quorvel {

// Every draw's record, as the memory engine keeps them: some 3 MB for the real history, in a block of its own
// whose whole 2 MB pages are huge pages, so that filling it takes a few page faults instead of hundreds.
using DrawRecords = std::vector<DrawRecord, HugePageAllocator<DrawRecord>>;

// One row of a query of the store, read by column name.
class StoreRow {
  public:
    virtual int integer(const char* column) const = 0;

  protected:
    ~StoreRow() = default;
};

// The SQLite store of the draw history (table Lishi) and of the last group calculation (table YL).
// SQLite stays inside the store: every method raises StoreError (its kind, what it was doing, the file) when
// SQLite fails. Every change runs in one transaction and leaves IDX numbering the draws 1..n in issue order.
// The store is opened in WAL mode with a busy timeout, so that other programs (the window and the command line
// share one store) read while one writes, and a writer waits its turn instead of failing at once.
class HistoryStore {
  public:
    // How long a change waits for another program's write to finish before it gives up.
    static constexpr int kBusyTimeoutMs = 5000;

    // Opens the store file, creating the tables (and the store's identity, StoreIdentity.h) when the file is
    // new. A file SQLite cannot read, or a folder in its place, raises StoreDamaged and is never overwritten.
    // A write-ahead log of another store beside the file is set aside first (logSetAside()), unless another
    // program has the store open: then Error refuses and nothing is read. A store whose data folder is
    // read-only, or whose disk is full, is opened for reading only (writeRefusal()).
    explicit HistoryStore(const std::filesystem::path& file);
    ~HistoryStore();
    HistoryStore(HistoryStore&&) noexcept;
    HistoryStore& operator=(HistoryStore&&) noexcept;

    const std::filesystem::path& file() const { return m_file; }
    // Set when a write-ahead log beside the file belonged to another store: it was renamed to this path before
    // anything was read, and the history is the file's own. The caller must say so.
    const std::optional<std::filesystem::path>& logSetAside() const { return m_logSetAside; }
    // Set when the header's user version is not the store's identity (another program set it): the store is
    // used as it is, and the caller says so.
    const std::optional<Message>& identityNote() const { return m_identityNote; }
    // Set when the store could be opened only for reading: why (the data folder is read-only, its disk is full)
    // and what to do. Every change is then refused with it (StoreError) before anything is written.
    const std::optional<Message>& writeRefusal() const { return m_writeRefusal; }

    // Appends rows (kept in the given order among equal issues); returns the IDX of the last one (0: none).
    int append(const std::vector<DrawRecord>& records);
    // Replaces the whole history by these rows.
    void replaceAll(const std::vector<DrawRecord>& records);
    void deleteAll();

    // All rows in issue order (IDX 1..n).
    std::vector<DrawRecord> readAll() const;
    // All rows in issue order, each read only from the fields asked for (the others as in a new DrawRecord).
    DrawRecords records(const RecordFields& fields) const;
    std::optional<DrawRecord> first() const;
    std::optional<DrawRecord> latest() const;
    int count() const;
    // Every draw in issue order with its numbers in drawn order (one query, only the fields a list shows).
    std::vector<Draw> draws() const;
    // The same with the IDX of each draw.
    std::vector<ListedDraw> listedDraws() const;
    // The first draw (in issue order) stored under this issue.
    std::optional<DrawRecord> byIssue(int issue) const;
    // The latest draw whose issue is not after the given one.
    std::optional<DrawRecord> latestNotAfter(int issue) const;
    // The draw at a place of the issue order (IDX 1..count()).
    std::optional<DrawRecord> atIndex(int idx) const;

    // Every column of the first row (in issue order) with that issue, by column name in table order.
    std::optional<std::vector<std::pair<std::string, FieldValue>>> rowFields(int issue) const;

    // The bases the stored rows were derived with, as last recorded (none in a store that never recorded them).
    std::optional<ParameterBases> derivedBases() const;
    // Records the bases the rows were derived with; every path that derives rows calls it in its transaction.
    void recordDerivedBases(const ParameterBases& bases);

    // Deletes the latest draw (the last in issue order) and renumbers the rest; the other rows stay as stored.
    void deleteLatest();

    // Runs a statement of the system's SQL dialect (translated to SQLite first).
    void executeJet(const std::string& statement);
    // Runs a query of the system's SQL dialect and hands each row to `row`.
    void selectJet(const std::string& query, const std::function<void(const StoreRow&)>& row) const;
    // The greatest IDX (0 in an empty history).
    int maxIdx() const;
    // IDX of the draw just before the first draw whose issue is not before `issue` (the greatest IDX when no
    // draw is that late).
    int idxBeforeIssue(int issue) const;
    // IDX and issue of every draw, in issue order.
    std::vector<std::pair<int, int>> idxAndIssues() const;
    // How many draws the search working field bolOk flags.
    int flaggedCount() const;

    // Compacts the store file (SQLite's VACUUM); the store stays open and usable.
    void compact();

    // Gives IDX the values 1..n in issue order (equal issues keep their insertion order).
    void renumber();

    // Grows with every change of the history made through this store (appends, deletions, renumbering) and
    // with every change another program committed to the file since the last call, so that a copy of the
    // history in memory knows when to load it again.
    std::uint64_t historyVersion() const;

  private:
    friend SQLite::Database& storeConnection(HistoryStore& store);

    void open();
    void openForChanges();
    void openForReading(const Message& why, const Message& todo);
    void setForeignLogAside(std::int32_t identity);
    void addNumbersIndex();
    void connect();
    void insert(const std::vector<DrawRecord>& records);
    std::vector<DrawRecord> select(const std::string& tail, std::optional<int> parameter = std::nullopt,
                                   const RecordFields& fields = RecordFields::whole()) const;
    // The rows of Lishi's `columns` in issue order (IDX; equal IDX in rowid order), each read by `readRow`.
    template <typename Rows, typename ReadRow> Rows inIssueOrder(const std::string& columns, ReadRow readRow) const;
    // A statement of this store's connection, prepared once.
    PreparedStatements::Use prepared(const std::string& text) const;
    std::optional<DrawRecord> selectOne(const std::string& tail, std::optional<int> parameter = std::nullopt) const;

    std::filesystem::path m_file;
    std::unique_ptr<SQLite::Database> m_db;
    // Declared after the connection: finalized before it closes.
    mutable PreparedStatements m_statements;
    std::optional<std::filesystem::path> m_logSetAside;
    std::optional<Message> m_identityNote;
    std::optional<Message> m_writeRefusal;
    mutable std::uint64_t m_historyVersion = 0;
    mutable std::int64_t m_seenDataVersion = 0;
};

} // namespace quorvel
