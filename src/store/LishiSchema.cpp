// SPDX-License-Identifier: MIT
#include "store/LishiSchema.h"

#include "model/AttributeKind.h"

namespace quorvel {

std::string positionField(char prefix, int position, char letter) {
    return std::string(1, prefix) + std::to_string(position) + letter;
}

const std::vector<std::string>& positionColumns() {
    static const std::vector<std::string> columns = [] {
        std::vector<std::string> built;
        for (int p = 1; p <= 7; ++p) {
            for (char letter : {'A', 'B', 'C', 'E', 'F', 'H'})
                built.push_back(positionField('L', p, letter));
            built.push_back(positionField('D', p, 'A'));
            if (p < 7)
                for (char letter : {'B', 'E', 'F', 'C', 'H'})
                    built.push_back(positionField('D', p, letter));
        }
        return built;
    }();
    return columns;
}

const std::vector<std::string>& listColumns() {
    static const std::vector<std::string> columns = [] {
        std::vector<std::string> built;
        for (const auto& info : allKinds())
            built.emplace_back(info.listField);
        return built;
    }();
    return columns;
}

const std::vector<std::string>& previousListColumns() {
    static const std::vector<std::string> columns = [] {
        std::vector<std::string> built;
        for (const auto& name : listColumns())
            built.push_back("txtHisPre" + name.substr(6)); // txtHis|Lst..
        return built;
    }();
    return columns;
}

const std::vector<std::string>& lishiColumns() {
    static const std::vector<std::string> columns = [] {
        std::vector<std::string> built{"IDX", "SQQH"};
        built.insert(built.end(), positionColumns().begin(), positionColumns().end());
        built.insert(built.end(), listColumns().begin(), listColumns().end());
        built.insert(built.end(), previousListColumns().begin(), previousListColumns().end());
        built.insert(built.end(), {"intTh", "bolOk", "txtHisP6"});
        return built;
    }();
    return columns;
}

std::vector<std::string> schemaStatements() {
    std::string lishi = "CREATE TABLE IF NOT EXISTS Lishi (IDX INTEGER NOT NULL DEFAULT 0, SQQH INTEGER NOT NULL";
    for (const auto& column : positionColumns())
        lishi += ", " + column + " INTEGER";
    for (const auto& column : listColumns())
        lishi += ", " + column + " TEXT";
    for (const auto& column : previousListColumns())
        lishi += ", " + column + " TEXT NOT NULL DEFAULT ''";
    lishi += ", intTh INTEGER NOT NULL DEFAULT 0, bolOk INTEGER NOT NULL DEFAULT 0, txtHisP6 TEXT)";
    return {
        lishi,
        "CREATE INDEX IF NOT EXISTS LishiIssue ON Lishi (SQQH)",
        "CREATE INDEX IF NOT EXISTS LishiIdx ON Lishi (IDX)",
        numbersIndexStatement(),
        "CREATE TABLE IF NOT EXISTS YL (content TEXT, intMinYL INTEGER, intMaxYL INTEGER, intLstYl INTEGER)",
        // One row: the zodiac, segment and colour bases the stored rows of Lishi were derived with.
        "CREATE TABLE IF NOT EXISTS DerivedBases (SxIni INTEGER NOT NULL, DsIni INTEGER NOT NULL, "
        "BsIni INTEGER NOT NULL)",
    };
}

std::string numbersIndexStatement() {
    std::string columns = "IDX, SQQH";
    for (int p = 1; p <= 7; ++p)
        columns += ", " + positionField('L', p, 'A');
    for (int p = 1; p <= 6; ++p)
        columns += ", " + positionField('D', p, 'A');
    columns += ", " + listColumns()[static_cast<std::size_t>(AttributeKind::Number)];
    return std::string("CREATE INDEX IF NOT EXISTS ") + kNumbersIndex + " ON Lishi (" + columns + ")";
}

std::vector<std::string> groupFigureTableStatements() {
    return {
        "CREATE TABLE IF NOT EXISTS YLFigures (firstRow INTEGER PRIMARY KEY, rowCount INTEGER NOT NULL, "
        "figures BLOB NOT NULL)",
        "CREATE TABLE IF NOT EXISTS YLRules (rules TEXT)",
    };
}

} // namespace quorvel
