// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/document/CellStatus.h"

#include "core/base/BitHelpers.h"
#include "core/i18n/BuiltinStrings.h"
#include "core/i18n/UiStrings.h"

#include <cstdint>
#include <optional>

namespace vantrel {

namespace {

constexpr const char* kUnknownValue = "?";

// One or two hexadecimal digits, the only texts every reader accepts as a byte.
std::optional<std::uint8_t> cellByte(std::string_view cellText) {
    if (cellText.size() > 2)
        return std::nullopt;
    const auto value = parseHex(cellText);
    if (!value)
        return std::nullopt;
    return static_cast<std::uint8_t>(*value);
}

} // namespace

std::string cellStatusText(int byteIndex, std::string_view cellText, const UiStrings& strings) {
    const auto value = cellByte(cellText);
    const std::string decimal = value ? std::to_string(*value) : kUnknownValue;
    const std::string binary = value ? toBinary(*value) : kUnknownValue;

    std::string status;
    status += strings.get(UiString::CellOffset) + ": " +
              toHex(static_cast<std::uint32_t>(byteIndex)) + " (" + std::to_string(byteIndex) + ")";
    status += strings.get(UiString::CellHex) + ": " + std::string(cellText);
    status += strings.get(UiString::CellDecimal) + ": " + decimal;
    status += strings.get(UiString::CellBinary) + ": " + binary;
    return status;
}

} // namespace vantrel
