// SPDX-License-Identifier: MIT
// A group calculation's rows are stored in YL beside the caller: what the next caller of the workspace sees.
#include "app/Workspace.h"

#include "TempFolder.h"
#include "model/Error.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

namespace quorvel {

namespace {

using Figures = std::vector<std::tuple<std::string, int, int, int>>;

template <typename Rows> Figures figuresOf(const Rows& rows) {
    Figures figures;
    for (const GroupRow& row : rows)
        figures.emplace_back(row.content, row.min, row.max, row.last);
    return figures;
}

GroupRequest numbers(std::vector<int> boxes, int k) {
    GroupRequest request;
    request.boxes = std::move(boxes);
    request.groupSize = k;
    request.range = {2013001, 2013999};
    return request;
}

// A workspace of its own holding three draws of 2013.
struct ThreeDraws {
    test::TempFolder folder;
    MemorySettingsStore settings;
    FixedClock clock{2014};
    Workspace workspace{folder / "data", settings, clock};

    ThreeDraws() {
        workspace.history().importHistoryFile(folder.write("h.txt", "2013001 01 02 03 04 05 06 07\r\n"
                                                                    "2013002 05 06 07 08 09 10 11\r\n"
                                                                    "2013003 02 04 06 08 10 12 14\r\n"));
    }
};

// Every insert into YL fails, as a store that cannot be written would.
void failWritesOfYL(const std::filesystem::path& store) {
    SQLite::Database db(store.string(), SQLite::OPEN_READWRITE);
    db.exec("CREATE TRIGGER refuse_yl BEFORE INSERT ON YL BEGIN SELECT RAISE(ABORT, 'disk I/O error'); END");
}

} // namespace

// The rows come back at once, while the store writes them; whoever uses the store next waits for the write, and a
// read of YL sees the new rows. A write that fails leaves YL with the rows of the calculation before and is told
// once, to the first caller that waits for it and reads YL or calculates again; a cancelled calculation writes
// nothing.
TEST(GroupResultWriter, TheNextCallerSeesTheNewRowsOrIsToldTheyWereNotStored) {
    struct Case {
        const char* name;
        bool failing;
        bool cancelled;
        // The caller that comes next; the rows it read of YL, if it reads them.
        std::function<std::optional<Figures>(Workspace&)> next;
        bool told; // whether that caller is told of the failure
    };
    auto read = [](Workspace& w) -> std::optional<Figures> { return figuresOf(w.analyses().groupResults()); };
    const Case cases[] = {
        {"a read of YL right after", false, false, read, false},
        {"the export of YL right after", false, false,
         [](Workspace& w) -> std::optional<Figures> {
             EXPECT_EQ(w.analyses()
                           .exportGroupResultWorkbook(std::nullopt,
                                                      [](const std::string&, const std::string& text) { return text; })
                           .second,
                       28u);
             return std::nullopt;
         },
         false},
        {"a change of the history right after", false, false,
         [](Workspace& w) -> std::optional<Figures> {
             w.history().addDraw(std::nullopt, {1, 3, 5, 7, 9, 11, 13});
             return std::nullopt;
         },
         false},
        {"a failed write, told to the front end's wait", true, false,
         [](Workspace& w) -> std::optional<Figures> {
             w.analyses().finishGroupResults();
             return std::nullopt;
         },
         true},
        {"a failed write, told to a read of YL", true, false, read, true},
        {"a failed write, told to the next calculation", true, false,
         [](Workspace& w) -> std::optional<Figures> {
             w.analyses().groupCalculation(EngineKind::Memory, numbers({1, 2, 3}, 2));
             return std::nullopt;
         },
         true},
        {"a cancelled calculation", false, true, read, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ThreeDraws three;
        Workspace& workspace = three.workspace;
        const Figures before =
            figuresOf(*workspace.analyses().groupCalculation(EngineKind::Memory, numbers({1, 2, 3, 4, 5, 6}, 2)).rows);
        workspace.analyses().finishGroupResults();
        if (c.failing) failWritesOfYL(workspace.storeFile());

        const GroupRequest request = numbers({1, 2, 3, 4, 5, 6, 7, 8}, 2);
        Figures shown;
        if (c.cancelled) {
            EXPECT_THROW(workspace.analyses().groupCalculation(EngineKind::Memory, request,
                                                               Progress([](long, long) { return false; })),
                         AnalysisCancelled);
        } else {
            shown = figuresOf(*workspace.analyses().groupCalculation(EngineKind::Memory, request).rows);
            ASSERT_EQ(shown.size(), 28u);
        }
        const Figures& expected = c.failing || c.cancelled ? before : shown;

        std::optional<std::string> told;
        try {
            if (auto rows = c.next(workspace)) {
                EXPECT_EQ(*rows, expected);
            }
        } catch (const Error& e) {
            told = e.what();
        }
        ASSERT_EQ(told.has_value(), c.told) << told.value_or("");
        if (told) {
            EXPECT_NE(told->find("storing the 28 rows of the group calculation failed"), std::string::npos) << *told;
            EXPECT_NE(told->find("disk I/O error"), std::string::npos) << *told;
            EXPECT_NE(told->find("those rows were not stored"), std::string::npos) << *told;
        }
        EXPECT_NO_THROW(workspace.analyses().finishGroupResults()); // told once
        EXPECT_EQ(figuresOf(workspace.analyses().groupResults()), expected);
    }
}

// Rows made ready to store by the callers (two threads here, beside the writing one) are stored once each, whole
// and in order: every group of 3 of the 49 numbers, three blocks of the write, reads back with all its figures.
TEST(GroupResultWriter, RowsMadeAheadByTheCallersAreStoredWholeAndInOrder) {
    ThreeDraws three;
    Workspace& workspace = three.workspace;
    std::vector<int> all(49);
    for (int i = 0; i < 49; ++i)
        all[static_cast<std::size_t>(i)] = i + 1;
    GroupRequest request = numbers(all, 3);
    request.noLimit = true;
    const GroupRun run = workspace.analyses().groupCalculation(EngineKind::Memory, request);
    std::thread other([&] { workspace.analyses().helpStoreGroupResults(); });
    workspace.analyses().helpStoreGroupResults();
    other.join();
    const std::vector<GroupRow> stored = workspace.analyses().groupResults();
    ASSERT_EQ(stored.size(), 18424u);
    EXPECT_TRUE(stored == run.rows->toVector());
}

} // namespace quorvel
