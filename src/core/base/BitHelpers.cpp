// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/base/BitHelpers.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <limits>

namespace vantrel {

std::string fileExtension(std::string_view path) {
    const auto dot = path.rfind('.');
    if (dot == std::string_view::npos)
        return {};
    return std::string(path.substr(dot + 1));
}

std::int32_t fromBinary(std::string_view bits) {
    constexpr std::int32_t kLargest = std::numeric_limits<std::int32_t>::max();
    std::int32_t value = 0;
    for (const char digit : bits) {
        if (value > (kLargest - 1) / 2)
            return kLargest;
        value = value * 2 + (digit == '1' ? 1 : 0);
    }
    return value;
}

std::string toBinary(std::int32_t n) {
    if (n < 0)
        n = 0;
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + n % 2));
        n /= 2;
    } while (n > 0);
    if (digits.size() < 8)
        digits.insert(0, 8 - digits.size(), '0');
    return digits;
}

std::string padToTwoDigits(std::string_view s) {
    if (s.size() == 1)
        return "0" + std::string(s);
    return std::string(s);
}

bool isBitSet(std::string_view hex, int n) {
    const auto value = parseHex(hex);
    if (!value || n < 0 || n > 7)
        return false;
    return ((*value >> n) & 1U) != 0;
}

std::string setBitInHex(std::string_view hex, int n, bool on) {
    const std::uint32_t value = parseHex(hex).value_or(0);
    const std::uint32_t mask = (n >= 0 && n <= 7) ? (1U << n) : 0U;
    const std::uint32_t result = on ? (value | mask) : (value & ~mask);
    return padToTwoDigits(toHex(result));
}

std::optional<std::uint32_t> parseHex(std::string_view text) {
    if (text.empty() || text.size() > 8)
        return std::nullopt;
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<std::int64_t> parseDecimal(std::string_view text) {
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 10);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string toHex(std::uint32_t value) {
    char buffer[16];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, 16);
    std::string text(buffer, end);
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

std::string byteToHex(std::uint8_t value) {
    return padToTwoDigits(toHex(value));
}

} // namespace vantrel
