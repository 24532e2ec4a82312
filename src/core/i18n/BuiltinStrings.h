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
};

} // namespace vantrel
