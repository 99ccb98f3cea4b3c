// SPDX-License-Identifier: MIT
#include "maintain/WorkbookExport.h"
#include "model/PathText.h"

#include "maintain/FileReplacement.h"
#include "model/Error.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <map>
#include <memory>

namespace quorvel {

namespace {

struct WorkbookCloser {
    void operator()(lxw_workbook* workbook) const { workbook_close(workbook); }
};

// One sheet of a workbook: its name, its cells and the colours of some of them.
struct Sheet {
    std::string name;
    CellGrid grid;
    std::vector<CellFill> fills;
};

void fillSheet(lxw_workbook* workbook, lxw_worksheet* sheet, const Sheet& source, const std::filesystem::path& file) {
    // One format per pair of colours, shared by its cells.
    std::map<std::pair<std::uint32_t, std::uint32_t>, lxw_format*> formats;
    std::map<std::pair<std::size_t, std::size_t>, lxw_format*> cellFormats;
    for (const CellFill& fill : source.fills) {
        lxw_format*& format = formats[{fill.rgb, fill.fontRgb}];
        if (!format) {
            format = workbook_add_format(workbook);
            if (!format)
                throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "cannot write the workbook %1: out of memory"),
                                          pathText(file)));
            format_set_bg_color(format, fill.rgb);
            format_set_pattern(format, LXW_PATTERN_SOLID);
            if (fill.fontRgb != 0x000000) format_set_font_color(format, fill.fontRgb);
        }
        cellFormats[{fill.row, fill.column}] = format;
    }
    const CellGrid& grid = source.grid;
    for (std::size_t r = 0; r < grid.size(); ++r) {
        for (std::size_t c = 0; c < grid[r].size(); ++c) {
            // Row and column numbers beyond the sheet's limits come back as an error below.
            auto row = static_cast<lxw_row_t>(std::min<std::size_t>(r, LXW_ROW_MAX));
            auto column = static_cast<lxw_col_t>(std::min<std::size_t>(c, LXW_COL_MAX));
            const auto format = cellFormats.find({r, c});
            lxw_error status = worksheet_write_string(sheet, row, column, grid[r][c].c_str(),
                                                      format == cellFormats.end() ? nullptr : format->second);
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

void writeWorkbook(const std::filesystem::path& file, const CellGrid& grid, const std::string& rules) {
    writeWorkbook(file, grid, rules, {});
}

void writeWorkbook(const std::filesystem::path& file, const CellGrid& grid, const std::string& rules,
                   const std::vector<CellFill>& fills) {
    writeSheets(file, {{"Sheet1", grid, fills}, {"Rules", CellGrid{std::vector<std::string>{rules}}, {}}});
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
