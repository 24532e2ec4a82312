// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/editors/SettingText.h"

#include "core/base/BitHelpers.h"
#include "core/editors/DecimalText.h"

#include <cstdio>

namespace vantrel {

std::string onOff(bool on) {
    return on ? "on" : "off";
}

std::optional<bool> parseOnOff(const std::string& word) {
    if (word == "on")
        return true;
    if (word == "off")
        return false;
    return std::nullopt;
}

std::string rgbText(const ColorRecord& record) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", record.red, record.green, record.blue);
    return text;
}

std::optional<Rgb> parseRgb(std::string text) {
    if (!text.empty() && text[0] == '#')
        text.erase(0, 1);
    const auto value = text.size() == 6 ? parseHex(text) : std::nullopt;
    if (!value)
        return std::nullopt;
    return Rgb{static_cast<std::uint8_t>(*value >> 16), static_cast<std::uint8_t>(*value >> 8),
               static_cast<std::uint8_t>(*value)};
}

bool isPercentage(const std::string& text) {
    const auto value = parseFixedDecimal(text);
    return value && *value >= 0 && *value <= 100;
}

// The shortest percentage the transparency box turns into byte.
std::string percentageFor(std::uint8_t byte) {
    for (int scale : {1, 10, 100}) {
        for (int n = 0; n <= 100 * scale; ++n) {
            char text[16];
            std::snprintf(text, sizeof text, "%.*f",
                          scale == 1    ? 0
                          : scale == 10 ? 1
                                        : 2,
                          static_cast<double>(n) / scale);
            if (transparencyFromText(text).byte == byte)
                return text;
        }
    }
    return std::to_string(percentFromByte(byte));
}

} // namespace vantrel
