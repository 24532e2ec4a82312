// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/recipe/RecipeText.h"

#include <cstdint>

namespace vantrel {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";
constexpr std::string_view kUtf32LeMark{"\xFF\xFE\x00\x00", 4};
constexpr std::string_view kUtf32BeMark{"\x00\x00\xFE\xFF", 4};

void appendUtf8(std::string& text, char32_t point) {
    if (point < 0x80) {
        text += static_cast<char>(point);
    } else if (point < 0x800) {
        text += static_cast<char>(0xC0 | (point >> 6));
        text += static_cast<char>(0x80 | (point & 0x3F));
    } else if (point < 0x10000) {
        text += static_cast<char>(0xE0 | (point >> 12));
        text += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (point & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (point >> 18));
        text += static_cast<char>(0x80 | ((point >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (point & 0x3F));
    }
}

// units: the bytes after the byte-order mark, two to a unit. A surrogate
// without its partner would become U+FFFD and change a name or a title
// unseen, so it is refused like any other fault.
RecipeText fromUtf16(std::string_view units, bool bigEndian) {
    if (units.size() % 2 != 0)
        return {{}, "UTF-16 text with an odd number of bytes is cut short"};
    const auto unitAt = [&](std::size_t i) -> char16_t {
        const auto first = static_cast<std::uint8_t>(units[i]);
        const auto second = static_cast<std::uint8_t>(units[i + 1]);
        return static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
    };
    RecipeText result;
    result.text.reserve(units.size() / 2 * 3);
    for (std::size_t i = 0; i < units.size(); i += 2) {
        const char16_t unit = unitAt(i);
        char32_t point = unit;
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 3 < units.size()) {
            const char16_t low = unitAt(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                point = 0x10000 + ((unit - 0xD800u) << 10) + (low - 0xDC00u);
                i += 2;
            }
        }
        if (point >= 0xD800 && point <= 0xDFFF)
            return {{},
                    "not valid UTF-16: a surrogate without its partner at byte " +
                        std::to_string(i + 2)};
        appendUtf8(result.text, point);
    }
    return result;
}

} // namespace

RecipeText decodeRecipeBytes(std::string_view bytes) {
    // UTF-32 first: its little-endian mark begins as UTF-16's does.
    if (bytes.starts_with(kUtf32LeMark) || bytes.starts_with(kUtf32BeMark))
        return {{}, "UTF-32 text; a recipe is UTF-8 or UTF-16 text"};
    if (bytes.starts_with(kUtf8Mark))
        return {std::string(bytes.substr(kUtf8Mark.size())), {}};
    if (bytes.starts_with(kUtf16LeMark))
        return fromUtf16(bytes.substr(kUtf16LeMark.size()), false);
    if (bytes.starts_with(kUtf16BeMark))
        return fromUtf16(bytes.substr(kUtf16BeMark.size()), true);
    // JSON starts with an ASCII character, which UTF-16 and UTF-32 store with a NUL byte.
    if ((!bytes.empty() && bytes[0] == '\0') || (bytes.size() > 1 && bytes[1] == '\0'))
        return {{},
                "UTF-16 or UTF-32 text without a byte-order mark; save the recipe as UTF-8, or "
                "as UTF-16 with a byte-order mark"};
    return {std::string(bytes), {}};
}

} // namespace vantrel
