// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The GPRS date text seem file: 26 bytes that tell the phone's main screen to
// show the date, nothing, or a text of at most 13 UTF-16 code units (big-endian,
// zero-padded, no terminator when it fills the record).
namespace vantrel {

inline constexpr std::size_t kGprsTextRecordSize = 26;
inline constexpr std::size_t kGprsTextUnits = 13;

enum class GprsDisplayMode { AlwaysDate, ShowNothing, CustomText };

struct GprsSetting {
    GprsDisplayMode mode = GprsDisplayMode::ShowNothing;
    std::u16string text; // the custom text, as a record holds it

    bool operator==(const GprsSetting&) const = default;
};

// The record for mode. AlwaysDate is all zeros; ShowNothing is one blank
// (00 20); CustomText holds customText untrimmed, as many whole characters as
// fit 13 code units, and an empty text gives the ShowNothing record.
[[nodiscard]] std::vector<std::uint8_t> encodeGprsTextRecord(GprsDisplayMode mode,
                                                             std::u16string_view customText);

// The setting a record loads as: a record whose second byte is 0x00 is
// AlwaysDate, and any record that holds a text is CustomText with it, so a
// ShowNothing record loads as CustomText holding one blank (it saves the same).
// Bytes beyond the record's 26 are not read; missing ones count as 0x00.
[[nodiscard]] GprsSetting decodeGprsTextRecord(std::span<const std::uint8_t> bytes);

} // namespace vantrel
