// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/editors/SeemKind.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

TEST(KindTable, EveryKindHasOneRowFoundByItsExactName) {
    for (const auto& [kind, name] : kEditorKindNames) {
        const SeemKind& row = seemKind(kind);
        EXPECT_EQ(row.kind(), kind);
        EXPECT_EQ(row.name(), name);
        EXPECT_EQ(editorKindOf(name), kind) << name;
        EXPECT_NE(row.showsEditor(), row.isGenerator()) << row.name();
    }
    EXPECT_EQ(editorKindOf("Function"), EditorKind::None);
    EXPECT_EQ(editorKindOf(""), EditorKind::None);
    EXPECT_EQ(seemKind(EditorKind::None).kind(), EditorKind::None);
    EXPECT_EQ(editorKindName(EditorKind::None), "");
}

} // namespace
} // namespace vantrel
