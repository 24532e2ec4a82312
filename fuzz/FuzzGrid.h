// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/document/ByteGrid.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

// Inputs of the targets that read a type element over a file: the first byte
// sets the file length (1 to 256), the second the pattern of its bytes, and
// the rest is the definitions text. Seeds stay readable that way.
struct GridAndXml {
    vantrel::ByteGrid grid;
    std::string_view xml;
};

inline bool splitGridAndXml(const std::uint8_t* data, std::size_t size, GridAndXml& out) {
    if (size < 2)
        return false;
    const int length = data[0] + 1;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(length));
    for (int i = 0; i < length; ++i)
        bytes[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i * 37 + data[1] * 11);
    out.grid.load(bytes);
    out.xml = std::string_view(reinterpret_cast<const char*>(data) + 2, size - 2);
    return true;
}
