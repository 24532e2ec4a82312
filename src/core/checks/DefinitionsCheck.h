// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/base/DefinitionProblems.h"
#include "core/xml/XmlDocument.h"

#include <string>

namespace vantrel {

// Everything in a definitions document that the program would skip or misread:
// type elements the catalog refuses, types shadowed by an earlier one through
// the size or size - 1 rule, sizes no seem file can have, and every item the
// editor of its type leaves out, found by building that editor on a file of
// the type's size.
[[nodiscard]] DefinitionProblems checkDefinitions(const XmlDocument& definitions);

// The languages of language.xml that cannot be used: no "text" or "function",
// or a definitions document that is not a file in folder.
[[nodiscard]] DefinitionProblems checkLanguageFile(const XmlDocument& languages,
                                                   const std::string& folder);

} // namespace vantrel
