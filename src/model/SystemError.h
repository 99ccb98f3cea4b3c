// SPDX-License-Identifier: MIT
#pragma once

#include "model/Message.h"

#include <system_error>

namespace quorvel {

// Why the system refused a file operation, as a message in the user's language: the common causes (no such file,
// permission denied, a folder where a file was expected or a file where a folder was, a full disk, a read-only file
// system) in words of our own catalogue, any other cause as the system words it.
Message systemError(const std::error_code& code);
// The same for an errno value.
Message systemError(int errorNumber);

} // namespace quorvel
