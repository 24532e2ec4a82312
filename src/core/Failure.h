// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace vantrel {

// Why something could not be done, in words for the user (the caller adds
// the file's name where the message has none). A function that may fail
// returns std::optional<Failure>: nothing when it worked. Returned, never
// thrown: the WebAssembly build has no exceptions.
struct Failure {
    std::string message;
};

// The message of a failure, or "" when there was none.
[[nodiscard]] inline std::string messageOf(const std::optional<Failure>& failure) {
    return failure ? failure->message : std::string();
}

} // namespace vantrel
