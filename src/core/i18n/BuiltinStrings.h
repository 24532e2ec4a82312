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
    StrUndoVolume = 50,
    StrUndoVolumeReset = 51,
    StrUndoColor = 52,
    StrUndoTitle = 53,
};

} // namespace vantrel
