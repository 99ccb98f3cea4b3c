// SPDX-License-Identifier: MIT
#pragma once

#include "model/Error.h"

#include <functional>
#include <utility>

namespace quorvel {

// Raised when the user stops a long analysis; the stored results stay as they were.
class AnalysisCancelled : public Error {
  public:
    AnalysisCancelled() : Error("the analysis was cancelled; the previous results were kept") {}
};

// Tells a caller how far a long analysis has come; the callback returns false to cancel it.
class Progress {
  public:
    using Callback = std::function<bool(long done, long total)>;

    Progress() = default;
    explicit Progress(Callback callback) : m_callback(std::move(callback)) {}

    // Reports a step; throws AnalysisCancelled when the callback asks to stop.
    void step(long done, long total) const {
        if (m_callback && !m_callback(done, total)) throw AnalysisCancelled();
    }

  private:
    Callback m_callback;
};

} // namespace quorvel
