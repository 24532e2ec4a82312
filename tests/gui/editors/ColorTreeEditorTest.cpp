// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/editors/ColorTreeEditor.h"

#include "gui/NamedChild.h"
#include "gui/TestSession.h"
#include "gui/editors/PhoneScreenPreview.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace vantrel {
namespace {

using testing::namedChild;

class ColorTreeEditorTest : public ::testing::Test {
  protected:
    void SetUp() override {
        tree = new ColorTreeEditor(test.session);
        tree->resize(300, 300);
        tree->show();
    }
    void TearDown() override { delete tree; }

    // Opens a 72-byte colour file with these groups; true when the tree could
    // show every entry.
    bool load(const char* groups) {
        const std::string definitions =
            std::string(R"(<seems><seem ID="c" size="72" type="color">)") + groups +
            "</seem></seems>";
        return !test.open(definitions, bytes).message;
    }

    void click(const char* key) {
        QTreeWidgetItem* item = tree->itemByKey(QString::fromLatin1(key));
        ASSERT_NE(item, nullptr) << key;
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                          tree->visualItemRect(item).center());
    }

    std::vector<std::uint8_t> bytes = std::vector<std::uint8_t>(0x48);
    testing::TestSession test;
    ColorTreeEditor* tree = nullptr;
};

TEST_F(ColorTreeEditorTest, GroupsAndEntriesAreNodesAndClicksNameTheEntry) {
    // 1A4 lies beyond this 72-byte file.
    EXPECT_FALSE(load(R"(
        <group ID="Screen"><c ID="Back" offset="40"/><c ID="Text" offset="1A4"/></group>
        <group ID="Menus"><c ID="Menu" offset="10"/></group>
    )"));

    ASSERT_EQ(tree->topLevelItemCount(), 2);
    QTreeWidgetItem* screen = tree->itemByKey(QStringLiteral("f_0"));
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->text(0), QStringLiteral("Screen"));
    EXPECT_EQ(ColorTreeEditor::itemImageKey(screen), QStringLiteral("folder"));
    ASSERT_EQ(screen->childCount(), 1);
    EXPECT_EQ(ColorTreeEditor::itemKey(screen->child(0)), QStringLiteral("c_40"));
    EXPECT_EQ(ColorTreeEditor::itemImageKey(screen->child(0)), QStringLiteral("node"));

    QSignalSpy clicked(tree, &ColorTreeEditor::nodeClicked);
    click("c_40");
    click("f_1");
    click("c_10");
    ASSERT_EQ(clicked.count(), 3);
    EXPECT_EQ(clicked.at(0).at(0).toString(), QStringLiteral("c_40"));
    EXPECT_EQ(clicked.at(1).at(0).toString(), QString());
    EXPECT_EQ(clicked.at(2).at(0).toString(), QStringLiteral("c_10"));

    // Loading again starts afresh and reports nothing for a sound definition.
    ASSERT_TRUE(load(R"(<group ID="Only"><c ID="Back" offset="0"/></group>)"));
    EXPECT_EQ(tree->topLevelItemCount(), 1);
    EXPECT_EQ(clicked.count(), 3);
}

TEST_F(ColorTreeEditorTest, EachEntryShowsItsOwnColourAndFollowsItsCells) {
    bytes[0x40] = 0xFF;
    ASSERT_TRUE(load(R"(<group ID="G"><c ID="Red" offset="40"/><c ID="Blue" offset="10"/>
        </group>)"));
    const auto centre = [&](const char* key) {
        return tree->itemByKey(QString::fromLatin1(key))
            ->icon(0)
            .pixmap(16, 16)
            .toImage()
            .pixelColor(8, 8);
    };
    EXPECT_EQ(centre("c_40"), QColor(255, 0, 0));
    EXPECT_EQ(centre("c_10"), QColor(0, 0, 0));

    test.type(0x12, "FF");
    EXPECT_EQ(centre("c_10"), QColor(0, 0, 255));
    // A fully transparent colour lets the ground show through.
    test.type(0x43, "FF");
    EXPECT_NE(centre("c_40"), QColor(255, 0, 0));
}

TEST_F(ColorTreeEditorTest, ThePreviewSitsBelowTheEntriesWithoutCoveringThem) {
    ASSERT_TRUE(load(R"(<group ID="G"><c ID="Red" offset="40" role="background"/>
        </group>)"));
    tree->resize(200, 500);
    const PhoneScreenPreview* preview = namedChild<PhoneScreenPreview>(tree, "picPreview");
    ASSERT_NE(preview, nullptr);
    ASSERT_TRUE(preview->isVisible());
    EXPECT_LE(tree->viewport()->geometry().bottom(), preview->geometry().top());
    EXPECT_LE(preview->geometry().bottom(), tree->contentsRect().bottom());
}

TEST_F(ColorTreeEditorTest, EntriesAndTheirBytesTellScreenReadersTheirColour) {
    ASSERT_TRUE(load(R"(<group ID="Screen"><c ID="Back" offset="10"/></group>)"));
    test.type(0x10, "0B3D5C80");
    const QTreeWidgetItem* entry = tree->itemByKey(QStringLiteral("c_10"));
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->data(0, Qt::AccessibleDescriptionRole).toString(),
              "#0B3D5C, transparency 50 %");
    EXPECT_EQ(tree->cellDescription(0x13), "Back: #0B3D5C, transparency 50 %");
    EXPECT_EQ(tree->cellDescription(0x14), "");
    EXPECT_FALSE(tree->topLevelItem(0)->data(0, Qt::AccessibleDescriptionRole).isValid());
}

TEST_F(ColorTreeEditorTest, ScreenReadersHearOnlyGroupsAsOpen) {
    ASSERT_TRUE(load(R"(<group ID="Screen"><c ID="Back" offset="10"/></group>
        <group ID="Keys"><c ID="Text" offset="14"/></group>)"));
    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(tree);
    QAccessibleInterface* group = view->child(1);
    QAccessibleInterface* entry = view->child(2);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(group->text(QAccessible::Name), "Screen");
    EXPECT_TRUE(group->state().expandable);
    EXPECT_TRUE(group->state().expanded);
    EXPECT_EQ(entry->text(QAccessible::Name), "Back");
    EXPECT_FALSE(entry->state().expandable);
    EXPECT_FALSE(entry->state().expanded);
}

} // namespace
} // namespace vantrel
