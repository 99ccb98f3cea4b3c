// SPDX-License-Identifier: MIT
#include "store/HistoryStore.h"

#include "TempFolder.h"
#include "store/DerivedDataCommit.h"
#include "store/LishiSchema.h"
#include "store/Savepoint.h"
#include "store/StoreConnection.h"

#include <SQLiteCpp/Statement.h>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <thread>
#include <utility>

#include <sys/wait.h>
#include <unistd.h>

namespace quorvel {

namespace {

DrawRecord record(int issue, std::array<int, 7> numbers) {
    return deriveRecord(Draw{issue, numbers}, ParameterBases{});
}

std::vector<std::pair<int, int>> idxAndIssues(const HistoryStore& store) {
    std::vector<std::pair<int, int>> rows;
    for (const auto& r : store.readAll())
        rows.emplace_back(r.idx, r.issue);
    return rows;
}

// Issues of the rows whose counter a marking statement raised.
std::vector<int> marked(HistoryStore& store, const std::string& condition) {
    store.executeJet("UPDATE [Lishi] SET [intTh]=0");
    store.executeJet("UPDATE [Lishi] SET [intTh]=([intTh] +1) WHERE " + condition);
    SQLite::Statement query(storeConnection(store), "SELECT SQQH FROM Lishi WHERE intTh = 1 ORDER BY IDX");
    std::vector<int> issues;
    while (query.executeStep())
        issues.push_back(query.getColumn(0).getInt());
    return issues;
}

class HistoryStoreTest : public ::testing::Test {
  protected:
    test::TempFolder folder;
    HistoryStore store{folder / "quorvel.db"};
};

} // namespace

TEST_F(HistoryStoreTest, NewStoreHasEveryColumn) {
    SQLite::Statement query(storeConnection(store), "SELECT * FROM Lishi");
    std::vector<std::string> names;
    for (int i = 0; i < query.getColumnCount(); ++i)
        names.push_back(query.getColumnName(i));
    EXPECT_EQ(names, lishiColumns());
    EXPECT_EQ(names.size(), 2u + 7 * 6 + 7 + 6 * 5 + 8 + 8 + 3);
    EXPECT_NO_THROW(storeConnection(store).exec("SELECT content, intMinYL, intMaxYL, intLstYl FROM YL"));
    EXPECT_EQ(store.count(), 0);
    EXPECT_FALSE(store.latest());
}

TEST_F(HistoryStoreTest, RowsRoundTripAndKeepIdxInIssueOrder) {
    store.append({record(2013002, {1, 2, 3, 4, 5, 6, 7}), record(2013003, {8, 9, 10, 11, 12, 13, 14})});
    // An earlier issue appended later still takes its place in issue order; equal issues keep insertion order.
    store.append({record(2013001, {23, 5, 49, 12, 31, 8, 40}), record(2013002, {40, 41, 42, 43, 44, 45, 46})});
    EXPECT_EQ(idxAndIssues(store),
              (std::vector<std::pair<int, int>>{{1, 2013001}, {2, 2013002}, {3, 2013002}, {4, 2013003}}));
    auto rows = store.readAll();
    EXPECT_EQ(rows[1].drawn[0].number, 1);
    EXPECT_EQ(rows[2].drawn[0].number, 40);

    DrawRecord expected = record(2013001, {23, 5, 49, 12, 31, 8, 40});
    const DrawRecord& stored = rows[0];
    EXPECT_EQ(stored.lists, expected.lists);
    for (std::size_t p = 0; p < 7; ++p) {
        EXPECT_EQ(stored.drawn[p].zodiac, expected.drawn[p].zodiac);
        EXPECT_EQ(stored.sorted[p].segment, expected.sorted[p].segment);
    }
    EXPECT_EQ(store.first()->issue, 2013001);
    EXPECT_EQ(store.latest()->issue, 2013003);
}

TEST_F(HistoryStoreTest, IdxRestartsAfterDeletionAndReplacement) {
    store.append({record(2013001, {1, 2, 3, 4, 5, 6, 7}), record(2013002, {1, 2, 3, 4, 5, 6, 8})});
    store.deleteAll();
    store.append({record(2014001, {1, 2, 3, 4, 5, 6, 7})});
    EXPECT_EQ(idxAndIssues(store), (std::vector<std::pair<int, int>>{{1, 2014001}}));
    store.replaceAll({record(2015001, {1, 2, 3, 4, 5, 6, 7}), record(2015002, {1, 2, 3, 4, 5, 6, 9})});
    EXPECT_EQ(idxAndIssues(store), (std::vector<std::pair<int, int>>{{1, 2015001}, {2, 2015002}}));
}

TEST_F(HistoryStoreTest, FailedReplacementLeavesTheHistory) {
    store.append({record(2013001, {1, 2, 3, 4, 5, 6, 7})});
    storeConnection(store).exec("CREATE TRIGGER refuse BEFORE INSERT ON Lishi WHEN NEW.SQQH = 2099002 BEGIN "
                                "SELECT RAISE(ABORT, 'refused'); END");
    EXPECT_ANY_THROW(
        store.replaceAll({record(2099001, {1, 2, 3, 4, 5, 6, 7}), record(2099002, {1, 2, 3, 4, 5, 6, 7})}));
    EXPECT_EQ(idxAndIssues(store), (std::vector<std::pair<int, int>>{{1, 2013001}}));
}

// SQLite's failures leave the store as its own error: its kind, what it was doing and the file.
TEST_F(HistoryStoreTest, FailuresAreStoreErrorsOfTheirKind) {
    storeConnection(store).exec(
        "CREATE TRIGGER refuse BEFORE INSERT ON Lishi BEGIN SELECT RAISE(ABORT, 'refused'); END");
    try {
        store.append({record(2013001, {1, 2, 3, 4, 5, 6, 7})});
        ADD_FAILURE() << "appended";
    } catch (const StoreError& e) {
        EXPECT_EQ(e.kind(), StoreErrorKind::Failed);
        EXPECT_EQ(e.file(), folder / "quorvel.db");
        EXPECT_NE(e.detail().find("refused"), std::string::npos);
        const StoreError around = e.during(Message::core("adding the draw"));
        EXPECT_EQ(std::string(around.what()), "adding the draw failed: " + std::string(e.what()));
        EXPECT_EQ(std::string(around.during(Message::core("the import")).what()), around.what()); // named once
    }
    folder.write("damaged.db", std::string(4096, 'x'));
    try {
        HistoryStore damaged(folder / "damaged.db");
        ADD_FAILURE() << "opened";
    } catch (const StoreError& e) {
        EXPECT_EQ(e.kind(), StoreErrorKind::Damaged);
        EXPECT_EQ(e.file(), folder / "damaged.db");
    }
}

TEST_F(HistoryStoreTest, StatementFormsHaveTheirEffect) {
    store.append({
        record(2013017, {23, 5, 49, 12, 31, 8, 40}), // special 40: even, sum 4
        record(2013018, {1, 2, 3, 4, 5, 6, 49}),     // special 49: odd, sum 13
        record(2013019, {49, 2, 3, 4, 5, 6, 7}),     // 49 only at drawn position 1
    });
    EXPECT_EQ(marked(store, "([L7E] + [L7F]) = 13"), (std::vector<int>{2013018}));
    EXPECT_EQ(marked(store, "([L7A] MOD 2) = 0"), (std::vector<int>{2013017}));
    EXPECT_EQ(marked(store, "([D6A] MOD 2) = 1"), (std::vector<int>{2013017, 2013019}));
    EXPECT_EQ(marked(store, "[L1A] = 49"), (std::vector<int>{2013019}));
    EXPECT_EQ(marked(store, "[txtHisLst] LIKE \"*49*\""), (std::vector<int>{2013017, 2013018, 2013019}));
    EXPECT_EQ(marked(store, "[txtHisLstWei] LIKE \"*2X9*\""), (std::vector<int>{}));
    EXPECT_EQ(marked(store, "[txtHisLstDas] LIKE \"*4X1*\""), (std::vector<int>{2013017, 2013018, 2013019}));

    // The working list without the special number's item: 49 is then only in the first and third draw.
    store.executeJet("UPDATE [Lishi] SET [txtHisP6]= LEFT([txtHisLst],LEN([txtHisLst])-4)");
    EXPECT_EQ(storeConnection(store).execAndGet("SELECT txtHisP6 FROM Lishi WHERE SQQH = 2013018").getString(),
              "01 02 03 04 05 06");
    EXPECT_EQ(marked(store, "[txtHisP6] LIKE \"*49*\""), (std::vector<int>{2013017, 2013019}));
    store.executeJet("UPDATE [Lishi] SET [txtHisP6]= LEFT([txtHisLstSx],LEN([txtHisLstSx])-4)");
    EXPECT_EQ(storeConnection(store).execAndGet("SELECT txtHisP6 FROM Lishi WHERE SQQH = 2013017").getString(),
              "1X02 1X11 1X07 1X08 1X12 1X06 1");
    // Zodiac 12 is number 31 in the first draw and the special number 7 in the third.
    EXPECT_EQ(marked(store, "[txtHisP6] LIKE \"*1X12*\""), (std::vector<int>{2013017}));
    store.executeJet("UPDATE [Lishi] SET [txtHisP6]= [txtHisLstSx]");
    EXPECT_EQ(marked(store, "[txtHisP6] LIKE \"*1X12*\""), (std::vector<int>{2013017, 2013019}));

    store.executeJet("UPDATE [Lishi] SET [bolOk]= FALSE");
    store.executeJet("UPDATE [Lishi] SET [bolOk]= TRUE WHERE [intTh] = 1");
    SQLite::Statement hits(storeConnection(store),
                           "SELECT [SQQH] FROM [lishi] WHERE [SQQH] >= 2013017 AND  [SQQH] <= 2013019 "
                           "AND [bolOk]= TRUE ORDER BY [IDX]");
    std::vector<int> flagged;
    while (hits.executeStep())
        flagged.push_back(hits.getColumn(0).getInt());
    EXPECT_EQ(flagged, (std::vector<int>{2013017, 2013019}));
}

TEST_F(HistoryStoreTest, RowFieldsListEveryColumnOfTheFirstMatch) {
    store.append({record(2013017, {23, 5, 49, 12, 31, 8, 40}), record(2013017, {1, 2, 3, 4, 5, 6, 7})});
    auto fields = store.rowFields(2013017);
    ASSERT_TRUE(fields);
    ASSERT_EQ(fields->size(), lishiColumns().size());
    EXPECT_EQ((*fields)[0].first, "IDX");
    EXPECT_EQ(std::get<std::int64_t>((*fields)[0].second), 1);
    auto find = [&](const std::string& name) {
        for (const auto& [column, value] : *fields)
            if (column == name) return value;
        return FieldValue{};
    };
    EXPECT_EQ(std::get<std::int64_t>(find("L1A")), 23);
    EXPECT_EQ(std::get<std::string>(find("txtHisLst")), "23 05 49 12 31 08 40 ");
    EXPECT_EQ(std::get<std::string>(find("txtHisPreLstSx")), "");
    EXPECT_FALSE(store.rowFields(2013018));
}

TEST_F(HistoryStoreTest, CompactKeepsTheStoreUsable) {
    store.append({record(2013001, {1, 2, 3, 4, 5, 6, 7})});
    store.compact();
    EXPECT_EQ(store.count(), 1);
    store.executeJet("UPDATE [Lishi] SET [intTh]=0");
}

TEST_F(HistoryStoreTest, ReadsRunAgainSeeWhatAnotherConnectionCommittedMeanwhile) {
    // The store keeps its statements prepared between reads; a kept statement must not keep its reader on the
    // history as it was at the first read.
    store.append({record(2013001, {1, 2, 3, 4, 5, 6, 7})});
    EXPECT_EQ(store.count(), 1);
    EXPECT_EQ(store.records(RecordFields::ofKind(AttributeKind::Number)).size(), 1u);
    EXPECT_EQ(store.listedDraws().size(), 1u);
    EXPECT_EQ(store.derivedBases(), std::nullopt);
    HistoryStore other(folder / "quorvel.db");
    other.append({record(2013002, {8, 9, 10, 11, 12, 13, 14})});
    other.recordDerivedBases(ParameterBases{1, 1, 1});
    EXPECT_EQ(store.count(), 2);
    EXPECT_EQ(store.records(RecordFields::ofKind(AttributeKind::Number)).size(), 2u);
    EXPECT_EQ(store.listedDraws().size(), 2u);
    EXPECT_EQ(store.derivedBases(), (ParameterBases{1, 1, 1}));
    const DrawRecord whole = store.readAll().back();
    // A kind's fields alone: its letters in both orders and its list, nothing else.
    const DrawRecord digitSums = store.records(RecordFields::ofKind(AttributeKind::DigitSum)).back();
    const auto k = static_cast<std::size_t>(AttributeKind::DigitSum);
    EXPECT_EQ(digitSums.lists[k], whole.lists[k]);
    EXPECT_EQ(digitSums.lists[0], "");
    for (std::size_t p = 0; p < 7; ++p) {
        EXPECT_EQ(digitSums.sorted[p].head + digitSums.sorted[p].tail, whole.sorted[p].head + whole.sorted[p].tail);
        EXPECT_EQ(digitSums.drawn[p].tail, whole.drawn[p].tail);
        EXPECT_EQ(digitSums.drawn[p].number, 0);
    }
    const ListedDraw listed = store.listedDraws().back();
    EXPECT_EQ(listed.idx, whole.idx);
    EXPECT_EQ(listed.draw(), whole.draw());
}

// The settings are (synchronous, secure delete): a derived write neither waits for the disk nor zeroes the pages of
// the old results; the draws' commits wait, and pages freed of draws are zeroed.
TEST_F(HistoryStoreTest, OnlyATransactionOfDerivedDataCommitsWithoutWaitingForTheDisk) {
    auto settings = [this] {
        SQLite::Database& db = storeConnection(store);
        return std::pair(db.execAndGet("PRAGMA synchronous").getInt(), db.execAndGet("PRAGMA secure_delete").getInt());
    };
    const auto found = settings();
    ASSERT_EQ(found, std::pair(2, 1));
    {
        DerivedDataCommit derived(store);
        EXPECT_EQ(settings(), std::pair(1, 0));
        Savepoint transaction(store);
        store.executeJet("DELETE FROM [YL]");
        transaction.commit();
        derived.checkpoint();
    }
    EXPECT_EQ(settings(), found) << "the draws' commits wait for the disk again";
    {
        Savepoint holdingDraws(store);
        store.append({record(2013001, {1, 2, 3, 4, 5, 6, 7})});
        const DerivedDataCommit derived(store);
        EXPECT_EQ(settings(), found) << "a transaction begun before may hold draws";
        holdingDraws.commit();
    }
    EXPECT_EQ(settings(), found);
}

TEST_F(HistoryStoreTest, ADerivedWriteEmptiesTheLogWhenAloneAndNeverWaitsForAReader) {
    store.append({record(2013001, {1, 2, 3, 4, 5, 6, 7})});
    const std::filesystem::path log = folder / "quorvel.db-wal";
    auto deriveAndCheckpoint = [this] {
        DerivedDataCommit derived(store);
        Savepoint transaction(store);
        store.executeJet("INSERT INTO [YL] ([content]) VALUES ('01 02')");
        transaction.commit();
        const auto begun = std::chrono::steady_clock::now();
        derived.checkpoint();
        return std::chrono::steady_clock::now() - begun;
    };
    {
        SQLite::Database reader((folder / "quorvel.db").string(), SQLite::OPEN_READONLY);
        reader.exec("BEGIN");
        reader.execAndGet("SELECT COUNT(*) FROM Lishi");
        EXPECT_LT(deriveAndCheckpoint(), std::chrono::seconds(2)) << "it waited for the reader";
        EXPECT_GT(std::filesystem::file_size(log), 0u) << "the reader still reads from the log";
        reader.exec("COMMIT");
    }
    deriveAndCheckpoint();
    EXPECT_EQ(std::filesystem::file_size(log), 0u);
    EXPECT_EQ(storeConnection(store).execAndGet("SELECT COUNT(*) FROM YL").getInt(), 2);
}

TEST_F(HistoryStoreTest, AReaderAndAWriterOfAnotherProgramBothSucceed) {
    store.append({record(2013001, {1, 2, 3, 4, 5, 6, 7})});
    const std::uint64_t version = store.historyVersion();
    int lockHeld[2];
    ASSERT_EQ(pipe(lockHeld), 0);
    pid_t writer = fork();
    ASSERT_GE(writer, 0);
    if (writer == 0) {
        // The other program: a long import that holds the write lock for a second.
        HistoryStore other(folder / "quorvel.db");
        Savepoint transaction(other);
        std::vector<DrawRecord> imported;
        for (int i = 1; i <= 100; ++i)
            imported.push_back(record(2014000 + i, {1, 2, 3, 4, 5, 6, 7}));
        other.replaceAll(imported);
        char signal = 1;
        if (write(lockHeld[1], &signal, 1) != 1) _exit(2);
        std::this_thread::sleep_for(std::chrono::seconds(1));
        transaction.commit();
        _exit(0);
    }
    char signal = 0;
    ASSERT_EQ(read(lockHeld[0], &signal, 1), 1);

    EXPECT_EQ(store.count(), 1) << "a reader sees the history as it was while the write runs";
    EXPECT_EQ(store.historyVersion(), version);
    EXPECT_EQ(store.append({record(2015001, {8, 9, 10, 11, 12, 13, 14})}), 101) << "the writer waited its turn";
    EXPECT_NE(store.historyVersion(), version) << "the other program's change is noticed";

    int status = 0;
    waitpid(writer, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    close(lockHeld[0]);
    close(lockHeld[1]);
}

TEST_F(HistoryStoreTest, AWriteAheadLogOfAnotherStoreIsSetAsideBeforeAnythingIsRead) {
    test::TempFolder ours;
    std::vector<std::pair<int, int>> before;
    {
        HistoryStore own(ours / "quorvel.db");
        own.append({record(2013001, {1, 2, 3, 4, 5, 6, 7}), record(2013002, {8, 9, 10, 11, 12, 13, 14})});
        before = idxAndIssues(own);
    }
    {
        // Another store, still open, with its latest change only in its log.
        HistoryStore other(folder / "other.db");
        other.append({record(2013001, {1, 2, 3, 4, 5, 6, 7})});
        other.replaceAll({record(2020001, {1, 2, 3, 4, 5, 6, 7})});
        ASSERT_GT(std::filesystem::file_size(folder / "other.db-wal"), 0u);
        std::filesystem::copy_file(folder / "other.db-wal", ours / "quorvel.db-wal");
        std::filesystem::copy_file(folder / "other.db-shm", ours / "quorvel.db-shm");
    }
    const std::string log = test::readFile(ours / "quorvel.db-wal");
    HistoryStore opened(ours / "quorvel.db");
    ASSERT_TRUE(opened.logSetAside());
    EXPECT_EQ(test::readFile(*opened.logSetAside()), log) << "set aside, not deleted";
    EXPECT_EQ(idxAndIssues(opened), before);

    // The store's own log, left by a program that still has it open, is read as usual.
    opened.append({record(2013003, {1, 2, 3, 4, 5, 6, 7})});
    HistoryStore again(ours / "quorvel.db");
    EXPECT_FALSE(again.logSetAside());
    EXPECT_EQ(again.count(), 3);
}

TEST_F(HistoryStoreTest, ALogAnotherConnectionHoldsOpenIsNeverSetAside) {
    // Each case leaves a store whose log another connection holds open (the window, or a tool); `foreign` says
    // whether that log is another store's.
    struct Case {
        const char* name;
        bool foreign;
        std::function<std::unique_ptr<SQLite::Database>(const std::filesystem::path& file)> holdOpen;
    };
    const std::vector<Case> cases{
        {"the store's own log, its header's user version set by another tool", false,
         [](const std::filesystem::path& file) {
             {
                 HistoryStore own(file);
                 own.append({record(2013001, {1, 2, 3, 4, 5, 6, 7})});
             }
             auto holder = std::make_unique<SQLite::Database>(file.string(), SQLite::OPEN_READWRITE);
             holder->exec("PRAGMA user_version = 77");
             holder->exec("PRAGMA wal_checkpoint(PASSIVE)"); // the file's own header says 77 too
             return holder;
         }},
        {"another store's log, read by a tool", true,
         [this](const std::filesystem::path& file) {
             {
                 HistoryStore own(file);
                 own.append({record(2013001, {1, 2, 3, 4, 5, 6, 7})});
             }
             HistoryStore other(folder / "other.db");
             other.replaceAll({record(2020001, {1, 2, 3, 4, 5, 6, 7})});
             std::filesystem::copy_file(folder / "other.db-wal", file.string() + "-wal");
             std::filesystem::copy_file(folder / "other.db-shm", file.string() + "-shm");
             auto holder = std::make_unique<SQLite::Database>(file.string(), SQLite::OPEN_READONLY);
             holder->execAndGet("SELECT COUNT(*) FROM sqlite_master");
             return holder;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempFolder data;
        const std::filesystem::path file = data / "quorvel.db";
        auto holder = c.holdOpen(file);
        const std::string log = test::readFile(file.string() + "-wal");
        ASSERT_FALSE(log.empty());
        if (c.foreign) {
            try {
                HistoryStore opened(file);
                ADD_FAILURE() << "opened through another store's log";
            } catch (const Error& e) {
                EXPECT_NE(std::string(e.what()).find("another program has this store open"), std::string::npos)
                    << e.what();
            }
            EXPECT_TRUE(test::readFile(file.string() + "-wal") == log) << "the log was moved or changed";
            continue;
        }
        {
            HistoryStore opened(file);
            EXPECT_FALSE(opened.logSetAside());
            ASSERT_TRUE(opened.identityNote());
            EXPECT_NE(opened.identityNote()->english().find("(77)"), std::string::npos);
            opened.append({record(2013002, {8, 9, 10, 11, 12, 13, 14})});
        }
        HistoryStore again(file);
        EXPECT_FALSE(again.logSetAside());
        EXPECT_EQ(idxAndIssues(again), (std::vector<std::pair<int, int>>{{1, 2013001}, {2, 2013002}}));
    }
}

TEST_F(HistoryStoreTest, ReadsComeInIssueOrderThroughTheNumbersIndexOrWithoutIt) {
    // Stored out of issue order: the table's own order is not the history's.
    store.append({record(2013003, {1, 2, 3, 4, 5, 6, 7}), record(2013001, {8, 9, 10, 11, 12, 13, 14}),
                  record(2013002, {15, 16, 17, 18, 19, 20, 21})});
    const std::string file = (folder / "quorvel.db").string();
    auto hasIndex = [&file] {
        SQLite::Database db(file, SQLite::OPEN_READONLY);
        return db.execAndGet(std::string("SELECT COUNT(*) FROM sqlite_master WHERE name = '") + kNumbersIndex + "'")
                   .getInt() == 1;
    };
    auto issues = [](const HistoryStore& opened) {
        std::vector<int> numbers, listed;
        for (const DrawRecord& r : opened.records(RecordFields::ofKind(AttributeKind::Number)))
            numbers.push_back(r.issue);
        for (const ListedDraw& d : opened.listedDraws())
            listed.push_back(d.issue);
        EXPECT_EQ(numbers, listed);
        return numbers;
    };
    const std::vector<int> inOrder{2013001, 2013002, 2013003};
    ASSERT_TRUE(hasIndex());
    EXPECT_EQ(issues(store), inOrder);
    const std::string drop = std::string("DROP INDEX ") + kNumbersIndex;

    // A store made before the index gains it when opened, but never waits for another program's write to make it.
    storeConnection(store).exec(drop);
    {
        SQLite::Database writer(file, SQLite::OPEN_READWRITE);
        writer.exec("BEGIN IMMEDIATE");
        const auto started = std::chrono::steady_clock::now();
        HistoryStore opened(folder / "quorvel.db");
        EXPECT_LT(std::chrono::steady_clock::now() - started,
                  std::chrono::milliseconds(HistoryStore::kBusyTimeoutMs / 2));
        writer.exec("ROLLBACK");
        EXPECT_FALSE(hasIndex());
        EXPECT_EQ(issues(opened), inOrder) << "the table read in its own order";
    }
    {
        HistoryStore opened(folder / "quorvel.db");
        EXPECT_TRUE(hasIndex());
        EXPECT_EQ(issues(opened), inOrder);
    }

    // Draws that share an IDX (left so by another program) keep the order they were stored in, index or not.
    storeConnection(store).exec("UPDATE Lishi SET IDX = 1 WHERE SQQH IN (2013003, 2013001)");
    EXPECT_EQ(issues(store), (std::vector<int>{2013003, 2013001, 2013002}));
    storeConnection(store).exec(drop);
    EXPECT_EQ(issues(store), (std::vector<int>{2013003, 2013001, 2013002}));
}

} // namespace quorvel
