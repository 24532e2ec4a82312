// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/editors/SeemKind.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

TEST(KindTable, EveryKindHasOneRowFoundByItsExactName) {
    for (const EditorKind kind : kEditorKinds) {
        const SeemKind& row = seemKind(kind);
        EXPECT_EQ(row.kind(), kind);
        EXPECT_FALSE(row.name().empty());
        EXPECT_EQ(editorKindOf(row.name()), kind) << row.name();
        EXPECT_NE(row.showsEditor(), row.isGenerator()) << row.name();
    }
    EXPECT_EQ(editorKindOf("Function"), EditorKind::None);
    EXPECT_EQ(editorKindOf(""), EditorKind::None);
    EXPECT_EQ(seemKind(EditorKind::None).kind(), EditorKind::None);
    EXPECT_EQ(editorKindName(EditorKind::None), "");
}

} // namespace
} // namespace vantrel
