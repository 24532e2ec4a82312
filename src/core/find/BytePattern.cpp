// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/find/BytePattern.h"

#include "core/editors/SchemeTitle.h"

#include <algorithm>
#include <cctype>

namespace vantrel {

namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isBlankFrom(std::string_view text, std::size_t from) {
    return std::all_of(text.begin() + static_cast<std::ptrdiff_t>(from), text.end(), isBlank);
}

PatternParse refused(UiString id, std::string_view what) {
    PatternParse parse;
    parse.problem = UiMessage{id, {std::string(what)}, MessageIcon::Information};
    return parse;
}

// The byte at offset of a haystack, or -1 where none is held.
template <typename ByteAt>
std::vector<CellRange> findWith(int size, const BytePattern& pattern, ByteAt byteAt) {
    std::vector<CellRange> matches;
    const int length = static_cast<int>(pattern.size());
    if (length == 0 || length > size)
        return matches;
    for (int offset = 0; offset + length <= size; ++offset) {
        bool found = true;
        for (int k = 0; k < length && found; ++k) {
            const int held = byteAt(offset + k);
            found = held >= 0 &&
                    pattern[static_cast<std::size_t>(k)].matches(static_cast<std::uint8_t>(held));
        }
        if (found)
            matches.push_back({offset, length});
    }
    return matches;
}

} // namespace

PatternParse parseHexPattern(std::string_view text) {
    PatternParse parse;
    for (std::size_t i = 0; i < text.size();) {
        if (isBlank(text[i])) {
            ++i;
            continue;
        }
        if (i + 1 >= text.size() || isBlank(text[i + 1])) {
            const int digit = hexDigit(text[i]);
            if (text[i] != '?' && digit < 0)
                return refused(UiString::FindHexBadDigit, text.substr(i, 1));
            if (!isBlankFrom(text, i + 1))
                return refused(UiString::FindHexOddDigits, text);
            parse.pattern.push_back(
                digit < 0 ? kAnyByte : PatternByte(static_cast<std::uint8_t>(digit << 4), 0xF0));
            break;
        }
        const std::string_view pair = text.substr(i, 2);
        if (pair == "??") {
            parse.pattern.push_back(kAnyByte);
        } else if (hexDigit(pair[0]) >= 0 && hexDigit(pair[1]) >= 0) {
            parse.pattern.push_back(
                static_cast<std::uint8_t>(hexDigit(pair[0]) * 16 + hexDigit(pair[1])));
        } else {
            return refused(UiString::FindHexBadDigit, pair);
        }
        i += 2;
    }
    const bool wildcardsOnly =
        !parse.pattern.empty() && std::all_of(parse.pattern.begin(), parse.pattern.end(),
                                              [](PatternByte byte) { return byte.mask == 0; });
    if (wildcardsOnly)
        return refused(UiString::FindOnlyWildcards, text);
    return parse;
}

PatternParse encodeTextPattern(std::string_view text, FindMode mode) {
    PatternParse parse;
    if (mode == FindMode::AsciiText) {
        for (const char c : text) {
            if (static_cast<unsigned char>(c) >= 0x80)
                return refused(UiString::FindNotAscii, text);
            parse.pattern.push_back(static_cast<std::uint8_t>(c));
        }
        return parse;
    }
    for (const char16_t unit : utf8ToUtf16(text)) {
        parse.pattern.push_back(static_cast<std::uint8_t>(unit >> 8));
        parse.pattern.push_back(static_cast<std::uint8_t>(unit & 0xFF));
    }
    return parse;
}

PatternParse patternFor(FindMode mode, std::string_view text) {
    switch (mode) {
    case FindMode::HexBytes:
        return parseHexPattern(text);
    case FindMode::AsciiText:
    case FindMode::Utf16Text:
        return encodeTextPattern(text, mode);
    case FindMode::Settings:
        break;
    }
    return {};
}

std::vector<CellRange> findPattern(const ByteGrid& grid, const BytePattern& pattern) {
    return findWith(grid.cellCount(), pattern, [&grid](int index) {
        const auto value = grid.value(index);
        return value ? static_cast<int>(*value) : -1;
    });
}

std::vector<CellRange> findPattern(std::span<const std::uint8_t> bytes,
                                   const BytePattern& pattern) {
    return findWith(static_cast<int>(bytes.size()), pattern, [&bytes](int index) {
        return static_cast<int>(bytes[static_cast<std::size_t>(index)]);
    });
}

} // namespace vantrel
