// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/definitions/SeemTypeCatalog.h"

#include <gtest/gtest.h>

using namespace vantrel;

namespace {

XmlDocument parse(const char* text) {
    XmlDocument doc;
    EXPECT_TRUE(doc.loadFromString(text).ok);
    return doc;
}

} // namespace

TEST(SeemTypeCatalog, EntriesFollowDocumentOrderWithLowerCasedTypes) {
    const XmlDocument doc = parse(R"(<seems>
        <a ID="0032_0001" size="120" tip="Functions" type="Function" alert="careful"/>
        <b ID="004a_0001" size="40" tip="Styles" type="style"/>
        <c ID="0d51_0001" size="200" tip="Colours" type="COLOR"/>
    </seems>)");
    std::vector<SeemTypeEntry> catalog;
    EXPECT_FALSE(buildSeemTypeCatalog(doc.root(), catalog).has_value());
    ASSERT_EQ(catalog.size(), 3u);
    EXPECT_EQ(catalog[0].ID, "0032_0001");
    EXPECT_EQ(catalog[0].size, 120);
    EXPECT_EQ(catalog[0].type, "function");
    EXPECT_EQ(catalog[1].tip, "Styles");
    EXPECT_EQ(catalog[2].type, "color");
    for (const auto& entry : catalog)
        EXPECT_TRUE(entry.matchedPath.empty());
}

TEST(SeemTypeCatalog, MissingOrNonNumericSizeFailsAndNamesTheElement) {
    std::vector<SeemTypeEntry> catalog;
    const XmlDocument noSize = parse(
        R"(<s><a ID="x" size="4" tip="t" type="style"/><b ID="y" tip="t" type="style"/></s>)");
    const auto failure = buildSeemTypeCatalog(noSize.root(), catalog);
    ASSERT_TRUE(failure.has_value());
    EXPECT_NE(failure->message.find("2"), std::string::npos);
    EXPECT_EQ(catalog[0].ID, "x");

    const XmlDocument badSize = parse(R"(<s><a ID="x" size="12a" tip="t" type="style"/></s>)");
    EXPECT_TRUE(buildSeemTypeCatalog(badSize.root(), catalog).has_value());
}

TEST(SeemTypeCatalog, RebuildKeepsMatchedPathsOfExistingEntries) {
    std::vector<SeemTypeEntry> catalog(1);
    catalog[0].matchedPath = "/seem/0032_0001.seem";
    const XmlDocument doc = parse(R"(<s><a ID="x" size="4" tip="t" type="style"/></s>)");
    EXPECT_FALSE(buildSeemTypeCatalog(doc.root(), catalog).has_value());
    EXPECT_EQ(catalog[0].matchedPath, "/seem/0032_0001.seem");
}

TEST(SeemTypeCatalog, TypeMatchTakesSizeOrSizePlusOneAndTheFirstMatchWins) {
    const XmlDocument doc = parse(R"(<s>
        <a ID="first" size="40" tip="" type="style"/>
        <b ID="second" size="41" tip="" type="function"/>
        <c ID="broken" size="x" tip="" type="volume"/>
        <d ID="third" size="24" tip="" type="volume"/>
    </s>)");
    EXPECT_EQ(findSeemType(doc.root(), 40).attribute("ID"), "first");
    EXPECT_EQ(findSeemType(doc.root(), 41).attribute("ID"), "first");
    EXPECT_EQ(findSeemType(doc.root(), 42).attribute("ID"), "second");
    EXPECT_EQ(findSeemType(doc.root(), 25).attribute("ID"), "third");
    EXPECT_TRUE(findSeemType(doc.root(), 23).isNull());
    EXPECT_TRUE(findSeemType(doc.root(), 0).isNull());
}
