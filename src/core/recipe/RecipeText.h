// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// The one reading of a recipe file's bytes as text: the command line and the
// web page both go through it, so a file one accepts the other accepts too.
namespace vantrel {

struct RecipeText {
    std::string text;    // UTF-8 without a byte-order mark
    std::string refusal; // why the bytes are not taken as text; "" when text holds them

    [[nodiscard]] bool ok() const { return refusal.empty(); }
};

// The raw bytes of a recipe file as UTF-8 text. UTF-8, with or without its
// byte-order mark, is taken as it is (the JSON parser checks it); UTF-16 with
// a byte-order mark, little- or big-endian, is converted. Refused with why:
// UTF-32, UTF-16 without a byte-order mark (a NUL byte among the first two),
// and UTF-16 that is not whole (an odd number of bytes, a surrogate without
// its partner).
[[nodiscard]] RecipeText decodeRecipeBytes(std::string_view bytes);

} // namespace vantrel
