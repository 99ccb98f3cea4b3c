// SPDX-License-Identifier: MIT
#include "WindowFixture.h"

namespace quorvel::test {

namespace {

class SelectionBarTest : public WindowFixture {};

} // namespace

// Saving under a name already saved, and deleting from a right click on the list, each ask first: answered no, the
// saved selection stays as it was.
TEST_F(SelectionBarTest, ReplacingOrDeletingASavedSelectionAsksFirst) {
    folder.write("selections.txt", "number\t1,2\tmine\n");
    open();
    auto* list = control<QComboBox>("cboSelection");
    ASSERT_EQ(list->itemText(list->count() - 1), "mine");
    click("Check6_3");
    struct Step {
        bool rightClick; // else 保存选择…
        std::deque<QString> answers;
        std::string saved;
    };
    const Step steps[]{
        {false, {"mine", "cancel"}, "number\t1,2\tmine\n"},
        {false, {"mine", "ok"}, "number\t3\tmine\n"},
        {true, {"mnuDeleteSelection", "cancel"}, "number\t3\tmine\n"},
        {true, {"mnuDeleteSelection", "ok"}, ""},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.answers.front().toStdString() + " " + step.answers.back().toStdString());
        dialogs.answers = step.answers;
        if (step.rightClick)
            QTest::mouseClick(list, Qt::RightButton, {}, list->rect().center());
        else
            click("cmdSaveSelection");
        EXPECT_TRUE(dialogs.answers.empty());
        EXPECT_EQ(readFile(folder / "selections.txt"), step.saved);
    }
    EXPECT_EQ(list->findText("mine"), -1);
}

} // namespace quorvel::test
