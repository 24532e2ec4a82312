// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/document/ByteGrid.h"
#include "core/i18n/UiMessage.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

// What the find bar's byte modes look for, and where it is.
namespace vantrel {

// What a find looks for: settings by name or description, or bytes given in
// hexadecimal, as ASCII text or as UTF-16 text stored high byte first (as the
// generators store it).
enum class FindMode { Settings, HexBytes, AsciiText, Utf16Text };

[[nodiscard]] constexpr bool findsBytes(FindMode mode) {
    return mode != FindMode::Settings;
}

// One byte of a pattern: a byte matches when its bits under mask are value.
// A byte given whole matches only itself; kAnyByte matches every byte.
struct PatternByte {
    std::uint8_t value = 0;
    std::uint8_t mask = 0xFF;

    constexpr PatternByte(std::uint8_t byte) : value(byte) {}
    constexpr PatternByte(std::uint8_t bits, std::uint8_t bitsMask) : value(bits), mask(bitsMask) {}
    [[nodiscard]] constexpr bool matches(std::uint8_t byte) const { return (byte & mask) == value; }
    bool operator==(const PatternByte&) const = default;
};

inline constexpr PatternByte kAnyByte{0, 0};
using BytePattern = std::vector<PatternByte>;

// A typed search made into bytes: the pattern, or why it cannot be one.
struct PatternParse {
    BytePattern pattern;
    std::optional<UiMessage> problem; // set: refused, pattern empty
};

// "A5 00", "a500", "A5 ?? 00": two digits or "??" a byte, blanks anywhere
// between bytes. A lone digit last is a byte being typed, matched by its
// first digit ("A5 0": A5 then any of 00 to 0F; "A5 ?": A5 then any byte), so
// a search narrows key by key as a text search does. Refused: a lone digit
// before another byte, a character that is no hex digit, and a pattern of
// "??" alone, which would match at every offset and so tell nothing. An empty
// or blank text gives an empty pattern and no problem.
[[nodiscard]] PatternParse parseHexPattern(std::string_view text);

// UTF-8 text as the bytes of mode's encoding. ASCII refuses any other
// character; UTF-16 takes every character, beyond U+FFFF as a surrogate pair.
[[nodiscard]] PatternParse encodeTextPattern(std::string_view text, FindMode mode);

// The pattern of any byte mode; Settings gives an empty pattern.
[[nodiscard]] PatternParse patternFor(FindMode mode, std::string_view text);

// A match in the cells: its first cell and its number of cells.
struct CellRange {
    int offset = 0;
    int length = 0;
    bool operator==(const CellRange&) const = default;
};

// Every offset the pattern starts at, overlapping ones included, in order. A
// cell that holds no byte (half typed) matches nothing, not even "??".
[[nodiscard]] std::vector<CellRange> findPattern(const ByteGrid& grid, const BytePattern& pattern);
[[nodiscard]] std::vector<CellRange> findPattern(std::span<const std::uint8_t> bytes,
                                                 const BytePattern& pattern);

} // namespace vantrel
