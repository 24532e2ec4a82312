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
};

} // namespace vantrel
