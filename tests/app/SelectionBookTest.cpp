// SPDX-License-Identifier: MIT
#include "app/choices/SelectionBook.h"
#include "TempFolder.h"
#include "model/Error.h"

#include <gtest/gtest.h>

namespace quorvel {

namespace {

using enum AttributeKind;

} // namespace

// Saved selections are read back by the next start, a name saved again replaces its boxes, and a file with a line
// that is no selection is reported and never written over.
TEST(SelectionBook, SavedSelectionsOutliveTheBookAndADamagedFileIsNeverWrittenOver) {
    test::TempFolder folder;
    {
        SelectionBook book(folder.path(), {});
        book.save({"mine", Zodiac, {3, 1, 3}, false});
        book.save({"tails", Tail, {10, 1}, false});
        book.save({" mine ", Zodiac, {2}, false});
    }
    SelectionBook reopened(folder.path(), {});
    EXPECT_EQ(reopened.saved(),
              (std::vector<Selection>{{"mine", Zodiac, {2}, false}, {"tails", Tail, {1, 10}, false}}));
    EXPECT_EQ(reopened.find("tails", Tail, {}, 2026).boxes, (std::vector<int>{1, 10}));

    const auto file = folder / kSelectionsFileName;
    folder.write(kSelectionsFileName, test::readFile(file) + "tail\t1,11\ttoo far\n");
    const std::string damaged = test::readFile(file);
    try {
        reopened.saved();
        ADD_FAILURE() << "a damaged file was read";
    } catch (const Error& error) {
        EXPECT_NE(std::string(error.what()).find("damaged at line 3 (tail\t1,11\ttoo far)"), std::string::npos);
    }
    EXPECT_THROW(reopened.save({"new", Number, {1}, false}), Error);
    EXPECT_THROW(reopened.remove("mine"), Error);
    EXPECT_EQ(test::readFile(file), damaged);
}

} // namespace quorvel
