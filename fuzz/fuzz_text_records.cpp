// SPDX-License-Identifier: GPL-3.0-or-later
// The outer-screen text and GPRS text records: any bytes decode, and any
// text encodes to a record of the fixed size that decodes and saves the same.
#include "FuzzCheck.h"
#include "core/generators/GprsTextRecord.h"
#include "core/generators/OuterTextRecord.h"
#include "core/generators/Utf16Text.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    std::u16string text;
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        // A text box cannot hold U+0000, and a record ends its text there.
        const auto unit = static_cast<char16_t>(data[i] << 8 | data[i + 1]);
        if (unit != u'\0')
            text.push_back(unit);
    }

    const std::u16string outer = vantrel::decodeOuterTextRecord(bytes);
    FUZZ_CHECK(outer.size() <= vantrel::kOuterTextUnits);
    const auto record = vantrel::encodeOuterTextRecord(text);
    FUZZ_CHECK(record.size() == vantrel::kOuterTextRecordSize);
    FUZZ_CHECK(record[16] == 0 && record[17] == 0);
    for (std::size_t i = 18; i < record.size(); ++i)
        FUZZ_CHECK(record[i] == 0xFF);
    // Reopened and saved, a record keeps its text but for blanks at its ends
    // (the cut to 8 units may end in one), and from then on saves the same.
    const std::u16string saved = vantrel::decodeOuterTextRecord(record);
    const auto resaved = vantrel::encodeOuterTextRecord(saved);
    FUZZ_CHECK(vantrel::decodeOuterTextRecord(resaved) == vantrel::trimBlanks(saved));
    FUZZ_CHECK(vantrel::encodeOuterTextRecord(vantrel::decodeOuterTextRecord(resaved)) == resaved);

    const vantrel::GprsSetting loaded = vantrel::decodeGprsTextRecord(bytes);
    FUZZ_CHECK(loaded.text.size() <= vantrel::kGprsTextUnits);
    const auto mode = static_cast<vantrel::GprsDisplayMode>(size % 3);
    const auto gprs = vantrel::encodeGprsTextRecord(mode, text);
    FUZZ_CHECK(gprs.size() == vantrel::kGprsTextRecordSize);
    const vantrel::GprsSetting again = vantrel::decodeGprsTextRecord(gprs);
    FUZZ_CHECK(vantrel::encodeGprsTextRecord(again.mode, again.text) == gprs);
    return 0;
}
