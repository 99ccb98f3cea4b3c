// SPDX-License-Identifier: MIT
#pragma once

#include <zip.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace quorvel::test {

// What a test needs to know of one sheet of an .xlsx workbook.
struct XlsxSheet {
    std::string name;
    std::vector<std::vector<std::string>> cells; // row by row from A1; cells not written read as ""
    bool allText = true;                         // every written cell is a string cell
    std::vector<std::vector<bool>> numeric;      // row by row, whether a cell holds a number
};

namespace detail {

inline std::string zipEntry(zip_t* archive, const char* name) {
    zip_file_t* file = zip_fopen(archive, name, 0);
    if (!file) throw std::runtime_error(std::string("no ") + name + " in the workbook");
    std::string text;
    char buffer[4096];
    for (zip_int64_t n; (n = zip_fread(file, buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(n));
    zip_fclose(file);
    return text;
}

// The text between the first `open` tag (with any attributes) at or after `from` and the next `close`.
inline std::string between(const std::string& xml, std::size_t from, const std::string& open, const std::string& close,
                           std::size_t* end = nullptr) {
    std::size_t start = xml.find(open, from);
    if (start == std::string::npos) return {};
    start = xml.find('>', start) + 1;
    std::size_t stop = xml.find(close, start);
    if (end) *end = stop;
    return xml.substr(start, stop - start);
}

inline std::string unescape(std::string text) {
    for (auto [entity, character] :
         {std::pair{"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}})
        for (std::size_t at; (at = text.find(entity)) != std::string::npos;)
            text.replace(at, std::string(entity).size(), character);
    return text;
}

} // namespace detail

// Reads sheet `number` (1: the first) of a workbook written by libxlsxwriter (strings as shared strings).
inline XlsxSheet readXlsx(const std::filesystem::path& file, int number = 1) {
    int error = 0;
    zip_t* archive = zip_open(file.string().c_str(), ZIP_RDONLY, &error);
    if (!archive) throw std::runtime_error("cannot open " + file.string() + " as a zip archive");
    std::string workbook = detail::zipEntry(archive, "xl/workbook.xml");
    std::string strings = zip_name_locate(archive, "xl/sharedStrings.xml", 0) >= 0
                              ? detail::zipEntry(archive, "xl/sharedStrings.xml")
                              : std::string();
    std::string sheetXml = detail::zipEntry(archive, ("xl/worksheets/sheet" + std::to_string(number) + ".xml").c_str());
    zip_close(archive);

    XlsxSheet sheet;
    std::size_t nameAt = 0;
    for (int n = 0; n < number; ++n)
        nameAt = workbook.find("<sheet name=\"", nameAt) + 13;
    sheet.name = workbook.substr(nameAt, workbook.find('"', nameAt) - nameAt);
    std::vector<std::string> shared;
    for (std::size_t at = 0; (at = strings.find("<si>", at)) != std::string::npos; ++at)
        shared.push_back(detail::unescape(detail::between(strings, at, "<t", "</t>")));
    for (std::size_t at = 0; (at = sheetXml.find("<c r=\"", at)) != std::string::npos; ++at) {
        std::size_t tagEnd = sheetXml.find('>', at);
        std::string tag = sheetXml.substr(at, tagEnd - at);
        std::size_t ref = 6, row = 0, column = 0;
        for (; tag[ref] >= 'A' && tag[ref] <= 'Z'; ++ref)
            column = column * 26 + static_cast<std::size_t>(tag[ref] - 'A' + 1);
        row = std::stoul(tag.substr(ref));
        bool text = tag.find("t=\"s\"") != std::string::npos;
        std::string value = tag.back() == '/' ? std::string() : detail::between(sheetXml, at, "<v", "</v>");
        sheet.allText = sheet.allText && text;
        if (sheet.cells.size() < row) sheet.cells.resize(row);
        auto& cells = sheet.cells[row - 1];
        if (cells.size() < column) cells.resize(column);
        cells[column - 1] = text ? shared.at(std::stoul(value)) : value;
        if (sheet.numeric.size() < row) sheet.numeric.resize(row);
        if (sheet.numeric[row - 1].size() < column) sheet.numeric[row - 1].resize(column);
        sheet.numeric[row - 1][column - 1] = !text && !value.empty();
    }
    return sheet;
}

} // namespace quorvel::test
