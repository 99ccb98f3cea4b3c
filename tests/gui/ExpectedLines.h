// SPDX-License-Identifier: MIT
#pragma once

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <sys/wait.h>

namespace quorvel::script {

// True when every member of expected is in actual with the same value; objects are compared member by
// member, so an expected line names only what the test is about.
inline bool containsAll(const nlohmann::json& actual, const nlohmann::json& expected) {
    if (!expected.is_object()) return actual == expected;
    if (!actual.is_object()) return false;
    for (const auto& [key, value] : expected.items())
        if (!actual.contains(key) || !containsAll(actual[key], value)) return false;
    return true;
}

// Checks a runner's output line by line: as many lines as expected, each holding its expected line.
inline void expectLines(const std::string& printed, const std::vector<std::string>& expected) {
    std::vector<std::string> lines;
    std::istringstream in(printed);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    ASSERT_EQ(lines.size(), expected.size()) << printed;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto actual = nlohmann::json::parse(lines[i], nullptr, false);
        EXPECT_TRUE(containsAll(actual, nlohmann::json::parse(expected[i])))
            << "line " << i + 1 << ": " << lines[i] << "\nexpected: " << expected[i];
    }
}

// Runs a shell command with its stderr sent to stderrFile and gives what it printed on stdout; a failure
// names the exit status, the output and what the command wrote to stderr.
inline std::string runExpectingSuccess(const std::string& command, const std::filesystem::path& stderrFile) {
    FILE* pipe = popen((command + " 2>'" + stderrFile.string() + "'").c_str(), "r");
    if (!pipe) {
        ADD_FAILURE() << "cannot start " << command;
        return {};
    }
    std::string printed;
    std::array<char, 4096> buffer{};
    for (std::size_t read; (read = fread(buffer.data(), 1, buffer.size(), pipe)) > 0;)
        printed.append(buffer.data(), read);
    const int status = pclose(pipe);
    std::ifstream errors(stderrFile, std::ios::binary);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
        << "exit status " << status << "\n"
        << printed << std::string(std::istreambuf_iterator<char>(errors), std::istreambuf_iterator<char>());
    return printed;
}

} // namespace quorvel::script
