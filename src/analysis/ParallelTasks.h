// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/Progress.h"

#include <cstddef>
#include <functional>

namespace quorvel {

// The threads a long analysis uses by default: one per core.
int defaultThreadCount();

// Runs tasks 0..count-1, each exactly once, on `threads` threads (the calling thread alone when 1). Each task
// returns the steps it did out of `total`; the calling thread reports them to `progress`, and only it
// does, so a progress callback may touch the user interface. A cancel from `progress`, or an exception of a
// task, stops the run: the tasks not begun are skipped, the running ones finish, and the exception goes on
// to the caller.
void runTasks(std::size_t count, int threads, long total, const Progress& progress,
              const std::function<long(std::size_t task)>& task);

} // namespace quorvel
