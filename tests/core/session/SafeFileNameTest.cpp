// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/session/SafeFileName.h"

#include <gtest/gtest.h>

#include <string>

using vantrel::safeSeemFileName;

TEST(SafeFileNameTest, KeepsAnOrdinaryNameAndAddsTheExtension) {
    EXPECT_EQ(safeSeemFileName("0032_0001.seem"), "0032_0001.seem");
    EXPECT_EQ(safeSeemFileName("backup"), "backup.seem");
    EXPECT_EQ(safeSeemFileName("phone.v2"), "phone.v2.seem");
    EXPECT_EQ(safeSeemFileName("Backup.SEEM"), "Backup.SEEM");
    EXPECT_EQ(safeSeemFileName("手机 备份"), "手机 备份.seem");
}

TEST(SafeFileNameTest, LeavesNoFolderNorCharacterAFileSystemRefuses) {
    EXPECT_EQ(safeSeemFileName("../../evil"), "evil.seem");
    EXPECT_EQ(safeSeemFileName("a/b\\c.seem"), "a_b_c.seem");
    EXPECT_EQ(safeSeemFileName("what?:*<x>|\"y\""), "what____x___y_.seem");
    EXPECT_EQ(safeSeemFileName("  ..hidden. . "), "hidden.seem");
    EXPECT_EQ(safeSeemFileName("tab\there\x7f\x01"), "tabhere.seem");
    // Turning the text's direction would show "evil" as something else.
    EXPECT_EQ(safeSeemFileName("evil\u202Emees.exe"), "evilmees.exe.seem");
    EXPECT_EQ(safeSeemFileName("a\u2066b\u200Fc\uFEFF"), "abc.seem");
    EXPECT_EQ(safeSeemFileName("broken\xC3(\xFF"), "broken(.seem");
}

TEST(SafeFileNameTest, NeverNamesAWindowsDevice) {
    EXPECT_EQ(safeSeemFileName("CON"), "_CON.seem");
    EXPECT_EQ(safeSeemFileName("com1.seem"), "_com1.seem");
    EXPECT_EQ(safeSeemFileName("LPT9.backup"), "_LPT9.backup.seem");
    EXPECT_EQ(safeSeemFileName("nul "), "_nul.seem");
    EXPECT_EQ(safeSeemFileName("CONSOLE"), "CONSOLE.seem");
    EXPECT_EQ(safeSeemFileName("COM10"), "COM10.seem");
}

TEST(SafeFileNameTest, FallsBackWhereNothingIsLeftAndStaysShort) {
    EXPECT_EQ(safeSeemFileName(".seem", "0032_0001.seem"), "0032_0001.seem");
    EXPECT_EQ(safeSeemFileName("../..", "../0a1c_0001.seem"), "0a1c_0001.seem");
    EXPECT_EQ(safeSeemFileName("", ""), "vantrel.seem");
    EXPECT_EQ(safeSeemFileName(std::string(2000, 'x')), std::string(240, 'x') + ".seem");
    // Cut between characters, never inside one.
    std::string wide = "a";
    for (int i = 0; i < 200; ++i)
        wide += "é";
    const std::string shortened = safeSeemFileName(wide);
    EXPECT_EQ(shortened, std::string(wide, 0, 239) + ".seem");
}
