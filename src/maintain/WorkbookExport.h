// SPDX-License-Identifier: MIT
#pragma once

#include "model/CellGrid.h"
#include "model/DrawRecord.h"
#include "model/Message.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace quorvel {

// Workbook names in the data folder, by source grid: the history list, the hit list, the result grid.
inline constexpr const char* kHistoryWorkbookName = "lishi.xlsx";
inline constexpr const char* kHitListWorkbookName = "Jiansuo.xlsx";
inline constexpr const char* kResultWorkbookName = "Jieguo.xlsx";

// The most rows a sheet of a workbook holds, its header row included.
inline constexpr std::size_t kWorkbookRowLimit = 1'048'576;

// Writes a grid to an .xlsx workbook with one sheet, "Sheet1": grid row r, column c goes to worksheet
// row r + 1, column c + 1, as text (empty texts leave the cell empty). An existing file is replaced only
// once the new workbook is complete. Raises Error when the workbook cannot be written, and before anything is
// written when the grid has more rows than a sheet holds.
void writeWorkbook(const std::filesystem::path& file, const CellGrid& grid);

// A cell's background colour, 0xRRGGBB, by grid row and column, and the colour of its text. A label (a hit of
// the trend naming its value) stays text in a view's sheet even where it reads as a number.
struct CellFill {
    std::size_t row = 0;
    std::size_t column = 0;
    std::uint32_t rgb = 0xFFFFFF;
    std::uint32_t fontRgb = 0x000000;
    bool label = false;
};

// What a workbook is written from: a grid of the design's windows (the history list, the hit list, the result
// grid), or one of the views of every value.
enum class WorkbookView { Grid, OmissionTable, Trend, Backtest };

// The name of a view's first sheet (omission table, trend, backtest), and of every workbook's rules sheet.
Message workbookSheetName(WorkbookView view);
Message rulesSheetName();

// A workbook's contents: the grid, the colours of some of its cells, the rules, one sentence a line, and how many
// leading columns name the rows (a view's labels, such as the numbers 10..49 of the omission table, stay text).
struct WorkbookContent {
    WorkbookView view = WorkbookView::Grid;
    CellGrid grid;
    std::vector<CellFill> fills;
    Messages rules;
    std::size_t labelColumns = 0;
};

// Writes a workbook whose texts are rendered by `translate` in the reader's language. A grid's first sheet is
// "Sheet1" with every cell as text, as writeWorkbook(file, grid); a view's first sheet is named after the view,
// and its figures are numbers a spreadsheet can sort and sum: whole numbers and issues as integers, decimals with
// their decimals shown, percentages as fractions in a percent format; labels, "—" and numbers written with a
// leading zero (01) stay text. The second sheet holds the rules, one line a row in column A.
void writeWorkbook(const std::filesystem::path& file, const WorkbookContent& content,
                   const Message::Translate& translate);

// The history list: header 期号, 落1码 .. 落6码, 特码, then one row per draw in the given (issue) order with
// the issue and the seven numbers in drawn order, in plain decimal.
CellGrid historyGrid(const std::vector<DrawRecord>& records);

} // namespace quorvel
