// SPDX-License-Identifier: GPL-3.0-or-later
// The byte and bit helpers on any text and number: defined results, round
// trips, and one bit per change.
#include "FuzzCheck.h"
#include "core/base/BitHelpers.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cctype>
#include <cstdint>
#include <string>

namespace {

bool isUpperHex(const std::string& text) {
    for (const char c : text) {
        if (!std::isxdigit(static_cast<unsigned char>(c)) ||
            std::islower(static_cast<unsigned char>(c)))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const int bit = input.ConsumeIntegralInRange(-2, 9);
    const bool on = input.ConsumeBool();
    const auto number = input.ConsumeIntegral<std::int32_t>();
    const std::string text = input.ConsumeRemainingBytesAsString();

    const std::string extension = vantrel::fileExtension(text);
    FUZZ_CHECK(extension.find('.') == std::string::npos);
    FUZZ_CHECK(text.ends_with(extension));

    const std::int32_t value = vantrel::fromBinary(text);
    FUZZ_CHECK(value >= 0);
    const std::string bits = vantrel::toBinary(number);
    FUZZ_CHECK(bits.size() >= 8 && bits.find_first_not_of("01") == std::string::npos);
    if (number >= 0)
        FUZZ_CHECK(vantrel::fromBinary(bits) == number);

    const std::string padded = vantrel::padToTwoDigits(text);
    FUZZ_CHECK(padded == (text.size() == 1 ? "0" + text : text));

    const auto hex = vantrel::parseHex(text);
    if (hex) {
        FUZZ_CHECK(vantrel::parseHex(vantrel::toHex(*hex)) == hex);
        FUZZ_CHECK(isUpperHex(vantrel::toHex(*hex)));
    }
    if (hex && *hex <= 0xFF) {
        const std::string changed = vantrel::setBitInHex(text, bit, on);
        const auto after = vantrel::parseHex(changed);
        FUZZ_CHECK(changed.size() == 2 && isUpperHex(changed) && after);
        if (bit >= 0 && bit <= 7) {
            FUZZ_CHECK(vantrel::isBitSet(changed, bit) == on);
            FUZZ_CHECK((*after & ~(1U << bit)) == (*hex & ~(1U << bit)));
            FUZZ_CHECK(vantrel::isBitSet(text, bit) == (((*hex >> bit) & 1U) != 0));
        } else {
            FUZZ_CHECK(changed == vantrel::byteToHex(static_cast<std::uint8_t>(*hex)));
            FUZZ_CHECK(!vantrel::isBitSet(text, bit));
        }
    }
    if (const auto decimal = vantrel::parseDecimal(text))
        FUZZ_CHECK(text.find_first_not_of("+-0123456789") == std::string::npos);
    return 0;
}
