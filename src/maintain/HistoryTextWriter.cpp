// SPDX-License-Identifier: MIT
#include "maintain/HistoryTextWriter.h"
#include "model/PathText.h"

#include "maintain/FileReplacement.h"
#include "model/AttributeKind.h"
#include "model/Error.h"
#include "model/SystemError.h"

#include <cerrno>
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
    std::error_code ec;
    const bool existed = std::filesystem::exists(file, ec);
    // What a failure leaves: the old file as it was, or no file at all.
    auto failed = [&](const Message& why) {
        return Error(existed ? Message::core(QT_TRANSLATE_NOOP("Core", "%1; the old file was left unchanged"), why)
                             : Message::core(QT_TRANSLATE_NOOP("Core", "%1; nothing was written"), why));
    };
    FileReplacement replacement(file);
    {
        std::ofstream out(replacement.partial(), std::ios::binary | std::ios::trunc);
        if (!out)
            throw failed(
                Message::core(QT_TRANSLATE_NOOP("Core", "cannot write %1: %2"), pathText(file), systemError(errno)));
        writeHistoryText(out, draws);
        out.close();
        if (!out)
            throw failed(
                Message::core(QT_TRANSLATE_NOOP("Core", "writing %1 failed (is the disk full?)"), pathText(file)));
    }
    replacement.commit();
}

} // namespace quorvel
