// SPDX-License-Identifier: MIT
#include "model/SystemError.h"

namespace quorvel {

Message systemError(const std::error_code& code) {
    // The English words are the C library's own on Linux, so that --json and English read as before; the
    // comparison with std::errc matches the same cause on every system.
    struct Cause {
        std::errc condition;
        const char* text;
    };
    static const Cause causes[] = {
        {std::errc::no_such_file_or_directory, QT_TRANSLATE_NOOP("Core", "No such file or directory")},
        {std::errc::permission_denied, QT_TRANSLATE_NOOP("Core", "Permission denied")},
        {std::errc::operation_not_permitted, QT_TRANSLATE_NOOP("Core", "Operation not permitted")},
        {std::errc::is_a_directory, QT_TRANSLATE_NOOP("Core", "Is a directory")},
        {std::errc::not_a_directory, QT_TRANSLATE_NOOP("Core", "Not a directory")},
        {std::errc::no_space_on_device, QT_TRANSLATE_NOOP("Core", "No space left on device")},
        {std::errc::read_only_file_system, QT_TRANSLATE_NOOP("Core", "Read-only file system")},
    };
    for (const Cause& cause : causes)
        if (code == cause.condition) return Message::core(cause.text);
    return Message::verbatim(code.message());
}

Message systemError(int errorNumber) { return systemError(std::error_code(errorNumber, std::generic_category())); }

} // namespace quorvel
