// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/generators/Utf16Text.h"

namespace vantrel {

namespace {

[[nodiscard]] constexpr bool isHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
[[nodiscard]] constexpr bool isLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// Code units of the character starting at index: 2 for a surrogate pair, 1
// for any other character, 0 for a surrogate without its partner.
[[nodiscard]] std::size_t characterUnits(std::u16string_view text, std::size_t index) {
    const char16_t unit = text[index];
    if (isHighSurrogate(unit))
        return index + 1 < text.size() && isLowSurrogate(text[index + 1]) ? 2 : 0;
    return isLowSurrogate(unit) ? 0 : 1;
}

} // namespace

std::u16string wholeCharacters(std::u16string_view text, std::size_t maxUnits) {
    std::u16string kept;
    for (std::size_t index = 0; index < text.size();) {
        const std::size_t units = characterUnits(text, index);
        if (units == 0) {
            ++index;
            continue;
        }
        if (kept.size() + units > maxUnits)
            break;
        kept.append(text.substr(index, units));
        index += units;
    }
    return kept;
}

void putUtf16BigEndian(std::u16string_view text, std::span<std::uint8_t> out) {
    for (std::size_t i = 0; i < text.size() && 2 * i + 1 < out.size(); ++i) {
        out[2 * i] = static_cast<std::uint8_t>(text[i] >> 8);
        out[2 * i + 1] = static_cast<std::uint8_t>(text[i] & 0xFF);
    }
}

std::u16string readUtf16BigEndian(std::span<const std::uint8_t> bytes, std::size_t byteCount) {
    const auto byteAt = [&](std::size_t offset) -> char16_t {
        return offset < bytes.size() ? bytes[offset] : 0;
    };
    std::u16string units;
    for (std::size_t offset = 0; offset + 1 < byteCount; offset += 2) {
        const auto unit = static_cast<char16_t>(byteAt(offset) << 8 | byteAt(offset + 1));
        if (unit == 0)
            break;
        units.push_back(unit);
    }
    return wholeCharacters(units, units.size());
}

std::size_t codePage936Length(std::u16string_view text) {
    std::size_t length = 0;
    for (std::size_t index = 0; index < text.size(); ++index) {
        length += text[index] < 0x80 ? 1 : 2;
        if (characterUnits(text, index) == 2)
            ++index;
    }
    return length;
}

std::u16string_view trimBlanks(std::u16string_view text) {
    const std::size_t first = text.find_first_not_of(u' ');
    if (first == std::u16string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(u' ') - first + 1);
}

} // namespace vantrel
