// SPDX-License-Identifier: MIT
// The window's analyses on the real history, against the command line's results for the same choices.
#include "AnalysisWindowFixture.h"
#include "XlsxReader.h"
#include "analysis/EngineKind.h"
#include "cli/CliRunner.h"
#include "gui/main/AnalysisController.h"
#include "gui/main/DetailPanel.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressDialog>
#include <QTableView>
#include <QTimer>
#include <QXYSeries>

#include <SQLiteCpp/SQLiteCpp.h>
#include <nlohmann/json.hpp>

#include <sstream>

namespace quorvel::test {

namespace {

class AnalysisWindowTest : public AnalysisWindowFixture {
  protected:
    // Lets the chart follow the results and its layout settle.
    void settle() { QTest::qWait(50); }
    QChart* shownChart() { return control<QChartView>("chtOmission")->chart(); }
    // The points of the chart's gap series (x is the draw's IDX, y its gap).
    QList<QPointF> chartGaps() { return qobject_cast<QXYSeries*>(shownChart()->series().front())->points(); }
    QString figure(const char* caption) {
        for (const auto& [shownCaption, text] : control<DetailPanel>("fraDetail")->shownFigures())
            if (shownCaption == QString::fromUtf8(caption)) return text;
        return {};
    }
    // Moves down a list with the arrow key, as a user does, until the entry is chosen.
    void chooseEntry(const QString& name, int entry) {
        auto* list = control<QComboBox>(name);
        focus(name);
        for (int step = 0; step < 10 && list->currentIndex() < entry; ++step)
            QTest::keyClick(window->windowHandle(), Qt::Key_Down);
        QApplication::processEvents();
    }
    // Searches the special number 49 at 特位, fixed, from a start issue.
    void searchSpecialFrom(const QString& start) {
        type("Text3_0", start);
        click("Command1");
        settle();
    }
};

} // namespace

TEST_F(AnalysisWindowTest, SearchesGiveTheCommandLinesHitsAndSummary) {
    openOnRealHistory();
    struct Case {
        const char* name;
        std::function<void()> choose;
        QString button;
        std::vector<std::string> cli;
    } cases[] = {
        {"fixed zodiac at the special number",
         [&] {
             click("Option1_0");
             click("Option3_1");
             click("Check11_7");
             typeValues({"", "", "", "", "", "", "5"});
         },
         "Command1",
         {"search", "--kind", "zodiac", "--mode", "fixed", "--pos", "7=5"}},
        {"free numbers at 平2 and 特 without the special number",
         [&] {
             click("Option1_1");
             click("Check2");
             click("Option3_0");
             click("Check11_2");
             typeValues({"", "23", "", "", "", "", "5"});
         },
         "Command1",
         {"search", "--kind", "number", "--pos", "2=23", "--pos", "7=5"}},
        {"partial search of three out of 平特, tail, sorted order",
         [&] {
             click("Option2_5");
             click("Option3_3");
             typeValues({"1", "5", "3", "0", "9", "4", "2"});
             type("Combo1", "3");
             focus("Text3_0");
         },
         "Command2",
         {"partial", "--kind", "tail", "--order", "sorted", "--size", "3", "--values", "1,5,3,0,9,4,2"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.choose();
        click(c.button);
        EXPECT_FALSE(window->property("busy").toBool());
        expectSearchLike(cliJson(c.cli));
        EXPECT_TRUE(chart().contains(QStringLiteral("最后 %1").arg(cells("MSFlexGrid3")[1][3].c_str())))
            << chart().join('|').toStdString();
    }
}

// 更多类别 → 大小 clears the eight kind options; the value box and the combination boxes name its values, and a search
// and a group calculation give the command line's results. The window starts on it again; one of the eight options
// clears the list.
TEST_F(AnalysisWindowTest, AKindFromTheListSearchesAndGroupsAsTheCommandLine) {
    openOnRealHistory();
    chooseEntry("cboMoreKinds", 1);
    for (int option = 0; option < 8; ++option)
        EXPECT_FALSE(checked(QStringLiteral("Option3_%1").arg(option))) << option;
    click("Option1_0");
    click("Check11_7");
    typeValues({"", "", "", "", "", "", "2"});
    EXPECT_EQ(control<QCheckBox>("Check11_7")->text(), QStringLiteral("特位 大"));
    click("Command1");
    expectSearchLike(cliJson({"search", "--kind", "size", "--mode", "fixed", "--pos", "7=2"}));

    EXPECT_EQ(control<QCheckBox>("Check6_3")->text(), QStringLiteral("和"));
    EXPECT_FALSE(shown("Check6_4"));
    tickBoxes({1, 2, 3});
    type("Combo2", "2");
    click("Command5");
    expectGroupsLike(cliJson({"group", "--kind", "size", "--size", "2", "--with-special", "--boxes", "1,2,3"}));

    restart();
    EXPECT_EQ(control<QComboBox>("cboMoreKinds")->currentIndex(), 1);
    EXPECT_EQ(control<QCheckBox>("Check6_1")->text(), QStringLiteral("小"));
    click("Option3_6");
    EXPECT_EQ(control<QComboBox>("cboMoreKinds")->currentIndex(), 0);
    EXPECT_EQ(control<QCheckBox>("Check6_1")->text(), QStringLiteral("红"));
}

// A 生肖 value box says what its code means, and a name chosen from its right-click menu fills the code: the search
// then finds the hits of the typed code, its chart title and details panel naming the sign.
TEST_F(AnalysisWindowTest, AZodiacNameChosenByRightClickSearchesItsCode) {
    openOnRealHistory();
    click("Option1_0");
    click("Option3_1");
    click("Check11_7");
    typeValues({"", "", "", "", "", "", "5"});
    EXPECT_EQ(control<QCheckBox>("Check11_7")->text(), QStringLiteral("特位 龙"));
    EXPECT_TRUE(control<QLineEdit>("Text22_7")->toolTip().startsWith(QStringLiteral("05 = 龙")));
    click("Command1");
    const Grid typed = cells("MSFlexGrid2");
    ASSERT_GT(typed.size(), 1U);
    EXPECT_TRUE(chart().front().endsWith(QStringLiteral("05 龙"))) << chart().front().toStdString();
    EXPECT_TRUE(control<DetailPanel>("fraDetail")->title().endsWith(QStringLiteral("05 龙")));

    typeValues({"", "", "", "", "", "", ""});
    auto* box = control<QLineEdit>("Text22_7");
    emit box->customContextMenuRequested(QPoint(2, 2));
    auto* menu = box->findChild<QMenu*>(QStringLiteral("mnuCodeNames"));
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 12);
    menu->actions().at(4)->trigger(); // 龙, the fifth sign
    menu->close();
    EXPECT_EQ(text("Text22_7"), QStringLiteral("05"));
    click("Command1");
    EXPECT_EQ(cells("MSFlexGrid2"), typed);
}

TEST_F(AnalysisWindowTest, GroupCalculationOrdersAndChartsItsRows) {
    openOnRealHistory();
    click("Option3_0");
    std::vector<int> boxes;
    for (int box = 2; box <= 48; box += 2)
        boxes.push_back(box);
    tickBoxes(boxes);
    type("Combo2", "4");
    click("Command5");
    ASSERT_EQ(cells("MSFlexGrid3").size(), 10626u + 1);
    std::vector<std::string> cliBoxes{"group", "--kind", "number", "--size", "4", "--with-special", "--boxes"};
    std::string list;
    for (int box : boxes)
        list += (list.empty() ? "" : ",") + std::to_string(box);
    cliBoxes.push_back(list);
    expectGroupsLike(cliJson(cliBoxes));
    // The chart follows once the store has written the rows.
    const std::string first = cells("MSFlexGrid3")[1][0];
    EXPECT_TRUE(QTest::qWaitFor([&] { return chart().front() == QStringLiteral("分组 %1").arg(first.c_str()); }))
        << chart().join('|').toStdString();

    // A click on a data cell of column 2 orders by maximum omission; the clicked group stays current and
    // the chart marks its figures.
    const std::string clicked = cells("MSFlexGrid3")[3][0];
    clickCell("MSFlexGrid3", 2, 2);
    cliBoxes.insert(cliBoxes.end(), {"--sort", "max"});
    expectGroupsLike(cliJson(cliBoxes));
    auto* grid = control<QTableView>("MSFlexGrid3");
    const int current = grid->currentIndex().row();
    EXPECT_EQ(cells("MSFlexGrid3")[static_cast<std::size_t>(current) + 1][0], clicked);
    EXPECT_TRUE(QTest::qWaitFor([&] { return chart().front() == QStringLiteral("分组 %1").arg(clicked.c_str()); }))
        << chart().join('|').toStdString();
    EXPECT_TRUE(chart().contains(
        QStringLiteral("最大 %1").arg(cells("MSFlexGrid3")[static_cast<std::size_t>(current) + 1][2].c_str())))
        << chart().join('|').toStdString();

    // After a search the grid holds its summary; a click shows the group rows again, ordered by the label.
    click("Command1");
    ASSERT_EQ(cells("MSFlexGrid3").size(), 2u);
    clickCell("MSFlexGrid3", 0, 0);
    cliBoxes.back() = "label";
    expectGroupsLike(cliJson(cliBoxes));

    // Too many boxes for groups of three: the message, and the rows stay.
    const Grid before = cells("MSFlexGrid3");
    click("cmdZH_0");
    click("Check6_49");
    click("Check6_48");
    click("Check6_47");
    click("Check6_46");
    click("Check6_45");
    click("Check6_44");
    click("Check6_43");
    click("Check6_42");
    EXPECT_EQ(text("Text5"), "41");
    type("Combo2", "3");
    dialogs.shown.clear();
    click("Command5");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].title, "数据溢出");
    EXPECT_EQ(dialogs.shown[0].text, "3个分组请选择40个（含）以内的个数的号码");
    EXPECT_EQ(cells("MSFlexGrid3"), before);

    // A size that makes no group (taken only with 不限组数): the message says so, and the rows shown and stored stay.
    const std::size_t stored = workspace->analyses().groupResults().size();
    click("chkNoLimit");
    type("Combo2", "0");
    dialogs.shown.clear();
    click("Command5");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].title, "分组计算");
    EXPECT_TRUE(dialogs.shown[0].text.contains("group size 0 is outside 1..6")) << dialogs.shown[0].text.toStdString();
    EXPECT_EQ(cells("MSFlexGrid3"), before);
    EXPECT_EQ(workspace->analyses().groupResults().size(), stored);
}

// The grid fills from the calculation while the store writes its rows; a write that fails is said in a message, and
// the grid keeps the rows it shows, whose workbook carries their own counting rules, not those left in the store.
TEST_F(AnalysisWindowTest, GroupRowsThatCannotBeStoredAreSaid) {
    openOnRealHistory();
    ASSERT_EQ(cli({"group", "--kind", "zodiac", "--boxes", "1,3", "--gaps-from", "range"}).first, 0);
    SQLite::Database((folder / Workspace::kStoreFileName).string(), SQLite::OPEN_READWRITE)
        .exec("CREATE TRIGGER refuse_yl BEFORE INSERT ON YL BEGIN SELECT RAISE(ABORT, 'disk is full'); END");
    click("Option3_1");
    tickBoxes({1, 3, 5, 7, 9, 11});
    dialogs.shown.clear();
    click("Command5");
    EXPECT_EQ(cells("MSFlexGrid3").size(), 15u + 1);
    EXPECT_TRUE(status().contains("15 groups")) << status().toStdString();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !dialogs.shown.empty(); }));
    EXPECT_EQ(dialogs.shown[0].title, "分组计算");
    EXPECT_TRUE(dialogs.shown[0].text.contains("The groups shown were not stored"))
        << dialogs.shown[0].text.toStdString();
    EXPECT_TRUE(dialogs.shown[0].text.contains("disk is full")) << dialogs.shown[0].text.toStdString();
    EXPECT_EQ(cells("MSFlexGrid3").size(), 15u + 1);

    clickCell("MSFlexGrid3", 2, 1, true);
    ASSERT_EQ(opened, std::vector<std::filesystem::path>{folder / "Jieguo.xlsx"});
    // Those of the calculation shown (the special number counted, gaps from the first stored draw), in words.
    const Grid rules = readXlsx(folder / "Jieguo.xlsx", 2).cells;
    ASSERT_EQ(rules.size(), 5u);
    EXPECT_EQ(rules[3], std::vector<std::string>{"The special number counts as well as the six regular numbers."});
    EXPECT_EQ(rules[1][0].find("as if the draw just before them had been a hit"), std::string::npos) << rules[1][0];
}

TEST_F(AnalysisWindowTest, CombinationFrameTicksAndRecounts) {
    open();
    EXPECT_EQ(text("Text5"), "0");
    EXPECT_EQ(control<QComboBox>("Combo2")->currentText(), "2");
    click("Option3_1");
    click("cmdZH_0");
    for (int box = 1; box <= 49; ++box)
        EXPECT_TRUE(control<QCheckBox>(QStringLiteral("Check6_%1").arg(box))->isChecked()) << box;
    EXPECT_EQ(text("Text5"), "12");
    click("Option3_0");
    EXPECT_EQ(text("Text5"), "49"); // the new kind's ticked boxes
    click("Check6_1");
    EXPECT_EQ(text("Text5"), "48");

    click("Check6_7");
    auto ticks = [this] {
        QString shown;
        for (int box = 1; box <= 49; ++box)
            shown += control<QCheckBox>(QStringLiteral("Check6_%1").arg(box))->isChecked() ? '1' : '0';
        return shown;
    };
    const QString before = ticks();
    click("cmdZH_2");
    EXPECT_EQ(text("Text5"), "2");
    click("cmdZH_2");
    EXPECT_EQ(ticks(), before);
    EXPECT_EQ(text("Text5"), "47");
    click("cmdZH_1");
    EXPECT_EQ(text("Text5"), "0");

    type("Combo2", "abc");
    focus("Text3_0");
    EXPECT_EQ(control<QComboBox>("Combo2")->currentText(), "2");
    EXPECT_TRUE(status().contains("stays 2")) << status().toStdString();
}

TEST_F(AnalysisWindowTest, DoubleClicksWriteTheGridsAsShown) {
    openOnRealHistory();
    click("Option3_1");
    tickBoxes({1, 3, 5, 7, 9, 11});
    click("Command5");
    clickCell("MSFlexGrid3", 4, 1, true);
    const std::filesystem::path workbook = folder / "Jieguo.xlsx";
    ASSERT_EQ(opened, std::vector<std::filesystem::path>{workbook});
    const Grid shown = cells("MSFlexGrid3");
    cliJson({"group", "--kind", "zodiac", "--with-special", "--boxes", "1,3,5,7,9,11", "--sort", "min"});
    EXPECT_EQ(cells("MSFlexGrid3"), shown);
    EXPECT_EQ(readXlsx(workbook).cells, shown);
    EXPECT_EQ(readXlsx(workbook).name, "Sheet1");
    EXPECT_EQ(shown[1][1], "1"); // ordered by the clicked column, 最小遗漏
    EXPECT_TRUE(status().contains(QString::fromStdString(workbook.string()))) << status().toStdString();
    EXPECT_TRUE(status().contains("no application")) << status().toStdString();
    // Ctrl+C, and 复制 from the right-click menu, copy the selected cells under their header row.
    QTableView* results = control<QTableView>("MSFlexGrid3");
    results->setFocus();
    results->selectionModel()->select(QItemSelection(results->model()->index(0, 0), results->model()->index(1, 1)),
                                      QItemSelectionModel::ClearAndSelect);
    QTest::keyClick(results, Qt::Key_C, Qt::ControlModifier);
    const std::string copied = shown[0][0] + "\t" + shown[0][1] + "\n" + shown[1][0] + "\t" + shown[1][1] + "\n" +
                               shown[2][0] + "\t" + shown[2][1] + "\n";
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), copied);
    QApplication::clipboard()->clear();
    dialogs.answers = {"mnuCopy_MSFlexGrid3"};
    clickCell("MSFlexGrid3", 3, 0, false, Qt::RightButton);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), shown[0][0] + "\n" + shown[4][0] + "\n");

    click("Check11_7");
    typeValues({"", "", "", "", "", "", "3"});
    click("Command1");
    clickCell("MSFlexGrid2", 1, 0, true);
    EXPECT_EQ(opened.back(), folder / "Jiansuo.xlsx");
    EXPECT_EQ(readXlsx(folder / "Jiansuo.xlsx").cells, cells("MSFlexGrid2"));
}

TEST_F(AnalysisWindowTest, RefusedRunsSayWhyAndKeepTheResults) {
    open();
    click("Command1"); // an empty history
    EXPECT_TRUE(status().contains("no history")) << status().toStdString();
    EXPECT_EQ(cells("MSFlexGrid3").size(), 1u);

    close();
    openOnRealHistory();
    click("Command1");
    const Grid searched = cells("MSFlexGrid2");
    ASSERT_GT(searched.size(), 3000u);
    struct Case {
        const char* box;
        const char* text;
    } cases[] = {{"Text3_0", "abc"}, {"Text3_1", ""}, {"Text3_1", "2026x"}};
    for (const Case& c : cases) {
        type(c.box, c.text);
        for (const char* button : {"Command1", "Command2", "Command5"}) {
            click(button);
            // The status names the box as the window shows it (检索起止期数), not its control name.
            const QString which = c.box == std::string("Text3_0") ? QStringLiteral("start issue of 检索起止期数")
                                                                  : QStringLiteral("end issue of 检索起止期数");
            EXPECT_TRUE(status().contains(which)) << button << ": " << status().toStdString();
            EXPECT_EQ(cells("MSFlexGrid2"), searched) << button;
        }
        type(c.box, c.box == std::string("Text3_0") ? "2001001" : "2026107");
    }
    // A reversed range runs, and says that it holds no draw.
    type("Text3_0", "2026001");
    type("Text3_1", "2020001");
    click("Command1");
    EXPECT_TRUE(status().contains("holds no stored draw")) << status().toStdString();
    type("Text3_0", "2001001");
    type("Text3_1", "2026107");

    // A cancelled run on the reference engine: the previous rows stay.
    tickBoxes({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16});
    type("Combo2", "3");
    click("Command5");
    const Grid groups = cells("MSFlexGrid3");
    ASSERT_EQ(groups.size(), 560u + 1);
    controller()->setEngine(EngineKind::Sql);
    tickBoxes({20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35});
    QTimer canceller;
    QObject::connect(&canceller, &QTimer::timeout, [] {
        for (QWidget* shown : QApplication::topLevelWidgets())
            if (auto* progress = qobject_cast<QProgressDialog*>(shown); progress && progress->isVisible())
                progress->cancel();
    });
    canceller.start(20);
    click("Command5");
    canceller.stop();
    EXPECT_EQ(cells("MSFlexGrid3"), groups);
    EXPECT_TRUE(status().contains("cancelled")) << status().toStdString();
    EXPECT_FALSE(window->property("busy").toBool());
}

// The chart and the average count only gaps inside the range, whichever rule the summary row follows;
// 遗漏从起始期计 makes the summary row count its first gap from the range's start too, and is kept.
TEST_F(AnalysisWindowTest, ChartAndAverageCountGapsInsideTheRange) {
    // The special number is 49 in draws 1, 6, 7 and 10 of twelve.
    for (int i = 1; i <= 12; ++i)
        addDraws({Draw{2014000 + i, {1, 2, 3, 4, 5, 6, i == 1 || i == 6 || i == 7 || i == 10 ? 49 : 48}}});
    open();
    click("Option1_0");
    click("Option3_0");
    click("Check11_7");
    typeValues({"", "", "", "", "", "", "49"});
    EXPECT_FALSE(checked("chkGapFromRange"));

    // From 2014003 (IDX 3): hits at IDX 6, 7 and 10; inside the range the gaps are 4 (from IDX 2), 1 and 3.
    searchSpecialFrom("2014003");
    const QList<QPointF> inRange{{6, 4}, {7, 1}, {10, 3}};
    EXPECT_EQ(cells("MSFlexGrid3")[1], (std::vector<std::string>{"49 ", "1", "6", "3"})); // the first gap is 6
    EXPECT_EQ(chartGaps(), inRange);
    EXPECT_EQ(chart().mid(1), (QStringList{"遗漏", "最小 1", "最大 4", "最后 3", ""}));
    EXPECT_EQ(figure("平均遗漏"), "2.67"); // (4 + 1 + 3) / 3

    click("chkGapFromRange");
    searchSpecialFrom("2014003");
    EXPECT_EQ(cells("MSFlexGrid3")[1], (std::vector<std::string>{"49 ", "1", "4", "3"}));
    EXPECT_EQ(cells("MSFlexGrid2")[1][8], "4");
    EXPECT_EQ(chartGaps(), inRange);
    EXPECT_EQ(figure("平均遗漏"), "2.67");
    restart();
    EXPECT_TRUE(checked("chkGapFromRange"));
}

// 生肖 05 at 特位 from 2020001 on the real history: the chart's greatest gap is the range's own, and the
// issue labels keep apart at any width the window takes.
TEST_F(AnalysisWindowTest, ChartLabelsNeverOverlap) {
    openOnRealHistory();
    click("Option1_0");
    click("Option3_1");
    click("Check11_7");
    typeValues({"", "", "", "", "", "", "5"});
    const nlohmann::json range = cliJson(
        {"search", "--kind", "zodiac", "--mode", "fixed", "--pos", "7=5", "--from", "2020001", "--gaps-from", "range"});
    for (const QSize size : {QSize(1024, 768), QSize(1280, 800), QSize(1920, 1080)}) {
        window->resize(size);
        searchSpecialFrom("2020001");
        EXPECT_TRUE(chart().contains(QStringLiteral("最大 %1").arg(range["max"].get<int>())))
            << chart().join('|').toStdString();
        auto* issues = qobject_cast<QCategoryAxis*>(shownChart()->axes(Qt::Horizontal).front());
        const QFontMetricsF metrics(issues->labelsFont());
        ASSERT_GE(issues->count(), 2) << size.width();
        double previousRight = -1e9;
        for (const QString& label : issues->categoriesLabels()) {
            const double x =
                shownChart()->mapToPosition(QPointF(issues->endValue(label), 0), shownChart()->series().front()).x();
            const double half = metrics.horizontalAdvance(label) / 2;
            EXPECT_GT(x - half, previousRight) << label.toStdString() << " at width " << size.width();
            previousRight = x + half;
        }
    }
}

} // namespace quorvel::test
