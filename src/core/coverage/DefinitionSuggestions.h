// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/document/ByteGrid.h"
#include "core/i18n/UiStrings.h"
#include "core/xml/XmlDocument.h"

#include <string>
#include <vector>

// Definitions written from a difference: a modder changes one option on the
// phone, compares the files from before and after, and gets the elements that
// would describe the bits that changed, ready to paste under the type.
namespace vantrel {

struct SuggestedElement {
    int cell = 0;
    int bit = -1;    // -1: the element stands for the whole byte
    std::string xml; // one element on one line, no indentation
};

struct DefinitionSuggestions {
    // False when the type's editor has no item for one bit or one byte
    // (volume, colour and text types); elements is then empty.
    bool supported = true;
    std::vector<SuggestedElement> elements;
};

// The elements for every bit in which theirs differs from ours where no item
// of the type reads: a function switch per changed bit, a style row (val1 the
// other file's byte, val2 ours) per changed byte. Cells beyond the shorter
// file are left out.
[[nodiscard]] DefinitionSuggestions suggestDefinitions(const XmlElement& type,
                                                       const std::string& typeName,
                                                       const ByteGrid& ours, const ByteGrid& theirs,
                                                       const UiStrings& strings);

// The suggestions as text to paste: an XML comment naming the type and where
// it is defined, then one element a line; or the sentence saying why there is
// nothing to paste.
[[nodiscard]] std::string suggestionText(const DefinitionSuggestions& suggestions,
                                         const XmlElement& type, const std::string& typeName,
                                         int typeLine, const std::string& definitionsName,
                                         const UiStrings& strings);

} // namespace vantrel
