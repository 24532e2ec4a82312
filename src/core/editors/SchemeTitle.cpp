// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/editors/SchemeTitle.h"

#include <cstdint>

namespace vantrel {

namespace {

constexpr int kTitleEnd = kTitleOffset + 2 * kTitleUnits;
constexpr char32_t kReplacement = 0xFFFD;

// The code point starting at text[i], advancing i; U+FFFD for a bad sequence.
char32_t nextCodePoint(std::string_view text, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(text[i++]);
    int length = 0;
    char32_t point = 0;
    if (lead < 0x80)
        return lead;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 1;
        point = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 2;
        point = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 3;
        point = lead & 0x07;
    } else {
        return kReplacement;
    }
    for (int k = 0; k < length; ++k) {
        if (i >= text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            return kReplacement;
        point = (point << 6) | (static_cast<unsigned char>(text[i++]) & 0x3F);
    }
    const bool overlong = (length == 2 && point < 0x800) || (length == 3 && point < 0x10000);
    if (overlong || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF))
        return kReplacement;
    return point;
}

void appendUtf8(std::string& out, char32_t point) {
    if (point < 0x80) {
        out += static_cast<char>(point);
    } else if (point < 0x800) {
        out += static_cast<char>(0xC0 | (point >> 6));
        out += static_cast<char>(0x80 | (point & 0x3F));
    } else if (point < 0x10000) {
        out += static_cast<char>(0xE0 | (point >> 12));
        out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (point & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (point >> 18));
        out += static_cast<char>(0x80 | ((point >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (point & 0x3F));
    }
}

bool isHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool isLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

} // namespace

bool hasSchemeTitle(const ByteGrid& grid) {
    return grid.cellCount() >= kTitleEnd;
}

std::u16string readSchemeTitle(const ByteGrid& grid) {
    std::u16string title;
    if (!hasSchemeTitle(grid))
        return title;
    for (int cell = kTitleOffset; cell < kTitleEnd; cell += 2) {
        const auto unit = static_cast<char16_t>(grid.value(cell).value_or(0) << 8 |
                                                grid.value(cell + 1).value_or(0));
        if (unit == 0)
            break;
        title += unit;
    }
    return title;
}

TitleWrite writeSchemeTitle(ByteGrid& grid, std::u16string_view title) {
    if (title.size() > static_cast<std::size_t>(kTitleUnits))
        return TitleWrite::TooLong;
    if (!hasSchemeTitle(grid))
        return TitleWrite::NoRoom;
    for (int k = 0; k < kTitleUnits; ++k) {
        const char16_t unit =
            k < static_cast<int>(title.size()) ? title[static_cast<std::size_t>(k)] : u'\0';
        grid.writeByte(kTitleOffset + 2 * k, static_cast<std::uint8_t>(unit >> 8));
        grid.writeByte(kTitleOffset + 2 * k + 1, static_cast<std::uint8_t>(unit & 0xFF));
    }
    return TitleWrite::Written;
}

std::u16string utf8ToUtf16(std::string_view text) {
    std::u16string units;
    for (std::size_t i = 0; i < text.size();) {
        const char32_t point = nextCodePoint(text, i);
        if (point < 0x10000) {
            units += static_cast<char16_t>(point);
        } else {
            units += static_cast<char16_t>(0xD800 + ((point - 0x10000) >> 10));
            units += static_cast<char16_t>(0xDC00 + ((point - 0x10000) & 0x3FF));
        }
    }
    return units;
}

std::string utf16ToUtf8(std::u16string_view units) {
    std::string text;
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char16_t unit = units[i];
        if (isHighSurrogate(unit) && i + 1 < units.size() && isLowSurrogate(units[i + 1])) {
            appendUtf8(text, static_cast<char32_t>(0x10000 + ((unit - 0xD800) << 10) +
                                                   (units[i + 1] - 0xDC00)));
            ++i;
        } else if (isHighSurrogate(unit) || isLowSurrogate(unit)) {
            appendUtf8(text, kReplacement);
        } else {
            appendUtf8(text, unit);
        }
    }
    return text;
}

} // namespace vantrel
