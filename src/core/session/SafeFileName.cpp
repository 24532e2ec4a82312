// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/session/SafeFileName.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <vector>

namespace vantrel {

namespace {

constexpr std::string_view kExtension = ".seem";
// Room for the extension within the 255 bytes most file systems allow a name.
constexpr std::size_t kLongestBase = 240;

// Characters a file system or a reader would take for something else:
// controls, the marks that turn the direction of text, invisible formats,
// private and unassigned code points.
bool hidden(char32_t c) {
    struct Range {
        char32_t first;
        char32_t last;
    };
    static constexpr std::array kRanges{
        Range{0x00, 0x1F},       Range{0x7F, 0x9F},        Range{0xAD, 0xAD},
        Range{0x600, 0x605},     Range{0x61C, 0x61C},      Range{0x6DD, 0x6DD},
        Range{0x70F, 0x70F},     Range{0x180E, 0x180E},    Range{0x200B, 0x200F},
        Range{0x2028, 0x202E},   Range{0x2060, 0x206F},    Range{0xD800, 0xF8FF},
        Range{0xFDD0, 0xFDEF},   Range{0xFEFF, 0xFEFF},    Range{0xFFF0, 0xFFFF},
        Range{0xE0000, 0xE007F}, Range{0xF0000, 0x10FFFF},
    };
    return std::any_of(kRanges.begin(), kRanges.end(),
                       [c](const Range& range) { return c >= range.first && c <= range.last; }) ||
           (c & 0xFFFE) == 0xFFFE;
}

// The length of the UTF-8 sequence at text[at] and its code point; 0 for a broken one.
std::size_t decode(std::string_view text, std::size_t at, char32_t& point) {
    const auto lead = static_cast<std::uint8_t>(text[at]);
    const std::size_t length = lead < 0x80         ? 1
                               : (lead >> 5) == 6  ? 2
                               : (lead >> 4) == 14 ? 3
                               : (lead >> 3) == 30 ? 4
                                                   : 0;
    if (length == 0 || at + length > text.size())
        return 0;
    point = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t next = 1; next < length; ++next) {
        const auto byte = static_cast<std::uint8_t>(text[at + next]);
        if ((byte >> 6) != 2)
            return 0;
        point = (point << 6) | (byte & 0x3F);
    }
    static constexpr std::array<char32_t, 5> kSmallest{0, 0, 0x80, 0x800, 0x10000};
    return point >= kSmallest[length] && point <= 0x10FFFF ? length : 0;
}

std::string withoutHidden(std::string_view text) {
    std::string kept;
    for (std::size_t at = 0; at < text.size();) {
        char32_t point = 0;
        const std::size_t length = decode(text, at, point);
        if (length == 0) {
            ++at;
            continue;
        }
        if (!hidden(point))
            kept.append(text.substr(at, length));
        at += length;
    }
    return kept;
}

bool onlyDotsAndSpaces(std::string_view part) {
    return part.find_first_not_of(". ") == std::string_view::npos;
}

// Folders go: the parts between separators are joined with "_", and "." and ".." drop out.
std::string withoutFolders(std::string_view text) {
    std::string joined;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find_first_of("/\\", start), text.size());
        const std::string_view part = text.substr(start, end - start);
        if (!onlyDotsAndSpaces(part))
            joined.append(joined.empty() ? "" : "_").append(part);
        start = end + 1;
    }
    for (char& c : joined) {
        if (std::string_view(":*?\"<>|").find(c) != std::string_view::npos)
            c = '_';
    }
    return joined;
}

std::string_view withoutOuterDotsAndSpaces(std::string_view text) {
    const std::size_t first = text.find_first_not_of(". ");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(". ") - first + 1);
}

bool endsWithExtension(std::string_view name) {
    if (name.size() < kExtension.size())
        return false;
    const std::string_view tail = name.substr(name.size() - kExtension.size());
    return std::equal(tail.begin(), tail.end(), kExtension.begin(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == b;
    });
}

// CON, PRN, AUX, NUL, COM0-9 and LPT0-9 (also with superscript digits) name
// devices on Windows, with any extension after them.
bool deviceName(std::string_view base) {
    std::string stem(withoutOuterDotsAndSpaces(base.substr(0, base.find('.'))));
    std::transform(stem.begin(), stem.end(), stem.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (stem == "CON" || stem == "PRN" || stem == "AUX" || stem == "NUL" || stem == "CONIN$" ||
        stem == "CONOUT$")
        return true;
    if (stem.size() < 4 || (stem.compare(0, 3, "COM") != 0 && stem.compare(0, 3, "LPT") != 0))
        return false;
    const std::string_view digit = std::string_view(stem).substr(3);
    return (digit.size() == 1 && std::isdigit(static_cast<unsigned char>(digit[0]))) ||
           digit == "\u00B9" || digit == "\u00B2" || digit == "\u00B3";
}

// At most limit bytes, cut between two characters.
std::string_view shortened(std::string_view text, std::size_t limit) {
    if (text.size() <= limit)
        return text;
    std::size_t cut = limit;
    while (cut > 0 && (static_cast<std::uint8_t>(text[cut]) >> 6) == 2)
        --cut;
    return text.substr(0, cut);
}

} // namespace

std::string safeSeemFileName(std::string_view typed, std::string_view fallback) {
    const std::string name = withoutFolders(withoutHidden(typed));
    const bool hasExtension = endsWithExtension(name);
    const std::string_view extension =
        hasExtension ? std::string_view(name).substr(name.size() - kExtension.size()) : kExtension;
    std::string base(withoutOuterDotsAndSpaces(
        std::string_view(name).substr(0, name.size() - (hasExtension ? kExtension.size() : 0))));
    if (deviceName(base))
        base.insert(0, "_");
    base = std::string(withoutOuterDotsAndSpaces(shortened(base, kLongestBase)));
    if (base.empty())
        return fallback.empty() ? std::string("vantrel") + std::string(kExtension)
                                : safeSeemFileName(fallback);
    return base + std::string(extension);
}

} // namespace vantrel
