// SPDX-License-Identifier: MIT
#include "maintain/WorkbookExport.h"

#include "TempFolder.h"
#include "XlsxReader.h"
#include "model/Error.h"

#include <gtest/gtest.h>

namespace quorvel {

TEST(WorkbookExport, WritesEveryCellAsTextOnSheet1) {
    test::TempFolder folder;
    std::vector<DrawRecord> records{deriveRecord(Draw{2013017, {23, 5, 49, 12, 31, 8, 40}}, ParameterBases{}),
                                    deriveRecord(Draw{2013018, {1, 2, 3, 4, 5, 6, 7}}, ParameterBases{})};
    const CellGrid history{{"期号", "落1码", "落2码", "落3码", "落4码", "落5码", "落6码", "特码"},
                           {"2013017", "23", "5", "49", "12", "31", "8", "40"},
                           {"2013018", "1", "2", "3", "4", "5", "6", "7"}};
    EXPECT_EQ(historyGrid(records), history);

    const std::vector<CellGrid> grids{
        history,
        {{"号码（分组）", "最小遗漏"}, {"05 17", "3"}, {"", "32767"}},
        {{"<a & b>", " leading", "05"}},
        {{"only a header"}},
    };
    for (const CellGrid& grid : grids) {
        // Writing over the previous workbook replaces it whole.
        writeWorkbook(folder / "out.xlsx", grid);
        test::XlsxSheet sheet = test::readXlsx(folder / "out.xlsx");
        EXPECT_EQ(sheet.name, "Sheet1");
        EXPECT_EQ(sheet.cells, grid);
        EXPECT_TRUE(sheet.allText);
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1); // no partial files
}

TEST(WorkbookExport, AFailedExportKeepsThePreviousWorkbookAndSaysWhy) {
    test::TempFolder folder;
    const CellGrid previous{{"kept"}};
    writeWorkbook(folder / "out.xlsx", previous);
    CellGrid tooLong(kWorkbookRowLimit + 1); // one row more than a sheet holds: refused before the library is
    tooLong.back() = {"a"};                  // asked to write it
    struct Case {
        std::filesystem::path target;
        CellGrid grid;
        const char* why = ""; // besides the target's name
    };
    const std::vector<Case> failing{
        {folder / "out.xlsx", {{std::string(40000, 'x')}}}, // longer than a cell may hold
        {folder / "out.xlsx", tooLong, "a workbook holds at most 1,048,576 rows"},
        {folder / "missing" / "out.xlsx", {{"a"}}},
        {folder.path(), {{"a"}}}, // a folder is in the way
    };
    for (const auto& [target, grid, why] : failing) {
        SCOPED_TRACE(target);
        try {
            writeWorkbook(target, grid);
            ADD_FAILURE() << "not refused";
        } catch (const Error& e) {
            EXPECT_NE(std::string(e.what()).find(target.string()), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find(why), std::string::npos) << e.what();
        }
    }
    EXPECT_EQ(test::readXlsx(folder / "out.xlsx").cells, previous);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

} // namespace quorvel
