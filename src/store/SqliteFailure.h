// SPDX-License-Identifier: MIT
#pragma once

#include "store/StoreError.h"

#include <SQLiteCpp/Exception.h>

#include <filesystem>
#include <utility>

namespace quorvel {

// Inside the store only: the kind of an SQLite failure and the StoreError that reports it.
StoreErrorKind storeErrorKind(const SQLite::Exception& failure);
StoreError storeError(const SQLite::Exception& failure, const std::filesystem::path& file);

// Runs one step of the store, turning SQLite's exceptions into StoreError.
template <typename Step> auto storeStep(const std::filesystem::path& file, Step&& step) -> decltype(step()) {
    try {
        return std::forward<Step>(step)();
    } catch (const SQLite::Exception& failure) {
        throw storeError(failure, file);
    }
}

} // namespace quorvel
