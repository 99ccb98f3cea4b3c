// SPDX-License-Identifier: MIT
#include "WindowFixture.h"
#include "gui/history/HistoryChangeWatcher.h"
#include "maintain/HistoryBackup.h"

#include "model/PathText.h"

#include <QAction>
#include <QTableView>
#include <SQLiteCpp/Database.h>

namespace quorvel::test {

namespace {

// Five draws across the turn of a year; the window shows 2014003 as the next issue.
class HistoryManagementTest : public WindowFixture {
  protected:
    // Empties the data folder and stores the five draws (between cases of one test; the window is closed).
    void startOver() {
        for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
            std::filesystem::remove_all(entry.path());
        addSample();
    }
    void addSample() {
        addDraws({{2013151, {1, 2, 3, 4, 5, 6, 7}},
                  {2013152, {8, 9, 10, 11, 12, 13, 14}},
                  {2013153, {15, 16, 17, 18, 19, 20, 21}},
                  {2014001, {22, 23, 24, 25, 26, 27, 28}},
                  {2014002, {29, 30, 31, 32, 33, 34, 35}}});
    }
    QTableView* list() { return control<QTableView>("MSFlexGrid1"); }
    int listedDraws() { return list()->model()->rowCount(); }
    QString lastListedIssue() {
        const int rows = listedDraws();
        return rows == 0 ? QString() : list()->model()->index(rows - 1, 0).data().toString();
    }
    // Triggers a menu entry, or clicks a button, by object name.
    void run(const QString& name) {
        if (auto* action = window->findChild<QAction*>(name)) {
            action->trigger();
            QApplication::processEvents();
        } else {
            click(name);
        }
    }
    void mouseOnList(Qt::MouseButton button, bool twice = false) {
        const QPoint at = list()->viewport()->mapTo(window.get(), list()->viewport()->rect().center());
        if (twice)
            QTest::mouseDClick(window->windowHandle(), button, {}, at);
        else
            QTest::mouseClick(window->windowHandle(), button, {}, at);
        QApplication::processEvents();
    }
    QStringList shownKinds() {
        QStringList kinds;
        for (const auto& shownDialog : dialogs.shown)
            kinds << (shownDialog.warning ? QStringLiteral("warning") : shownDialog.kind) + ":" + shownDialog.title;
        return kinds;
    }
    int backupCount() {
        const auto backups = folder / kBackupFolderName;
        if (!std::filesystem::is_directory(backups)) return 0;
        return static_cast<int>(std::distance(std::filesystem::directory_iterator(backups), {}));
    }
};

} // namespace

TEST_F(HistoryManagementTest, RemovalsRefreshTheWindowAndNameTheirBackupInTheStatusBar) {
    struct Case {
        const char* control;
        QStringList answers;
        int remaining;
        QString lastIssue;
        QString nextIssue;    // Text1 afterwards
        QString removed = {}; // the draw the status bar names as removed
    };
    const Case cases[] = {
        {"Command3",
         {},
         4,
         "2014001",
         "2014002",
         "Deleted the draw of issue 2014002: 29 30 31 32 33 34 (special "
         "number 35); 4 draws remain."},
        {"mnuErase", {}, 4, "2014001", "2014002", "issue 2014002"},
        {"mnuEszhzd", {"3"}, 2, "2013152", "2013153"},
        {"mnuDlzd", {"2013153"}, 3, "2013153", "2013154"},
        {"mnuClear", {"ok"}, 0, "", "2014001"}, // the next typed draw starts the year
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control);
        startOver();
        open();
        dialogs.shown.clear();
        dialogs.answers.assign(c.answers.begin(), c.answers.end());
        run(c.control);
        EXPECT_EQ(listedDraws(), c.remaining);
        EXPECT_EQ(lastListedIssue(), c.lastIssue);
        EXPECT_EQ(text("Text1"), c.nextIssue);
        for (const auto& shownDialog : dialogs.shown)
            EXPECT_NE(shownDialog.kind, "message") << shownDialog.text.toStdString();
        auto backup = newestBackup(folder.path());
        ASSERT_TRUE(backup.has_value());
        EXPECT_TRUE(status().contains(QString::fromStdString(backup->string()))) << status().toStdString();
        EXPECT_TRUE(status().contains(c.removed)) << status().toStdString();
        if (QString(c.control) == "Command3") {
            EXPECT_TRUE(control("MaskEdBox1_1")->hasFocus());
        }
        close();
    }
}

TEST_F(HistoryManagementTest, RefusedOrCancelledRemovalsLeaveTheHistory) {
    struct Case {
        const char* name;
        const char* control;
        QStringList answers;
        QStringList shown; // kind:title of every dialog, in order
        bool blockBackups = false;
    };
    const Case cases[] = {
        {"clear cancelled", "mnuClear", {"cancel"}, {"question:确认清空"}},
        {"count cancelled", "mnuEszhzd", {"cancel"}, {"input:删除期数"}},
        {"count not a number", "mnuEszhzd", {"abc"}, {"input:删除期数", "warning:输入有误"}},
        {"count zero", "mnuEszhzd", {"0"}, {"input:删除期数", "warning:删除期数"}},
        {"issue zero", "mnuDlzd", {"0"}, {"input:删除期数", "warning:删除期数"}},
        {"backup cannot be written", "Command3", {}, {"warning:删除最后历史"}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        startOver();
        if (c.blockBackups) folder.write(kBackupFolderName, "a file where the backup folder belongs");
        open();
        dialogs.shown.clear();
        dialogs.answers.assign(c.answers.begin(), c.answers.end());
        run(c.control);
        EXPECT_EQ(shownKinds(), c.shown);
        EXPECT_EQ(listedDraws(), 5);
        EXPECT_EQ(workspace->history().drawCount(), 5);
        EXPECT_EQ(text("Text1"), "2014003");
        if (!c.blockBackups) {
            EXPECT_EQ(backupCount(), 0);
        }
        close();
    }
}

TEST_F(HistoryManagementTest, YearsToKeepAreAskedAgainUntilTheyAreTwoToSixteen) {
    struct Case {
        QStringList answers;
        int inputs;
        int refusals; // messages titled 输入有误
        std::string stored;
    };
    const Case cases[] = {
        {{"17", "ok", "16"}, 2, 1, "16"},
        {{"1", "ok", "abc", "ok", " 2 "}, 3, 2, "2"},
        {{"16.5", "ok", "cancel"}, 2, 1, "(none)"},
        {{""}, 1, 0, "(none)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answers.join('|').toStdString());
        startOver();
        open();
        dialogs.shown.clear();
        dialogs.answers.assign(c.answers.begin(), c.answers.end());
        run("mnuSetDay");
        EXPECT_EQ(shownKinds().count("input:设置年数"), c.inputs);
        EXPECT_EQ(shownKinds().count("warning:输入有误"), c.refusals);
        EXPECT_EQ(QtSettingsStore(folder.path()).read("IniSerchDay").value_or("(none)"), c.stored);
        close();
    }
}

TEST_F(HistoryManagementTest, RightClickOnTheListPopsUpHistoryManagement) {
    struct Case {
        Qt::MouseButton button;
        QStringList shown;
        int remaining;
    };
    const Case cases[] = {
        {Qt::RightButton, {"menu:mnuLsgl"}, 4}, // the answer chooses mnuErase
        {Qt::LeftButton, {}, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        startOver();
        open();
        dialogs.shown.clear();
        dialogs.answers = {"mnuErase"};
        mouseOnList(c.button);
        EXPECT_EQ(shownKinds(), c.shown);
        EXPECT_EQ(listedDraws(), c.remaining);
        close();
    }
}

TEST_F(HistoryManagementTest, ChangesMadeByAnotherProgramAreReadAgain) {
    struct Case {
        const char* name;
        bool onTimer; // else when the window is activated
    };
    const Case cases[] = {{"on the timer", true}, {"when activated", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        startOver();
        open();
        run("Command3"); // the window's own change is not taken for another program's
        QTest::qWait(HistoryChangeWatcher::kIntervalMs * 2);
        EXPECT_FALSE(status().startsWith("Another program")) << status().toStdString();
        {
            QtSettingsStore otherSettings(folder.path());
            Workspace other(folder.path(), otherSettings, clock);
            other.maintenance().deleteLatestDraws(2);
        }
        if (c.onTimer) {
            QTest::qWait(HistoryChangeWatcher::kIntervalMs * 2);
        } else {
            QEvent activate(QEvent::WindowActivate);
            QApplication::sendEvent(window.get(), &activate);
        }
        EXPECT_EQ(listedDraws(), 2);
        EXPECT_EQ(text("Text1"), "2013153");
        EXPECT_TRUE(status().startsWith("Another program")) << status().toStdString();
        close();
    }
}

// quorvel-cli group beside the window stores its results in the same store: that is no change of the history.
TEST_F(HistoryManagementTest, AnotherProgramsGroupResultsAreNoChangeOfTheHistory) {
    addSample();
    open();
    SQLite::Database(pathText(folder / Workspace::kStoreFileName), SQLite::OPEN_READWRITE)
        .exec("INSERT INTO YL (content) VALUES ('01 02')");
    QTest::qWait(HistoryChangeWatcher::kIntervalMs * 2);
    EXPECT_TRUE(status().startsWith("Another program stored new group results")) << status().toStdString();
    EXPECT_EQ(listedDraws(), 5);
}

TEST_F(HistoryManagementTest, RestoreImportsTheChosenBackup) {
    addSample();
    open();
    dialogs.answers = {"ok"};
    run("mnuRestore");
    EXPECT_EQ(shownKinds(), QStringList{"warning:恢复历史备份"}); // no backup yet
    dialogs.answers = {"ok"};
    run("mnuClear");
    ASSERT_EQ(listedDraws(), 0);
    dialogs.shown.clear();
    dialogs.answers = {QString::fromStdString(newestBackup(folder.path())->string())};
    run("mnuRestore");
    EXPECT_EQ(shownKinds(), QStringList({"file:恢复历史备份", "message:读入历史"}));
    EXPECT_EQ(listedDraws(), 5);
    EXPECT_EQ(text("Text1"), "2014003");
}

TEST_F(HistoryManagementTest, ExportsWriteTheirFileAndSayWhere) {
    struct Case {
        const char* start; // a control, or a double click on the list
        std::string file;
    };
    const Case cases[] = {
        {"Command4", "更新至2014002期历史号码.txt"},
        {"mnuDcls", "lishi.xlsx"},
        {"double click", "lishi.xlsx"},
    };
    addSample();
    open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        std::filesystem::remove(folder / c.file);
        if (std::string(c.start) == "double click") {
            mouseOnList(Qt::LeftButton, true);
        } else {
            run(c.start);
        }
        EXPECT_TRUE(std::filesystem::is_regular_file(folder / c.file));
        EXPECT_TRUE(status().contains(QString::fromStdString((folder / c.file).string()))) << status().toStdString();
    }
}

} // namespace quorvel::test
