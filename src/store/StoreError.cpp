// SPDX-License-Identifier: MIT
#include "store/StoreError.h"

#include "model/PathText.h"
#include "store/HistoryStore.h"

#include <utility>

namespace quorvel {

StoreError::StoreError(StoreErrorKind kind, Message operation, std::filesystem::path file, std::string detail,
                       const Message& message)
    : Error(message), m_kind(kind), m_operation(std::move(operation)), m_file(std::move(file)),
      m_detail(std::move(detail)) {}

StoreError StoreError::during(const Message& operation, const Message& tail) const {
    if (!m_operation.empty()) return *this;
    return StoreError(m_kind, operation, m_file, m_detail,
                      Message::core(QT_TRANSLATE_NOOP("Core", "%1 failed: %2%3"), operation, message(), tail));
}

Message storeFailureMessage(StoreErrorKind kind, const std::string& detail, const std::filesystem::path& file) {
    switch (kind) {
    case StoreErrorKind::Busy:
        return Message::core(QT_TRANSLATE_NOOP("Core", "the history store %1 is held by another program (another "
                                                       "quorvel window or quorvel-cli) whose change did not finish "
                                                       "within %2 seconds; nothing was changed; try again when it has "
                                                       "finished"),
                             pathText(file), HistoryStore::kBusyTimeoutMs / 1000);
    case StoreErrorKind::Damaged:
        return Message::core(QT_TRANSLATE_NOOP("Core", "the history store %1 is damaged (%2); it was left as it is; "
                                                       "move it away, start again with a new store and import the "
                                                       "newest backup"),
                             pathText(file), detail);
    case StoreErrorKind::Failed: break;
    }
    return Message::core(QT_TRANSLATE_NOOP("Core", "the history store %1 failed: %2; nothing was changed"),
                         pathText(file), detail);
}

} // namespace quorvel
