// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Failure.h"
#include "core/xml/XmlDocument.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vantrel {

// One known seem type of the definitions document, identified by its size.
struct SeemTypeEntry {
    std::string ID;
    std::int32_t size = 0;
    std::string tip;
    std::string type; // lower case
    std::string matchedPath;
};

// What keeps a type element out of the catalog: a missing "ID", "size", "tip"
// or "type", or a size that is not a number; nothing when it is usable.
[[nodiscard]] std::optional<Failure> seemTypeProblem(const XmlElement& element);

// Fills catalog from the type elements under root, in document order, keeping
// the entries it already had beyond the ones it rewrites. Returns what is
// wrong with the first bad element (a missing attribute, a size that is no
// number); entries before it are filled.
std::optional<Failure> buildSeemTypeCatalog(const XmlElement& root,
                                            std::vector<SeemTypeEntry>& catalog);

// A type element whose "size" fits a file length: equal to it, or one less.
struct SeemTypeMatch {
    std::size_t index = 0; // position among the type elements
    XmlElement element;
    bool exactSize = false; // false: the file is one byte longer than "size"
};

// Every type element that fits fileLength, in document order; opening takes the first.
[[nodiscard]] std::vector<SeemTypeMatch> matchingSeemTypes(const XmlElement& root,
                                                           std::size_t fileLength);

// The first type element whose "size" equals fileLength or fileLength - 1.
[[nodiscard]] XmlElement findSeemType(const XmlElement& root, std::size_t fileLength);

} // namespace vantrel
