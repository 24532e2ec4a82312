// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace vantrel {

// The English string table compiled into the program, used for any string that
// language.xml does not supply (a missing or broken language file).
[[nodiscard]] const std::vector<std::string>& builtinEnglishStrings();

// Numbers of the strings beyond the classic table 0..43.
enum ExtraString : int {
    StrReadFailed = 44,    // "%1" path, "%2" reason
    StrEmptyFile = 45,     // "%1" path
    StrSaveFailed = 46,    // "%1" path, "%2" reason
    StrInvalidCell = 47,   // "%1" offset in decimal, "%2" offset in hex
    StrMalformedXml = 48,  // "%1" path, "%2" parser message, "%3" line
    StrStartupFailed = 49, // "%1" description
    StrUndoTyping = 50,
    StrUndoSwitch = 51,
    StrUndoStyle = 52,
    StrUndoMenu = 53,       // "%1" step name
    StrRedoMenu = 54,       // "%1" step name
    StrAskSaveChanges = 55, // "%1" path
    StrAskReload = 56,      // "%1" path
    StrButtonSave = 57,
    StrButtonDiscard = 58,
    StrButtonCancel = 59,
    StrButtonReload = 60,
    StrRecentFilesEmpty = 61,
    StrRecentFileMissing = 62, // "%1" path
    StrUndoVolume = 63,
    StrUndoVolumeReset = 64,
    StrUndoColor = 65,
    StrUndoTitle = 66,
    StrLanguageUnusable = 67, // "%1" language number
    StrGoToOffsetMenu = 68,
    StrGoToOffsetTitle = 69,
    StrGoToOffsetPrompt = 70,
    StrOffsetHexadecimal = 71,
    StrOffsetDecimal = 72,
    StrOffsetNotHex = 73,     // "%1" text typed
    StrOffsetNotDecimal = 74, // "%1" text typed
    StrOffsetBeyondEnd = 75,  // "%1" text typed, "%2" last offset, "%3" last offset in hex
    StrDroppedSeveral = 76,   // "%1" count, "%2" path opened
    StrNoSuchFile = 77,       // "%1" path
    StrExtraArguments = 78,   // "%1" arguments ignored
    StrDiffOn = 79,
    StrDiffOff = 80,
    StrDiffTitle = 81,
    StrDiffOuterText = 82,
    StrDiffGprsText = 83,
    StrDiffGprsDate = 84,
    StrDiffGprsNothing = 85,
    StrDiffUndescribedRange = 86, // %1 first offset, %2 last offset
    StrDiffUndescribedByte = 87,  // %1 offset
    StrDiffByteRange = 88,        // %1 first offset, %2 last offset
    StrDiffByte = 89,             // %1 offset
    StrDiffOtherTypes = 90,       // %1, %2 the two types
    StrDiffOtherSizes = 91,       // %1, %2 the two sizes
    StrDiffNoType = 92,           // %1 size
    StrDiffNoEditor = 93,         // %1 type
    StrCompareDialogTitle = 94,
    StrDiffListCaption = 95, // %1 the other file's path
    StrDiffNone = 96,
    StrDiffTooltip = 97, // %1 the other file's value
    StrUndoTakeOther = 98,
    StrMenuCompareFolders = 99,
    StrMenuExportSettings = 100,
    StrMenuApplySettings = 101,
    StrChooseFirstFolder = 102,
    StrChooseSecondFolder = 103,
    StrChangedFilesCaption = 104, // %1, %2 the two folders
    StrChangedFileLine = 105,     // %1 file name, %2 count
    StrOnlyInFolder = 106,        // %1 folder, %2 file name
    StrFoldersSame = 107,
    StrRecipeFilter = 108,
    StrRecipeExported = 109, // %1 path
    StrRecipeRefused = 110,  // the problems follow, one a line
    StrRecipeApplied = 111,  // %1 count; the changes follow, one a line
    StrRecipeUnchanged = 112,
    StrUndoApplySettings = 113,
    StrRecipeNothingForFile = 114, // %1 file name
};

} // namespace vantrel
