// SPDX-License-Identifier: MIT
#pragma once

#include "WindowFixture.h"
#include "cli/CliRunner.h"
#include "gui/main/AnalysisController.h"

#include <QChart>
#include <QChartView>
#include <QTableView>

#include <nlohmann/json.hpp>

#include <array>
#include <sstream>

namespace quorvel::test {

using Grid = std::vector<std::vector<std::string>>;

// The window on a data folder shared with the command line, with helpers to run both and compare what they show.
class AnalysisWindowFixture : public WindowFixture {
  protected:
    std::vector<std::filesystem::path> opened;

    // The real history, imported as a user would, then the window.
    void openOnRealHistory() {
        ASSERT_EQ(cli({"import", QUORVEL_DATA_FILES "/marksix-history.txt"}).first, 0);
        open();
        controller()->setFileOpener([this](const std::filesystem::path& file) {
            opened.push_back(file);
            return false;
        });
    }
    AnalysisController* controller() { return window->findChild<AnalysisController*>(QStringLiteral("analyses")); }

    // Runs quorvel-cli on the window's data folder: the exit code and what it printed.
    std::pair<int, std::string> cli(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), {"--data-dir", folder.path().string()});
        std::ostringstream out, err;
        int code = runCli(arguments, out, err, clock);
        return {code, out.str()};
    }
    nlohmann::json cliJson(std::vector<std::string> arguments) {
        arguments.push_back("--json");
        auto [code, out] = cli(std::move(arguments));
        EXPECT_EQ(code, 0) << out;
        return code == 0 ? nlohmann::json::parse(out) : nlohmann::json();
    }

    // Every cell of a result grid as shown, the header row first.
    Grid cells(const QString& name) {
        QAbstractItemModel* model = control<QTableView>(name)->model();
        Grid grid(1);
        // The captions alone: the omission grid marks its ordering column ▲ or ▼ beside the caption.
        for (int c = 0; c < model->columnCount(); ++c) {
            const QVariant plain = model->headerData(c, Qt::Horizontal, Qt::EditRole);
            grid[0].push_back((plain.isValid() ? plain : model->headerData(c, Qt::Horizontal, Qt::DisplayRole))
                                  .toString()
                                  .toStdString());
        }
        for (int r = 0; r < model->rowCount(); ++r) {
            grid.emplace_back();
            for (int c = 0; c < model->columnCount(); ++c)
                grid.back().push_back(model->index(r, c).data().toString().toStdString());
        }
        return grid;
    }
    // A click (or double click) on a data cell of a grid, row 0 being its first data row.
    void clickCell(const QString& name, int row, int column, bool twice = false,
                   Qt::MouseButton button = Qt::LeftButton) {
        auto* grid = control<QTableView>(name);
        const QModelIndex index = grid->model()->index(row, column);
        grid->scrollTo(index);
        const QPoint centre = grid->visualRect(index).center();
        if (twice)
            QTest::mouseDClick(grid->viewport(), button, {}, centre);
        else
            QTest::mouseClick(grid->viewport(), button, {}, centre);
        QApplication::processEvents();
    }
    void typeValues(const std::array<const char*, 7>& values) {
        for (int p = 1; p <= 7; ++p) {
            type(QStringLiteral("Text22_%1").arg(p), QString::fromUtf8(values[static_cast<std::size_t>(p - 1)]));
            focus("Text3_0");
        }
    }
    void tickBoxes(const std::vector<int>& boxes) {
        click("cmdZH_1");
        for (int box : boxes)
            click(QStringLiteral("Check6_%1").arg(box));
    }
    // The chart's title, then the names of its series as the legend shows them.
    QStringList chart() {
        QChart* shown = control<QChartView>("chtOmission")->chart();
        QStringList texts{shown->title()};
        for (QAbstractSeries* series : shown->series())
            texts << series->name();
        return texts;
    }

    // The hit list and the summary row against the command line's result.
    void expectSearchLike(const nlohmann::json& expected) {
        Grid hits = cells("MSFlexGrid2");
        ASSERT_EQ(hits.size(), expected["hits"].size() + 1);
        for (std::size_t i = 0; i < expected["hits"].size(); ++i) {
            const auto& hit = expected["hits"][i];
            std::vector<std::string> row{std::to_string(hit["issue"].get<int>())};
            for (const auto& cell : hit["cells"])
                row.push_back(cell.get<std::string>());
            row.push_back(std::to_string(hit["gap"].get<int>()));
            row.push_back(std::to_string(hit["seq"].get<int>()));
            ASSERT_EQ(hits[i + 1], row) << "hit " << i;
        }
        EXPECT_EQ(cells("MSFlexGrid3"),
                  (Grid{{"号码（分组）", "最小遗漏", "最大遗漏", "最后遗漏"},
                        {expected["label"], minimumText(expected), std::to_string(expected["max"].get<int>()),
                         std::to_string(expected["last"].get<int>())}}));
    }
    // The 最小遗漏 the grid shows for a result of the command line: 未出 where --json says never_hit.
    static std::string minimumText(const nlohmann::json& result) {
        return result.value("never_hit", false) ? "未出" : std::to_string(result["min"].get<int>());
    }
    void expectGroupsLike(const nlohmann::json& expected) {
        Grid rows = cells("MSFlexGrid3");
        ASSERT_EQ(rows.size(), expected["rows"].size() + 1);
        for (std::size_t i = 0; i < expected["rows"].size(); ++i) {
            const auto& row = expected["rows"][i];
            ASSERT_EQ(rows[i + 1],
                      (std::vector<std::string>{row["content"], minimumText(row), std::to_string(row["max"].get<int>()),
                                                std::to_string(row["last"].get<int>())}))
                << "row " << i;
        }
    }
};

} // namespace quorvel::test
