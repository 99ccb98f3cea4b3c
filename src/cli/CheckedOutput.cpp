// SPDX-License-Identifier: MIT
#include "cli/CheckedOutput.h"

#include <cerrno>

namespace quorvel {

bool CheckedOutput::flush() {
    sync();
    return !m_failed;
}

bool CheckedOutput::closedPipe() const { return m_failed && m_error == EPIPE; }

CheckedOutput::int_type CheckedOutput::overflow(int_type character) {
    if (traits_type::eq_int_type(character, traits_type::eof())) return traits_type::not_eof(character);
    if (m_failed) return traits_type::eof();
    errno = 0;
    if (traits_type::eq_int_type(m_below.sputc(traits_type::to_char_type(character)), traits_type::eof())) {
        fail();
        return traits_type::eof();
    }
    return character;
}

std::streamsize CheckedOutput::xsputn(const char* text, std::streamsize count) {
    if (m_failed) return 0;
    errno = 0;
    const std::streamsize written = m_below.sputn(text, count);
    if (written < count) fail();
    return written;
}

int CheckedOutput::sync() {
    if (m_failed) return -1;
    errno = 0;
    if (m_below.pubsync() == -1) fail();
    return m_failed ? -1 : 0;
}

void CheckedOutput::fail() {
    m_failed = true;
    m_error = errno;
}

} // namespace quorvel
