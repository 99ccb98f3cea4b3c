// SPDX-License-Identifier: MIT
#pragma once

#include <ostream>
#include <streambuf>

namespace quorvel {

// The output of a run as its commands write it: every write passes on to the stream below, and the first one
// that fails is remembered with the system's error at that moment, so that the run can tell, before it exits,
// that what it printed was lost (a full disk) or that its reader has gone (a closed pipe).
class CheckedOutput : public std::streambuf {
  public:
    explicit CheckedOutput(std::ostream& below) : m_below(*below.rdbuf()) {}

    // Passes on what is still held below; whether every write so far succeeded.
    bool flush();
    // The system's error of the first failed write (0 when the stream below gave none).
    int error() const { return m_error; }
    // The first failed write found its pipe closed by the reader (`| head`).
    bool closedPipe() const;

  protected:
    int_type overflow(int_type character) override;
    std::streamsize xsputn(const char* text, std::streamsize count) override;
    int sync() override;

  private:
    void fail();

    std::streambuf& m_below;
    bool m_failed = false;
    int m_error = 0;
};

} // namespace quorvel
