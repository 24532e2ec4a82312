// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/files/FileFilter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantrel {
namespace {

using Filters = std::vector<std::string>;

TEST(FileFilterTest, PairsBecomeDescriptionWithPatternInParentheses) {
    EXPECT_EQ(toNameFilters("Seem files|*.seem|All files|*.*"),
              (Filters{"Seem files (*.seem)", "All files (*.*)"}));
}

TEST(FileFilterTest, SemicolonSeparatedPatternsBecomeSpaceSeparated) {
    EXPECT_EQ(toNameFilters("Seem and binary|*.seem;*.bin"),
              (Filters{"Seem and binary (*.seem *.bin)"}));
    EXPECT_EQ(toNameFilters("Mixed|*.seem; *.bin;;"), (Filters{"Mixed (*.seem *.bin)"}));
}

TEST(FileFilterTest, DescriptionWithoutPatternGetsEmptyPatternList) {
    // Qt reads "()" as "no filtering"; a bare description would be taken as patterns.
    EXPECT_EQ(toNameFilters("Seem files"), (Filters{"Seem files ()"}));
    EXPECT_EQ(toNameFilters("Seem files|*.seem|All files"),
              (Filters{"Seem files (*.seem)", "All files ()"}));
    EXPECT_EQ(toNameFilters("Seem files|"), (Filters{"Seem files ()"}));
}

TEST(FileFilterTest, EmptyDescriptionEndsTheList) {
    EXPECT_TRUE(toNameFilters("").empty());
    EXPECT_TRUE(toNameFilters("|*.seem").empty());
    EXPECT_EQ(toNameFilters("Seem files|*.seem||*.bin|All|*.*"), (Filters{"Seem files (*.seem)"}));
}

TEST(FileFilterTest, DescriptionKeepsItsOwnParentheses) {
    // Qt takes the last parenthesised group as the patterns, so this still filters on *.seem.
    EXPECT_EQ(toNameFilters("Seem files (*.seem)|*.seem"),
              (Filters{"Seem files (*.seem) (*.seem)"}));
}

TEST(FileFilterTest, SavedNameWithoutExtensionGetsSeem) {
    EXPECT_EQ(withSeemSuffix("/home/a/colours"), "/home/a/colours.seem");
    EXPECT_EQ(withSeemSuffix("/home/a.b/colours"), "/home/a.b/colours.seem");
    EXPECT_EQ(withSeemSuffix("/home/a/colours.bin"), "/home/a/colours.bin");
    EXPECT_EQ(withSeemSuffix("/home/a/colours.SEEM"), "/home/a/colours.SEEM");
    EXPECT_EQ(withSeemSuffix("/home/a/colours."), "/home/a/colours.");
    EXPECT_EQ(withSeemSuffix("/home/a/"), "/home/a/");
    EXPECT_EQ(withSeemSuffix(""), "");
}

} // namespace
} // namespace vantrel
