// SPDX-License-Identifier: MIT
#include "store/StoreError.h"

#include "store/HistoryStore.h"

#include <utility>

namespace quorvel {

StoreError::StoreError(StoreErrorKind kind, std::string operation, std::filesystem::path file, std::string detail,
                       const std::string& message)
    : Error(message), m_kind(kind), m_operation(std::move(operation)), m_file(std::move(file)),
      m_detail(std::move(detail)) {}

StoreError StoreError::during(const std::string& operation, const std::string& tail) const {
    if (!m_operation.empty()) return *this;
    return StoreError(m_kind, operation, m_file, m_detail, operation + " failed: " + what() + tail);
}

std::string storeFailureMessage(StoreErrorKind kind, const std::string& detail, const std::filesystem::path& file) {
    switch (kind) {
    case StoreErrorKind::Busy:
        return "the history store " + file.string() + " is held by another program (another quorvel window or " +
               "quorvel-cli) whose change did not finish within " +
               std::to_string(HistoryStore::kBusyTimeoutMs / 1000) +
               " seconds; nothing was changed; try again when it has finished";
    case StoreErrorKind::Damaged:
        return "the history store " + file.string() + " is damaged (" + detail +
               "); it was left as it is; move it away, start again with a new store and import the newest backup";
    case StoreErrorKind::Failed: break;
    }
    return "the history store " + file.string() + " failed: " + detail + "; nothing was changed";
}

} // namespace quorvel
