// SPDX-License-Identifier: MIT
#include "analysis/ResultGrids.h"

namespace quorvel {

namespace {

const std::vector<std::string> kOmissionHeader{"号码（分组）", "最小遗漏", "最大遗漏", "最后遗漏"};

std::vector<std::string> omissionRow(const std::string& label, int min, int max, int last) {
    return {label, std::to_string(min), std::to_string(max), std::to_string(last)};
}

} // namespace

CellGrid hitListGrid(const SearchResult& result) {
    CellGrid grid{{"期号", "平1位", "平2位", "平3位", "平4位", "平5位", "平6位", "特位", "遗漏次数", "序号"}};
    for (const HitRow& hit : result.hits) {
        std::vector<std::string> row{std::to_string(hit.issue)};
        row.insert(row.end(), hit.cells.begin(), hit.cells.end());
        row.push_back(std::to_string(hit.gap));
        row.push_back(std::to_string(hit.seq));
        grid.push_back(std::move(row));
    }
    return grid;
}

CellGrid summaryGrid(const OmissionSummary& summary) {
    return {kOmissionHeader, omissionRow(summary.label, summary.min, summary.max, summary.last)};
}

CellGrid groupResultGrid(const std::vector<GroupRow>& rows) {
    CellGrid grid{kOmissionHeader};
    for (const GroupRow& row : rows)
        grid.push_back(omissionRow(row.content, row.min, row.max, row.last));
    return grid;
}

} // namespace quorvel
