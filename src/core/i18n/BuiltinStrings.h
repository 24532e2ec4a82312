// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace vantrel {

// The English string table compiled into the program, used for any string that
// language.xml does not supply (a missing or broken language file).
[[nodiscard]] const std::vector<std::string>& builtinEnglishStrings();

// The numbered strings of language.xml, by name; the numbers are the file's order.
enum class UiString : int {
    StatusFileOpen = 0,
    StatusNoFile = 1,
    ColorTitleTooLong = 2,
    DefinitionsUnloadable = 3,
    HelpMissing = 4,
    OpenDialogTitle = 5,
    SaveAsDialogTitle = 6,
    SeemFolderBrowserTitle = 7,
    SeemFileFilter = 8,
    TooLarge = 9,
    Information = 10,
    TypeWithoutEditor = 11,
    EditorIncomplete = 12,
    NoDescription = 13,
    SwitchOn = 14,
    SwitchOff = 15,
    LocationPrefix = 16,
    CellOffset = 17,
    CellHex = 18,
    CellDecimal = 19,
    CellBinary = 20,
    LanguageFileUnreadable = 21,
    GprsSaveTitle = 22,
    GprsSaveFilter = 23,
    OuterTextSaveTitle = 24,
    OuterTextSaveFilter = 25,
    OuterTextSavedPrefix = 26,
    Succeeded = 27,
    AssociationRefused = 28,
    AssociationError = 29,
    OuterTextTooLong = 30,
    OuterTextFits = 31,
    GprsCustomTooLong = 32,
    AssociationMade = 33,
    AssociationMessage = 34,
    RemovingPrefix = 35,
    AboutTitle = 36,
    GprsTitle = 37,
    OuterTextTitle = 38,
    TipTitle = 39,
    GprsAlwaysDate = 40,
    GprsNothing = 41,
    GprsCustomText = 42,
    StartPageHint = 43,
    ReadFailed = 44,    // "%1" path, "%2" reason
    EmptyFile = 45,     // "%1" path
    SaveFailed = 46,    // "%1" path, "%2" reason
    InvalidCell = 47,   // "%1" offset in decimal, "%2" offset in hex
    MalformedXml = 48,  // "%1" path, "%2" parser message, "%3" line
    StartupFailed = 49, // "%1" description
    UndoTyping = 50,
    UndoSwitch = 51,
    UndoStyle = 52,
    UndoMenu = 53,       // "%1" step name
    RedoMenu = 54,       // "%1" step name
    AskSaveChanges = 55, // "%1" path
    AskReload = 56,      // "%1" path
    ButtonSave = 57,
    ButtonDiscard = 58,
    ButtonCancel = 59,
    ButtonReload = 60,
    RecentFilesEmpty = 61,
    RecentFileMissing = 62, // "%1" path
    UndoVolume = 63,
    UndoVolumeReset = 64,
    UndoColor = 65,
    UndoTitle = 66,
    LanguageUnusable = 67, // "%1" language number
    GoToOffsetMenu = 68,
    GoToOffsetTitle = 69,
    GoToOffsetPrompt = 70,
    OffsetHexadecimal = 71,
    OffsetDecimal = 72,
    OffsetNotHex = 73,     // "%1" text typed
    OffsetNotDecimal = 74, // "%1" text typed
    OffsetBeyondEnd = 75,  // "%1" text typed, "%2" last offset, "%3" last offset in hex
    DroppedSeveral = 76,   // "%1" count, "%2" path opened
    NoSuchFile = 77,       // "%1" path
    ExtraArguments = 78,   // "%1" arguments ignored
    DiffOn = 79,
    DiffOff = 80,
    DiffTitle = 81,
    DiffOuterText = 82,
    DiffGprsText = 83,
    DiffGprsDate = 84,
    DiffGprsNothing = 85,
    DiffUndescribedRange = 86, // %1 first offset, %2 last offset
    DiffUndescribedByte = 87,  // %1 offset
    DiffByteRange = 88,        // %1 first offset, %2 last offset
    DiffByte = 89,             // %1 offset
    DiffOtherTypes = 90,       // %1, %2 the two types
    DiffOtherSizes = 91,       // %1, %2 the two sizes
    DiffNoType = 92,           // %1 size
    DiffNoEditor = 93,         // %1 type
    CompareDialogTitle = 94,
    DiffListCaption = 95, // %1 the other file's path
    DiffNone = 96,
    DiffTooltip = 97, // %1 the other file's value
    UndoTakeOther = 98,
    ChooseColorTip = 99,
    ColorNotHex = 100,        // "%1" text typed
    OuterTextStored = 101,    // "%1" the text the file will hold
    HelpNotOpened = 102,      // "%1" path of the help file
    VolumeOutsideRange = 103, // "%1" stored value, "%2" minimum, "%3" maximum
    ColorPreview = 104,
    AccessibleGrid = 105,
    AccessibleCell = 106,      // %1 offset in hex
    AccessibleSwitchOn = 107,  // %1 switch
    AccessibleSwitchOff = 108, // %1 switch
    AccessibleRed = 109,
    AccessibleGreen = 110,
    AccessibleBlue = 111,
    AccessibleChannelValue = 112, // %1 colour channel
    AccessibleColorPreview = 113,
    AccessibleColorEntry = 114, // %1 #RRGGBB, %2 transparency in percent
    AccessibleFunctionTree = 115,
    AccessibleStyleList = 116,
    AccessibleColorTree = 117,
    CoverageBit = 118,  // %1 the bit
    CoverageBits = 119, // %1 the bits: "2–7" or "3, 5–7"
    CoverageNotDescribed = 120,
    SuggestSwitchName = 121, // %1 offset, %2 bit
    SuggestRowName = 122,    // %1 offset
    SuggestPlace = 123,      // %1 type ID, %2 line, %3 definitions file
    SuggestNothing = 124,
    SuggestNoElement = 125, // %1 type
    ShowCoverage = 126,
    WhatIsThisByte = 127,
    SuggestDefinitions = 128,
    CoverageOverlaps = 129, // %1 the other items
    CoverageRowShare = 130, // %1 described, %2 all bits
    Copy = 131,
    ViewMenu = 132,
    CoverageNoItems = 133,
    SaveFailedRestored = 134,    // %1 path, %2 reason
    SaveFailedNotRestored = 135, // %1 path, %2 reason, %3 recovery copy
    ChangedOnDiskQuestion = 136, // %1 path
    ButtonOverwrite = 137,
    ChangedOnDiskBar = 138, // %1 path
    ButtonKeepMine = 139,
    ReloadedFromDisk = 140, // %1 path
    MissingOnDiskBar = 141, // %1 path
    AskSaveMissing = 142,   // %1 path
    CannotOpenNamed = 143,  // %1 path, %2 reason
    RecoveryLeftover = 144, // %1 path, %2 recovery copy
    MenuCompareFolders = 145,
    MenuExportSettings = 146,
    MenuApplySettings = 147,
    ChooseFirstFolder = 148,
    ChooseSecondFolder = 149,
    ChangedFilesCaption = 150, // %1, %2 the two folders
    ChangedFileLine = 151,     // %1 file name, %2 count
    OnlyInFolder = 152,        // %1 folder, %2 file name
    FoldersSame = 153,
    RecipeFilter = 154,
    RecipeExported = 155, // %1 path
    RecipeRefused = 156,  // the problems follow, one a line
    RecipeApplied = 157,  // %1 count; the changes follow, one a line
    RecipeUnchanged = 158,
    UndoApplySettings = 159,
    RecipeNothingForFile = 160, // %1 file name
    StatusNoTypeMatches = 161,  // %1 file length
    StatusNoEditor = 162,       // %1 type, %2 file length
    FolderType = 163,           // the file dialog's type of a folder
    VolumeInformation = 164,
    // 165 to 204 are kept free for strings still to come.
    CoverageLegendUndescribed = 205,
    CoverageLegendBits = 206,
    FolderComparisonHint = 207,
    SuggestDefinitionsHint = 208,
};

} // namespace vantrel
