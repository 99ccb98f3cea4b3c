// SPDX-License-Identifier: MIT
#include "maintain/HistoryRebuild.h"

#include "TempFolder.h"
#include "model/Error.h"

#include <gtest/gtest.h>

namespace quorvel {

TEST(HistoryRebuild, ReadsTheBackupWithTheImportRulesAndRefusesLinesItWouldDrop) {
    test::TempFolder folder;
    HistoryStore store(folder / "quorvel.db");
    // A line without an issue takes the previous issue + 1, as an import reads it.
    auto backup = folder.write("lsbf.txt", "2013001 01 02 03 04 05 06 07 \r\n08 09 10 11 12 13 14\r\n");
    EXPECT_EQ(rebuildFromBackup(store, backup, ParameterBases{}), 2);
    std::vector<DrawRecord> rows = store.readAll();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].issue, 2013002);
    EXPECT_EQ(rows[1].idx, 2);
    EXPECT_EQ(rows[1].previousLists, rows[0].lists);
    EXPECT_EQ(rows[0].previousLists[0], "");

    // A truncated backup is refused as a whole rather than rebuilt without the draw of its last line.
    auto truncated = folder.write("bad.txt", "2013001 01 02 03 04 05 06 07 \r\n2013002 01 02\r\n");
    try {
        rebuildFromBackup(store, truncated, ParameterBases{});
        ADD_FAILURE() << "not refused";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("line 2 of"), std::string::npos) << e.what();
    }
    EXPECT_EQ(store.count(), 2);
}

} // namespace quorvel
