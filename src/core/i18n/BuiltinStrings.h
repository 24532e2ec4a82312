// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace vantrel {

// The English string table compiled into the program, used for any string that
// language.xml does not supply (a missing or broken language file).
[[nodiscard]] const std::vector<std::string>& builtinEnglishStrings();

// The numbered strings of language.xml, by name; the numbers are the file's order.
enum UiString : int {
    StrStatusFileOpen = 0,
    StrStatusNoFile = 1,
    StrColorTitleTooLong = 2,
    StrDefinitionsUnloadable = 3,
    StrHelpMissing = 4,
    StrOpenDialogTitle = 5,
    StrSaveAsDialogTitle = 6,
    StrSeemFolderBrowserTitle = 7,
    StrSeemFileFilter = 8,
    StrTooLarge = 9,
    StrInformation = 10,
    StrTypeWithoutEditor = 11,
    StrEditorIncomplete = 12,
    StrNoDescription = 13,
    StrSwitchOn = 14,
    StrSwitchOff = 15,
    StrLocationPrefix = 16,
    StrCellOffset = 17,
    StrCellHex = 18,
    StrCellDecimal = 19,
    StrCellBinary = 20,
    StrLanguageFileUnreadable = 21,
    StrGprsSaveTitle = 22,
    StrGprsSaveFilter = 23,
    StrOuterTextSaveTitle = 24,
    StrOuterTextSaveFilter = 25,
    StrOuterTextSavedPrefix = 26,
    StrSucceeded = 27,
    StrAssociationRefused = 28,
    StrAssociationError = 29,
    StrOuterTextTooLong = 30,
    StrOuterTextFits = 31,
    StrGprsCustomTooLong = 32,
    StrAssociationMade = 33,
    StrAssociationMessage = 34,
    StrRemovingPrefix = 35,
    StrAboutTitle = 36,
    StrGprsTitle = 37,
    StrOuterTextTitle = 38,
    StrTipTitle = 39,
    StrGprsAlwaysDate = 40,
    StrGprsNothing = 41,
    StrGprsCustomText = 42,
    StrStartPageHint = 43,
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
    StrChooseColorTip = 99,
    StrColorNotHex = 100,        // "%1" text typed
    StrOuterTextStored = 101,    // "%1" the text the file will hold
    StrHelpNotOpened = 102,      // "%1" path of the help file
    StrVolumeOutsideRange = 103, // "%1" stored value, "%2" minimum, "%3" maximum
    StrColorPreview = 104,
    StrAccessibleGrid = 105,
    StrAccessibleCell = 106,      // %1 offset in hex
    StrAccessibleSwitchOn = 107,  // %1 switch
    StrAccessibleSwitchOff = 108, // %1 switch
    StrAccessibleRed = 109,
    StrAccessibleGreen = 110,
    StrAccessibleBlue = 111,
    StrAccessibleChannelValue = 112, // %1 colour channel
    StrAccessibleColorPreview = 113,
    StrAccessibleColorEntry = 114, // %1 #RRGGBB, %2 transparency in percent
    StrAccessibleFunctionTree = 115,
    StrAccessibleStyleList = 116,
    StrAccessibleColorTree = 117,
    StrCoverageBit = 118,   // %1 the bit
    StrCoverageBits = 119, // %1 the bits: "2–7" or "3, 5–7"
    StrCoverageNotDescribed = 120,
    StrSuggestSwitchName = 121, // %1 offset, %2 bit
    StrSuggestRowName = 122,    // %1 offset
    StrSuggestPlace = 123,      // %1 type ID, %2 line, %3 definitions file
    StrSuggestNothing = 124,
    StrSuggestNoElement = 125, // %1 type
    StrShowCoverage = 126,
    StrWhatIsThisByte = 127,
    StrSuggestDefinitions = 128,
    StrCoverageOverlaps = 129, // %1 the other items
    StrCoverageRowShare = 130, // %1 described, %2 all bits
    StrCopy = 131,
    StrViewMenu = 132,
    StrCoverageNoItems = 133,
    StrSaveFailedRestored = 134,     // %1 path, %2 reason
    StrSaveFailedNotRestored = 135, // %1 path, %2 reason, %3 recovery copy
    StrChangedOnDiskQuestion = 136, // %1 path
    StrButtonOverwrite = 137,
    StrChangedOnDiskBar = 138, // %1 path
    StrButtonKeepMine = 139,
    StrReloadedFromDisk = 140, // %1 path
    StrMissingOnDiskBar = 141, // %1 path
    StrAskSaveMissing = 142,   // %1 path
    StrCannotOpenNamed = 143,  // %1 path, %2 reason
    StrRecoveryLeftover = 144, // %1 path, %2 recovery copy
    StrMenuCompareFolders = 145,
    StrMenuExportSettings = 146,
    StrMenuApplySettings = 147,
    StrChooseFirstFolder = 148,
    StrChooseSecondFolder = 149,
    StrChangedFilesCaption = 150, // %1, %2 the two folders
    StrChangedFileLine = 151,     // %1 file name, %2 count
    StrOnlyInFolder = 152,        // %1 folder, %2 file name
    StrFoldersSame = 153,
    StrRecipeFilter = 154,
    StrRecipeExported = 155, // %1 path
    StrRecipeRefused = 156,  // the problems follow, one a line
    StrRecipeApplied = 157,  // %1 count; the changes follow, one a line
    StrRecipeUnchanged = 158,
    StrUndoApplySettings = 159,
    StrRecipeNothingForFile = 160, // %1 file name
};

} // namespace vantrel
