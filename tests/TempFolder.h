// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace quorvel::test {

// A fresh folder under the system's temporary folder, removed with everything in it at the end of the test.
class TempFolder {
  public:
    TempFolder() {
        std::random_device random;
        m_path = std::filesystem::temp_directory_path() /
                 ("quorvel-test-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(m_path);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }

    // Writes a file in the folder and returns its path.
    std::filesystem::path write(const std::string& name, const std::string& content) const {
        std::ofstream out(m_path / name, std::ios::binary);
        out << content;
        return m_path / name;
    }

  private:
    std::filesystem::path m_path;
};

inline std::string readFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline std::filesystem::path realHistory() { return std::filesystem::path(QUORVEL_DATA_FILES) / "marksix-history.txt"; }
inline std::filesystem::path shuffledHistory() {
    return std::filesystem::path(QUORVEL_DATA_FILES) / "marksix-history-shuffled.txt";
}

} // namespace quorvel::test
