// SPDX-License-Identifier: MIT
#pragma once

#include "model/CellGrid.h"
#include "model/DrawRecord.h"

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

// The same workbook for a result grid, with a second sheet, "Rules", whose cell A1 holds the line that says
// how the result's gaps were counted.
void writeWorkbook(const std::filesystem::path& file, const CellGrid& grid, const std::string& rules);

// A cell's background colour, 0xRRGGBB, by grid row and column, and the colour of its text.
struct CellFill {
    std::size_t row = 0;
    std::size_t column = 0;
    std::uint32_t rgb = 0xFFFFFF;
    std::uint32_t fontRgb = 0x000000;
};

// The same workbook with the given cells of Sheet1 filled with their colours.
void writeWorkbook(const std::filesystem::path& file, const CellGrid& grid, const std::string& rules,
                   const std::vector<CellFill>& fills);

// The history list: header 期号, 落1码 .. 落6码, 特码, then one row per draw in the given (issue) order with
// the issue and the seven numbers in drawn order, in plain decimal.
CellGrid historyGrid(const std::vector<DrawRecord>& records);

} // namespace quorvel
