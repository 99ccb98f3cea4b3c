// SPDX-License-Identifier: MIT
// The statistics details panel fraDetail, its sort choice cboSort and the counting rules in the window's
// workbooks, against the command line's results on the real history.
#include "gui/main/DetailPanel.h"
#include "AnalysisWindowFixture.h"
#include "XlsxReader.h"
#include "app/results/DetailFigures.h"
#include "cli/CliRunner.h"
#include "gui/main/AnalysisController.h"
#include "gui/shell/QtText.h"

#include <QTableView>

#include <nlohmann/json.hpp>

#include <sstream>

namespace quorvel::test {

namespace {

using Figures = std::vector<std::pair<QString, QString>>;

const std::vector<std::string> kGroupOfFourZodiacs{"group", "--kind",         "zodiac",  "--size",
                                                   "4",     "--with-special", "--boxes", "1,2,3,4,5,6,7,8,9,10,11,12"};

class DetailPanelTest : public AnalysisWindowFixture {
  protected:
    // The real history, then the window, with the groups of four zodiac signs calculated.
    void openWithZodiacGroups() {
        ASSERT_EQ(cli({"import", QUORVEL_DATA_FILES "/marksix-history.txt"}).first, 0);
        open();
        controller()->setFileOpener([this](const std::filesystem::path& file) {
            opened.push_back(file);
            return false;
        });
        click("Option3_1");
        click("cmdZH_0");
        type("Combo2", "4");
        click("Command5");
    }
    // The panel as shown: caption and text of each line.
    Figures panel() { return control<DetailPanel>("fraDetail")->shownFigures(); }
    // The lines the panel shows for a result (a group row or a search) of the command line's JSON.
    static Figures expectedPanel(const nlohmann::json& result) {
        auto optional = [&](const char* key) {
            return result[key].is_null() ? std::nullopt : std::optional<double>(result[key].get<double>());
        };
        GroupRow row{{}, result["min"], result["max"], result["last"], {}};
        row.statistics = {result["hits_in_range"],
                          optional("average"),
                          result["longest_run"],
                          result["previous"].is_null() ? std::nullopt : std::optional<int>(result["previous"]),
                          optional("p_hit"),
                          optional("expected_gap"),
                          optional("p_at_least_last"),
                          result["p_source"] == "exact" ? ProbabilitySource::Exact : ProbabilitySource::Observed};
        Figures figures;
        for (const DetailFigure& figure : detailFigures(row))
            figures.emplace_back(quorvel::shown(figure.caption), quorvel::shown(figure.text));
        return figures;
    }
    // The group rows of MSFlexGrid3 as shown, without the header row.
    Grid groupCells() {
        Grid grid = cells("MSFlexGrid3");
        grid.erase(grid.begin());
        return grid;
    }
    static Grid rowsOf(const nlohmann::json& groups) {
        Grid grid;
        for (const auto& row : groups["rows"])
            grid.push_back({row["content"], std::to_string(row["min"].get<int>()),
                            std::to_string(row["max"].get<int>()), std::to_string(row["last"].get<int>())});
        return grid;
    }
    // Chooses an order in cboSort with the keyboard, as a user does: End takes the last entry.
    void chooseSort(Qt::Key key) {
        focus("cboSort");
        QTest::keyClick(window->windowHandle(), key);
        QApplication::processEvents();
    }
};

} // namespace

TEST_F(DetailPanelTest, ShowsTheFiguresOfTheSelectedRowAsTheCommandLineGivesThem) {
    openWithZodiacGroups();
    const nlohmann::json groups = cliJson(kGroupOfFourZodiacs);
    ASSERT_EQ(groups["rows"].size(), 495u);
    ASSERT_EQ(groupCells(), rowsOf(groups));
    for (int row : {0, 7, 300}) {
        clickCell("MSFlexGrid3", row, 3);
        const auto& expected = groups["rows"][static_cast<std::size_t>(row)];
        EXPECT_EQ(panel(), expectedPanel(expected)) << "row " << row;
    }
    EXPECT_NE(panel()[7].second, QString::fromUtf8(kNoFigure)); // the range ends at the latest draw: P is given

    // A search's summary row shows the search's figures.
    click("Option1_0");
    click("Check11_7");
    type("Text22_7", "5");
    focus("Text3_0");
    click("Command1");
    const nlohmann::json search = cliJson({"search", "--kind", "zodiac", "--mode", "fixed", "--pos", "7=5"});
    EXPECT_EQ(panel(), expectedPanel(search));
    EXPECT_EQ(panel()[8].second, "精确 (exact)");
}

TEST_F(DetailPanelTest, SortChoiceOrdersByTheChanceOfTheLastOmissionAndFollowsColumnClicks) {
    openWithZodiacGroups();
    auto* sort = control<QComboBox>("cboSort");
    EXPECT_EQ(sort->currentText(), "最后遗漏");
    clickCell("MSFlexGrid3", 4, 3);
    const std::string selected = groupCells()[4][0];

    chooseSort(Qt::Key_End);
    EXPECT_EQ(sort->currentText(), "P(≥ last)");
    std::vector<std::string> byP = kGroupOfFourZodiacs;
    byP.insert(byP.end(), {"--sort", "p"});
    const nlohmann::json groups = cliJson(byP);
    EXPECT_EQ(groupCells(), rowsOf(groups));
    // The groups away unusually long come first, and the selected group stays selected.
    EXPECT_LE(groups["rows"][0]["p_at_least_last"].get<double>(), groups["rows"][1]["p_at_least_last"].get<double>());
    const int current = control<QTableView>("MSFlexGrid3")->currentIndex().row();
    EXPECT_EQ(groupCells()[static_cast<std::size_t>(current)][0], selected);
    EXPECT_EQ(panel(), expectedPanel(groups["rows"][static_cast<std::size_t>(current)]));

    clickCell("MSFlexGrid3", 0, 2);
    EXPECT_EQ(sort->currentText(), "最大遗漏");
}

TEST_F(DetailPanelTest, DoubleClickWorkbooksCarryTheCountingRules) {
    openWithZodiacGroups();
    clickCell("MSFlexGrid3", 2, 1, true);
    const std::filesystem::path workbook = folder / "Jieguo.xlsx";
    ASSERT_EQ(opened, std::vector<std::filesystem::path>{workbook});
    // The rules in the window's language, one sentence a row: the draws, the gaps, the special number, the bases.
    const XlsxSheet rules = readXlsx(workbook, 2);
    EXPECT_EQ(rules.name, "Rules");
    ASSERT_EQ(rules.cells.size(), 5u);
    EXPECT_EQ(rules.cells[0][0].rfind("Draws counted: issues ", 0), 0u) << rules.cells[0][0];
    EXPECT_EQ(rules.cells[4][0], "Bases from the settings: zodiac base 1, segment base 1, colour base 1.");
    EXPECT_EQ(readXlsx(workbook).name, "Sheet1");

    click("Option1_0");
    click("Check11_7");
    type("Text22_7", "5");
    focus("Text3_0");
    click("Command1");
    QTest::mouseDClick(control<QTableView>("MSFlexGrid2")->viewport(), Qt::LeftButton, {}, QPoint(20, 10));
    ASSERT_EQ(opened.back(), folder / "Jiansuo.xlsx");
    EXPECT_EQ(readXlsx(folder / "Jiansuo.xlsx", 2).cells.at(3),
              std::vector<std::string>{"Fixed positions: the special number counts only as the seventh position."});
}

} // namespace quorvel::test
