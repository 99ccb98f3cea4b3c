// SPDX-License-Identifier: MIT
#include "maintain/HistoryTextWriter.h"

#include "model/AttributeKind.h"
#include "model/Error.h"
#include "model/PathText.h"

#include <cerrno>
#include <cstring>
#include <fstream>

namespace quorvel {

std::string formatHistoryLine(const Draw& draw) {
    std::string line = std::to_string(draw.issue) + " ";
    for (int n : draw.numbers)
        line += twoDigits(n) + " ";
    return line;
}

void writeHistoryText(std::ostream& out, const std::vector<Draw>& draws) {
    for (const Draw& draw : draws)
        out << formatHistoryLine(draw) << "\r\n";
}

void writeHistoryTextFile(const std::filesystem::path& file, const std::vector<Draw>& draws) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out)
        throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "cannot write %1: %2"), pathText(file),
                                  std::string(std::strerror(errno))));
    writeHistoryText(out, draws);
    out.flush();
    if (!out)
        throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "writing %1 failed (is the disk full?)"), pathText(file)));
}

} // namespace quorvel
