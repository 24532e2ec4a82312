// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/editors/DecimalText.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <system_error>

namespace vantrel {

#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L

namespace {

std::optional<double> parse(std::string_view text, std::chars_format format) {
    double value = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, format);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace

std::optional<double> parseFixedDecimal(std::string_view text) {
    return parse(text, std::chars_format::fixed);
}

std::optional<double> parseGeneralDecimal(std::string_view text) {
    return parse(text, std::chars_format::general);
}

#else

namespace {

bool equalsIgnoringCase(std::string_view text, std::string_view lower) {
    if (text.size() != lower.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) != lower[i])
            return false;
    }
    return true;
}

// The digits as an integer and a power of ten, scaled once in long double:
// the same double as from_chars for every text a person types.
std::optional<double> parse(std::string_view text, bool general) {
    bool negative = false;
    if (!text.empty() && text.front() == '-') {
        negative = true;
        text.remove_prefix(1);
    }
    if (general && (equalsIgnoringCase(text, "inf") || equalsIgnoringCase(text, "infinity")))
        return negative ? -HUGE_VAL : HUGE_VAL;
    if (general && equalsIgnoringCase(text, "nan"))
        return std::nan("");
    long double digits = 0;
    long exponent = 0;
    bool anyDigit = false;
    bool point = false;
    std::size_t at = 0;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (c == '.' && !point) {
            point = true;
        } else if (c >= '0' && c <= '9') {
            digits = digits * 10 + (c - '0');
            exponent -= point ? 1 : 0;
            anyDigit = true;
        } else {
            break;
        }
    }
    if (!anyDigit)
        return std::nullopt;
    if (at < text.size() && general && (text[at] == 'e' || text[at] == 'E')) {
        std::string_view power = text.substr(at + 1);
        bool negativePower = false;
        if (!power.empty() && (power.front() == '+' || power.front() == '-')) {
            negativePower = power.front() == '-';
            power.remove_prefix(1);
        }
        if (power.empty())
            return std::nullopt;
        long value = 0;
        for (const char c : power) {
            if (c < '0' || c > '9')
                return std::nullopt;
            value = std::min(value * 10 + (c - '0'), 100000L);
        }
        exponent += negativePower ? -value : value;
        at = text.size();
    }
    if (at != text.size())
        return std::nullopt;
    const long double value = digits * std::pow(10.0L, static_cast<long double>(exponent));
    return static_cast<double>(negative ? -value : value);
}

} // namespace

std::optional<double> parseFixedDecimal(std::string_view text) {
    return parse(text, false);
}

std::optional<double> parseGeneralDecimal(std::string_view text) {
    return parse(text, true);
}

#endif

} // namespace vantrel
