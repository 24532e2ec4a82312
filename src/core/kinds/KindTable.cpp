// SPDX-License-Identifier: GPL-3.0-or-later
// The one table of seem kinds: a new kind is a class of its own and a row here.
#include "core/kinds/Kinds.h"

#include <array>
#include <functional>

namespace vantrel {

namespace {

using KindClass = const SeemKind& (*)();

constexpr std::array<KindClass, kEditorKindNames.size()> kKinds = {
    kinds::functionKind, kinds::styleKind,     kinds::volumeKind,
    kinds::colorKind,    kinds::outerTextKind, kinds::gprsKind,
};

} // namespace

const SeemKind& seemKind(EditorKind kind) {
    for (const KindClass row : kKinds) {
        if (row().kind() == kind)
            return row();
    }
    return kinds::noKind();
}

bool isEditor(EditorKind kind) {
    return seemKind(kind).showsEditor();
}

bool isGenerator(EditorKind kind) {
    return seemKind(kind).isGenerator();
}

} // namespace vantrel
