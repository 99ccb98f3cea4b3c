// SPDX-License-Identifier: MIT
#pragma once

namespace quorvel {

// The name of a SQLite file layer (registered on the first call, not as the default) that hands every call to
// the system's default layer and, each time another megabyte of the store file or of its write-ahead log has
// been written, asks the system to start writing those pages to the disk (FileWriteback). A large commit and its
// copy into the store file then overlap their writes with the disk, and the syncs that follow wait for little.
// What is written, and when it is durable, are exactly the default layer's.
const char* writebackVfsName();

} // namespace quorvel
