// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/xml/XmlDocument.h"

#include <string>
#include <vector>

namespace vantrel {

// An element of a definitions document that an editor leaves out or cannot
// read as written, and why. The editors note these as they build, so the
// definitions checker reports exactly what they skip.
// An error is something an editor skips or misreads; a warning is legal but
// likely not what the author meant (a shadowed type, a repeated ID).
enum class ProblemSeverity { Error, Warning };

struct DefinitionProblem {
    XmlElement element;
    std::string text;
    ProblemSeverity severity = ProblemSeverity::Error;
};

using DefinitionProblems = std::vector<DefinitionProblem>;

inline void noteProblem(DefinitionProblems* problems, const XmlElement& element, std::string text) {
    if (problems != nullptr)
        problems->push_back({element, std::move(text), ProblemSeverity::Error});
}

inline void noteWarning(DefinitionProblems* problems, const XmlElement& element, std::string text) {
    if (problems != nullptr)
        problems->push_back({element, std::move(text), ProblemSeverity::Warning});
}

} // namespace vantrel
