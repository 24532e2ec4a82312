// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/document/OffsetInput.h"

namespace vantrel {

namespace {

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

int digitValue(char c, int radix) {
    int value = radix;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    return value < radix ? value : -1;
}

} // namespace

OffsetInput parseOffset(std::string_view typed, OffsetBase base, int cellCount) {
    std::string_view digits = trimmed(typed);
    const int radix = base == OffsetBase::Hexadecimal ? 16 : 10;
    if (radix == 16 && digits.size() > 2 && digits[0] == '0' &&
        (digits[1] == 'x' || digits[1] == 'X'))
        digits.remove_prefix(2);
    if (digits.empty())
        return {};

    // Past the last cell the exact value no longer matters; stopping there
    // keeps a long run of digits from overflowing.
    const long long end = cellCount < 0 ? 0 : cellCount;
    long long offset = 0;
    for (const char c : digits) {
        const int digit = digitValue(c, radix);
        if (digit < 0)
            return {};
        if (offset < end)
            offset = offset * radix + digit;
    }
    if (offset >= end)
        return {OffsetInput::Status::BeyondEnd};
    return {OffsetInput::Status::Ok, static_cast<int>(offset)};
}

} // namespace vantrel
