// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/editors/EditorModel.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace vantrel {
namespace {

// Two rows share a name, and a third one's ID holds a "#" of its own.
TEST(SettingNameIndexTest, ARepeatedNameIsPickedByItsNumberOnly) {
    XmlDocument doc;
    ASSERT_TRUE(doc.loadFromString(R"(<seem type="style">
        <i ID="Mode B" offset="1" val1="1" val2="0"/>
        <i ID="Mode B" offset="2" val1="1" val2="0"/>
        <i ID="Tone#1" offset="3" val1="1" val2="0"/>
    </seem>)")
                    .ok);
    ByteGrid grid;
    grid.load(std::vector<std::uint8_t>(4, 0));
    FunctionTreeBuilder builder;
    const EditorModel model = buildEditorModel(doc.root(), "style", grid, builder);
    const SettingNameIndex names(model);

    const SettingNameIndex::Pick twice = names.pick(SettingKind::Style, "Mode B");
    EXPECT_FALSE(twice.key);
    EXPECT_EQ(twice.problem, R"(Mode B names 2 style items; give one of: "Mode B#1", "Mode B#2")");
    EXPECT_EQ(names.pick(SettingKind::Style, "Mode B#2").key, model.styles.rows[1].key);
    EXPECT_EQ(names.pick(SettingKind::Style, "Mode B#3").problem, "no style Mode B#3");
    EXPECT_EQ(names.pick(SettingKind::Style, "Tone#1").key, model.styles.rows[2].key);
    EXPECT_FALSE(names.pick(SettingKind::Style, "Tone").key);
    EXPECT_FALSE(names.pick(SettingKind::Switch, "Mode B#1").key);
}

} // namespace
} // namespace vantrel
