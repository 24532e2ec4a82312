// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/generators/GprsTextRecord.h"

#include "core/generators/Utf16Text.h"

namespace vantrel {

std::vector<std::uint8_t> encodeGprsTextRecord(GprsDisplayMode mode,
                                               std::u16string_view customText) {
    std::vector<std::uint8_t> record(kGprsTextRecordSize, 0x00);
    switch (mode) {
    case GprsDisplayMode::AlwaysDate:
        break;
    case GprsDisplayMode::ShowNothing:
        putUtf16BigEndian(u" ", record);
        break;
    case GprsDisplayMode::CustomText:
        putUtf16BigEndian(customText.empty() ? u" " : wholeCharacters(customText, kGprsTextUnits),
                          record);
        break;
    }
    return record;
}

GprsSetting decodeGprsTextRecord(std::span<const std::uint8_t> bytes) {
    GprsSetting setting;
    if (bytes.size() < 2 || bytes[1] == 0x00)
        setting.mode = GprsDisplayMode::AlwaysDate;
    setting.text = readUtf16BigEndian(bytes, kGprsTextRecordSize);
    if (!setting.text.empty())
        setting.mode = GprsDisplayMode::CustomText;
    return setting;
}

} // namespace vantrel
