// SPDX-License-Identifier: MIT
#include "maintain/WorkbookExport.h"
#include "model/PathText.h"

#include "maintain/FileReplacement.h"
#include "model/Error.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <charconv>
#include <map>
#include <memory>
#include <optional>
#include <tuple>

namespace quorvel {

namespace {

struct WorkbookCloser {
    void operator()(lxw_workbook* workbook) const { workbook_close(workbook); }
};

// One sheet of a workbook: its name, its cells, the colours of some of them and whether its figures are numbers.
struct Sheet {
    std::string name;
    CellGrid grid;
    std::vector<CellFill> fills;
    bool figures = false;
    std::size_t labelColumns = 0;
};

// A cell's text read as a figure: its value and the number format that shows it as the text did.
struct Figure {
    double value = 0;
    std::string format;
};

// Whole numbers ("0", "2014001", "-3") without a leading zero, decimals ("1.33", "-0.25") and percentages
// ("12.5%"); anything else (a label such as "01", "—", "< 0.0001") is no figure.
std::optional<Figure> figureOf(const std::string& text) {
    const bool percent = !text.empty() && text.back() == '%';
    const std::string number = percent ? text.substr(0, text.size() - 1) : text;
    const std::size_t digits = number.starts_with('-') ? 1 : 0;
    if (number.size() <= digits || number[digits] < '0' || number[digits] > '9') return std::nullopt;
    if (number[digits] == '0' && number.size() > digits + 1 && number[digits + 1] != '.') return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc() || end != number.data() + number.size()) return std::nullopt;
    const std::size_t point = number.find('.');
    const bool exponent = number.find_first_of("eE") != std::string::npos;
    std::string decimals =
        point == std::string::npos || exponent ? "" : "." + std::string(number.size() - point - 1, '0');
    if (percent) return Figure{value / 100, exponent ? "0.0##%" : "0" + decimals + "%"};
    return Figure{value, exponent ? "General" : "0" + decimals};
}

void fillSheet(lxw_workbook* workbook, lxw_worksheet* sheet, const Sheet& source, const std::filesystem::path& file) {
    // One format per colours and number format, shared by its cells.
    std::map<std::tuple<std::uint32_t, std::uint32_t, std::string>, lxw_format*> formats;
    const auto format = [&](const CellFill* fill, const std::string& numberFormat) -> lxw_format* {
        if (!fill && numberFormat.empty()) return nullptr;
        lxw_format*& shared = formats[{fill ? fill->rgb : 0xFFFFFFFF, fill ? fill->fontRgb : 0, numberFormat}];
        if (!shared) {
            shared = workbook_add_format(workbook);
            if (!shared)
                throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "cannot write the workbook %1: out of memory"),
                                          pathText(file)));
            if (fill) {
                format_set_bg_color(shared, fill->rgb);
                format_set_pattern(shared, LXW_PATTERN_SOLID);
                if (fill->fontRgb != 0x000000) format_set_font_color(shared, fill->fontRgb);
            }
            if (!numberFormat.empty()) format_set_num_format(shared, numberFormat.c_str());
        }
        return shared;
    };
    std::map<std::pair<std::size_t, std::size_t>, const CellFill*> fills;
    for (const CellFill& fill : source.fills)
        fills[{fill.row, fill.column}] = &fill;
    const CellGrid& grid = source.grid;
    for (std::size_t r = 0; r < grid.size(); ++r) {
        for (std::size_t c = 0; c < grid[r].size(); ++c) {
            // Row and column numbers beyond the sheet's limits come back as an error below.
            auto row = static_cast<lxw_row_t>(std::min<std::size_t>(r, LXW_ROW_MAX));
            auto column = static_cast<lxw_col_t>(std::min<std::size_t>(c, LXW_COL_MAX));
            const auto found = fills.find({r, c});
            const CellFill* fill = found == fills.end() ? nullptr : found->second;
            const std::string& text = grid[r][c];
            const std::optional<Figure> figure =
                source.figures && c >= source.labelColumns && !(fill && fill->label) ? figureOf(text) : std::nullopt;
            lxw_error status =
                figure ? worksheet_write_number(sheet, row, column, figure->value, format(fill, figure->format))
                       : worksheet_write_string(sheet, row, column, text.c_str(), format(fill, {}));
            if (status != LXW_NO_ERROR)
                throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "cannot write cell (%1, %2) of %3: %4; nothing "
                                                                    "was written"),
                                          r + 1, c + 1, pathText(file), std::string(lxw_strerror(status))));
        }
    }
}

// Writes the sheets in order, each named and filled from its grid.
void writeSheets(const std::filesystem::path& file, const std::vector<Sheet>& sheets) {
    for (const Sheet& source : sheets)
        if (source.grid.size() > kWorkbookRowLimit)
            throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "a workbook holds at most 1,048,576 rows, and %1 "
                                                                "would need %2; choose fewer groups and calculate "
                                                                "again; nothing was written"),
                                      pathText(file), source.grid.size()));
    // Whatever happens, no partial workbook is left behind, and the old file stays until the new one is complete.
    FileReplacement replacement(file);
    lxw_workbook* workbook = workbook_new(pathText(replacement.partial()).c_str());
    if (!workbook)
        throw Error(
            Message::core(QT_TRANSLATE_NOOP("Core", "cannot create the workbook %1: out of memory"), pathText(file)));
    lxw_error status = LXW_NO_ERROR;
    {
        // libxlsxwriter frees a workbook only by closing it, so it is closed also when a cell fails.
        std::unique_ptr<lxw_workbook, WorkbookCloser> open(workbook);
        for (const Sheet& source : sheets) {
            lxw_worksheet* sheet = workbook_add_worksheet(workbook, source.name.c_str());
            if (!sheet)
                throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "cannot add the sheet %1 to the workbook %2"),
                                          source.name, pathText(file)));
            fillSheet(workbook, sheet, source, file);
        }
        status = workbook_close(open.release());
    }
    if (status != LXW_NO_ERROR)
        throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "cannot write the workbook %1: %2; check that its folder "
                                                            "exists and is writable"),
                                  pathText(file), std::string(lxw_strerror(status))));
    replacement.commit();
}

} // namespace

void writeWorkbook(const std::filesystem::path& file, const CellGrid& grid) {
    writeSheets(file, {{"Sheet1", grid, {}}});
}

Message workbookSheetName(WorkbookView view) {
    switch (view) {
    case WorkbookView::Grid: break;
    case WorkbookView::OmissionTable: return Message::core(QT_TRANSLATE_NOOP("Core", "Omission table"));
    case WorkbookView::Trend: return Message::core(QT_TRANSLATE_NOOP("Core", "Trend"));
    case WorkbookView::Backtest: return Message::core(QT_TRANSLATE_NOOP("Core", "Backtest"));
    }
    return Message::verbatim("Sheet1");
}

Message rulesSheetName() { return Message::core(QT_TRANSLATE_NOOP("Core", "Rules")); }

void writeWorkbook(const std::filesystem::path& file, const WorkbookContent& content,
                   const Message::Translate& translate) {
    std::vector<Sheet> sheets{{workbookSheetName(content.view).rendered(translate), content.grid, content.fills,
                               content.view != WorkbookView::Grid, content.labelColumns}};
    if (!content.rules.empty()) {
        CellGrid lines;
        for (const Message& line : content.rules)
            lines.push_back({line.rendered(translate)});
        sheets.push_back({rulesSheetName().rendered(translate), std::move(lines), {}, false, 0});
    }
    writeSheets(file, sheets);
}

CellGrid historyGrid(const std::vector<DrawRecord>& records) {
    CellGrid grid;
    grid.reserve(records.size() + 1);
    std::vector<std::string> header{"期号"};
    for (int c = 1; c <= 6; ++c)
        header.push_back("落" + std::to_string(c) + "码");
    header.push_back("特码");
    grid.push_back(std::move(header));
    for (const DrawRecord& record : records) {
        std::vector<std::string> row{std::to_string(record.issue)};
        for (int n : record.draw().numbers)
            row.push_back(std::to_string(n));
        grid.push_back(std::move(row));
    }
    return grid;
}

} // namespace quorvel
