// SPDX-License-Identifier: MIT
#include "WindowFixture.h"

#include <QInputMethodEvent>
#include <QTableView>

namespace quorvel::test {

namespace {

class HistoryEntryTest : public WindowFixture {
  protected:
    QAbstractItemModel* history() { return control<QTableView>("MSFlexGrid1")->model(); }
    QString lastRow() {
        QStringList cells;
        const int row = history()->rowCount() - 1;
        for (int column = 0; column < history()->columnCount(); ++column)
            cells << history()->index(row, column).data().toString();
        return cells.join(' ');
    }
    QString focused() { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }
    QString boxes() {
        QStringList texts;
        for (int i = 1; i <= 7; ++i)
            texts << control<QLineEdit>(QStringLiteral("MaskEdBox1_%1").arg(i))->displayText();
        return texts.join(' ');
    }
};

} // namespace

TEST_F(HistoryEntryTest, TypedDrawIsStoredUnderTheNextIssue) {
    addDraws({{2013152, {1, 2, 3, 4, 5, 6, 7}}});
    open();
    EXPECT_EQ(text("Text1"), "2013153");
    type("MaskEdBox1_1", "2");
    EXPECT_EQ(focused(), "MaskEdBox1_1");
    keys("3");
    EXPECT_EQ(focused(), "MaskEdBox1_2");
    keys("0503123149");
    EXPECT_EQ(focused(), "MaskEdBox1_7");
    keys("40");
    EXPECT_EQ(lastRow(), "2013153 23 5 3 12 31 49 40");
    EXPECT_TRUE(status().contains("2013153: 23 05 03 12 31 49 (special number 40)")) << status().toStdString();
    EXPECT_EQ(boxes(), "__ __ __ __ __ __ __");
    EXPECT_EQ(focused(), "MaskEdBox1_1");
    EXPECT_EQ(text("Text1"), "2013154");
    EXPECT_EQ(text("Text3_1"), "2013153");
    EXPECT_EQ(text("Text4"), "2013153");
    EXPECT_TRUE(dialogs.shown.empty());
}

// A Chinese input method in full-width mode commits ０..９: the draw is the digits they show.
TEST_F(HistoryEntryTest, FullWidthDigitsAreTheDigitsTheyShow) {
    addDraws({{2013152, {1, 2, 3, 4, 5, 6, 7}}});
    open();
    control("MaskEdBox1_1")->setFocus();
    for (QChar digit : QStringLiteral("２３０５０３１２３１４９４０")) {
        QInputMethodEvent committed;
        committed.setCommitString(QString(digit));
        QApplication::sendEvent(QApplication::focusWidget(), &committed);
        QApplication::processEvents();
    }
    EXPECT_EQ(lastRow(), "2013153 23 5 3 12 31 49 40");
    EXPECT_TRUE(dialogs.shown.empty()) << (dialogs.shown.empty() ? "" : dialogs.shown[0].text.toStdString());
}

TEST_F(HistoryEntryTest, InvalidDrawIsRefusedNamingTheBox) {
    addDraws({{2013152, {1, 2, 3, 4, 5, 6, 7}}});
    open();
    struct Case {
        const char* typed; // fourteen characters; a space leaves that box's digit out
        const char* names;
    } cases[] = {
        {"23050312314950", "box 7 (特码)"},
        {"23050312310805", "box 7 (特码) repeats 5 of box 2 (落2码)"},
        {"2305    314908", "box 3 (落3码) is empty"},
    };
    for (const Case& c : cases) {
        dialogs.shown.clear();
        type("MaskEdBox1_1", "");
        for (int i = 1; i <= 7; ++i)
            control<QLineEdit>(QStringLiteral("MaskEdBox1_%1").arg(i))->clear();
        for (int i = 0; i < 7; ++i) {
            const QString pair = QString::fromLatin1(c.typed).mid(i * 2, 2);
            if (pair.trimmed().isEmpty() && i < 6) continue;
            type(QStringLiteral("MaskEdBox1_%1").arg(i + 1), pair);
        }
        ASSERT_EQ(dialogs.shown.size(), 1u) << c.typed;
        EXPECT_EQ(dialogs.shown[0].kind, "message");
        EXPECT_TRUE(dialogs.shown[0].text.contains(QString::fromUtf8(c.names))) << dialogs.shown[0].text.toStdString();
        EXPECT_EQ(history()->rowCount(), 1) << c.typed;
        EXPECT_NE(boxes(), "__ __ __ __ __ __ __"); // kept for correcting
    }
}

TEST_F(HistoryEntryTest, FirstDrawOfAnEmptyHistoryTakesTheIssueShown) {
    open();
    EXPECT_EQ(text("Text1"), "2014001");
    type("MaskEdBox1_1", "01020304050607");
    EXPECT_EQ(lastRow(), "2014001 1 2 3 4 5 6 7");
    EXPECT_FALSE(shown("fraWelcome"));
}

TEST_F(HistoryEntryTest, ImportReplacesTheHistoryAfterConfirmation) {
    addDraws({{2013152, {1, 2, 3, 4, 5, 6, 7}}});
    open();
    const QString good = QString::fromStdString(
        folder.write("h.txt", "2013017 23 05 49 12 31 08 40\r\n01 02\r\n2013019 01 02 03 04 05 06 07\r\n").string());
    const QString csv = QString::fromStdString(folder.write("h.csv", "2013017 23 05 49 12 31 08 40\r\n").string());
    const QString unusable = QString::fromStdString(folder.write("bad.txt", "nothing here\r\n").string());
    struct Case {
        QStringList answers;
        int rows;
        const char* says; // the last dialog's text, or the status bar's
    } cases[] = {
        {{"cancel"}, 1, ""},
        {{"ok", "cancel"}, 1, ""},
        {{"ok", csv}, 1, "h.csv is not a history text file"},
        {{"ok", unusable, "ok"}, 1, "stays as it was"},
        {{"ok", good, "ok"}, 2, "Stored 2 draws from h.txt."},
    };
    for (const Case& c : cases) {
        dialogs.shown.clear();
        dialogs.answers.assign(c.answers.begin(), c.answers.end());
        click("cmdRdLst");
        ASSERT_FALSE(dialogs.shown.empty());
        EXPECT_EQ(dialogs.shown[0].title, "读入历史");
        EXPECT_TRUE(dialogs.shown[0].text.startsWith("确实要读入最新历史号码吗？"));
        EXPECT_EQ(history()->rowCount(), c.rows) << c.answers.join(',').toStdString();
        const QString said = dialogs.shown.back().kind == "message" ? dialogs.shown.back().text : status();
        EXPECT_TRUE(said.contains(QString::fromUtf8(c.says))) << said.toStdString();
    }
    EXPECT_EQ(dialogs.shown[1].kind, "file");
    EXPECT_TRUE(dialogs.shown[1].text.endsWith("历史号码|Text(*.txt)")) << dialogs.shown[1].text.toStdString();
    EXPECT_TRUE(dialogs.shown.back().text.contains("line 2 \"01 02\"")) << dialogs.shown.back().text.toStdString();
    EXPECT_EQ(lastRow(), "2013019 1 2 3 4 5 6 7");
    EXPECT_EQ(text("Text1"), "2013020");
}

TEST_F(HistoryEntryTest, WelcomeHintImportsTheShippedHistoryOnlyWhenClicked) {
    open();
    EXPECT_TRUE(shown("fraWelcome"));
    EXPECT_EQ(history()->rowCount(), 0);
    dialogs.answers = {"ok"};
    click("cmdWelcomeImport");
    EXPECT_GT(history()->rowCount(), 1000);
    EXPECT_FALSE(shown("fraWelcome"));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(dialogs.shown[0].text.startsWith("Stored "));
}

} // namespace quorvel::test
