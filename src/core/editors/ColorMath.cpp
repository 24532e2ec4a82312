// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/editors/ColorMath.h"

#include "core/base/BitHelpers.h"
#include "core/editors/DecimalText.h"

#include <cctype>
#include <cmath>
#include <cstdio>

namespace vantrel {

static_assert(percentFromByte(0x80) == 50 && percentFromByte(0xFF) == 100);
static_assert(percentFromByte(0x7F) == 49);

namespace {

std::string_view withoutOuterBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

// The text as a finite decimal number; 0 for anything else.
double percentValue(std::string_view text) {
    text = withoutOuterBlanks(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    const auto value = parseFixedDecimal(text);
    if (!value || !std::isfinite(*value))
        return 0;
    return *value;
}

// hundredths / 100 rounded to the nearest integer, ties to the even one.
long long roundHundredthsHalfEven(long long hundredths) {
    long long whole = hundredths / 100;
    long long rest = hundredths % 100;
    if (rest < 0) {
        rest += 100;
        whole -= 1;
    }
    if (rest > 50 || (rest == 50 && whole % 2 != 0))
        whole += 1;
    return whole;
}

} // namespace

std::string colorHexText(Rgb color) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", color.red, color.green, color.blue);
    return text;
}

std::optional<Rgb> rgbFromHexText(std::string_view text) {
    text = withoutOuterBlanks(text);
    if (!text.empty() && text.front() == '#')
        text.remove_prefix(1);
    if (text.size() != 6)
        return std::nullopt;
    for (const char c : text) {
        // from_chars would take a sign or stop early; only hex digits make a colour.
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return std::nullopt;
    }
    const auto value = parseHex(text);
    if (!value)
        return std::nullopt;
    return Rgb{static_cast<std::uint8_t>(*value >> 16), static_cast<std::uint8_t>(*value >> 8),
               static_cast<std::uint8_t>(*value)};
}

TransparencyInput transparencyFromText(std::string_view text) {
    const double scaled = std::floor(percentValue(text) * 255);
    // Far outside the byte range the exact value no longer matters.
    if (scaled > 100000)
        return {0xFF, "100"};
    if (scaled < -100000)
        return {0x00, "0"};
    const long long byte = roundHundredthsHalfEven(static_cast<long long>(scaled));
    if (byte > 255)
        return {0xFF, "100"};
    if (byte < 0)
        return {0x00, "0"};
    return {static_cast<std::uint8_t>(byte), std::nullopt};
}

} // namespace vantrel
