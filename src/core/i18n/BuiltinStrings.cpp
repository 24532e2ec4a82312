// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/i18n/BuiltinStrings.h"

namespace vantrel {

const std::vector<std::string>& builtinEnglishStrings() {
    // The English table of data/language.xml, text for text.
    static const std::vector<std::string> strings = {
        // 0: status bar while a file is open
        "File loaded. Make your changes, then save them with Ctrl+S.",
        // 1: status bar while no file is open
        "No file open. Press Ctrl+O to open a seem file.",
        // 2: colour scheme title too long
        "The title of a colour scheme can hold at most five characters.",
        // 3: definitions file not loadable
        "The seem definitions for this language could not be loaded. Check that the definitions "
        "file named in language.xml is in the program folder.",
        // 4: help file missing
        "No help file (help.chm or help.html) was found in the program folder.",
        // 5: Open dialog title
        "Open Seem File",
        // 6: Save As dialog title
        "Save Seem File As",
        // 7: seem folder browser title
        "Choose the folder that holds your phone's seem files:",
        // 8: Open and Save As filter
        "Seem files (*.seem)|*.seem|Binary files (*.bin)|*.bin|All files (*.*)|*.*",
        // 9: file too large
        "This file is too large to be a seem file. Seem files hold at most 5000 bytes.",
        // 10: information frame caption
        "Information",
        // 11: seem type without editor
        "Vantrel knows this seem type but has no editor for it. Its bytes are shown in the grid.",
        // 12: editor could not be filled
        "The editor could not be filled completely from the seem definitions. Some items may be "
        "missing or wrong.",
        // 13: item without description
        "There is no description for this item.",
        // 14: Edit menu command for a switch that is off
        "Switch &On",
        // 15: Edit menu command for a switch that is on
        "Switch O&ff",
        // 16: prefix of the function tree path
        "Location",
        // 17: cell status line: offset
        "Offset",
        // 18: cell status line: hex
        "   Hex",
        // 19: cell status line: decimal
        "   Decimal",
        // 20: cell status line: binary
        "   Binary",
        // 21: language file not readable
        "The language file language.xml could not be read. The built-in English texts are used.",
        // 22: GPRS text Save dialog title
        "Save GPRS Date Text Seem File",
        // 23: GPRS text Save dialog filter
        "Seem files (*.seem)|*.seem|All files (*.*)|*.*",
        // 24: outer text Save dialog title
        "Save Outer-Screen Text Seem File",
        // 25: outer text Save dialog filter
        "Seem files (*.seem)|*.seem|All files (*.*)|*.*",
        // 26: outer text saved, before the path
        "Saving the outer-screen text file",
        // 27: outer text saved, after the path; ending of a successful association change
        "succeeded.",
        // 28: ending of a refused association change
        "failed: the desktop settings could not be changed.",
        // 29: ending of a failed association change
        "failed because of an unexpected error.",
        // 30: outer text too long
        "Too long: only the first 8 characters will be saved.",
        // 31: outer text fits
        "The outer screen shows at most 6 Chinese characters.",
        // 32: custom GPRS text limit
        "The custom text holds at most 13 characters; the rest is not saved.",
        // 33: association made
        "Seem files are now associated with Vantrel. Double-click a seem file to open it here.",
        // 34: body of every association message
        "Vantrel's .seem file association ",
        // 35: prefix of the removal messages
        "Removing ",
        // 36: About window title
        "About Vantrel",
        // 37: GPRS text window title
        "GPRS Date Text",
        // 38: outer text window title
        "Outer-Screen Text",
        // 39: tip window title
        "Feature Tip",
        // 40: GPRS option: always the date
        "Always show the date",
        // 41: GPRS option: nothing
        "Show nothing",
        // 42: GPRS option: custom text
        "Show my own text:",
        // 43: start page hint
        "Open a seem file with Ctrl+O, from the File menu, or by right-clicking this window.\\nSet "
        "your seem folder in the Tools menu to open the phone's files straight from "
        "there.\\nVantrel recognises each file by its size. Keep a backup of your original files "
        "before you change them.",
        // 44: read failure: path, reason
        "The file %1 could not be read: %2",
        // 45: empty file: path
        "The file %1 is empty. A seem file holds at least one byte.",
        // 46: save failure: path, reason
        "The file %1 could not be saved: %2. The file on disk was left unchanged.",
        // 47: cell without a byte: offset decimal, offset hex
        "The cell at offset %1 (hex %2) does not hold a hexadecimal byte (00 to FF). Nothing was "
        "saved.",
        // 48: malformed XML: path, message, line
        "The file %1 is not well-formed XML: %2 (line %3).",
        // 49: start-up failure: description
        "Vantrel could not start: %1",
        // 50: undo step: typing into a cell
        "Typing",
        // 51: undo step: a function switch toggled
        "Switch",
        // 52: undo step: a style row checked or unchecked
        "Style",
        // 53: Edit menu Undo: step name
        "&Undo %1",
        // 54: Edit menu Redo: step name
        "&Redo %1",
        // 55: unsaved changes question: path
        "The file %1 has unsaved changes. Save them first?",
        // 56: reload confirmation: path
        "Reloading %1 throws away your unsaved changes. Reload it?",
        // 57: unsaved changes button: save
        "&Save",
        // 58: unsaved changes button: discard
        "Do&n't Save",
        // 59: question button: cancel
        "Cancel",
        // 60: reload confirmation button
        "&Reload",
        // 61: the recent-file list while it is empty
        "No recent files",
        // 62: a recent file that is gone: path
        "The file %1 no longer exists. It stays in the recent-file list.",
        // 63: undo step: a volume slider moved
        "Volume Change",
        // 64: undo step: volumes reset to their defaults
        "Restore Default Volumes",
        // 65: undo step: a colour or its transparency changed
        "Colour Change",
        // 66: undo step: the colour scheme title changed
        "Title Change",
        // 67: language.xml names no definitions document: language number
        "language.xml is unusable: it names no definitions document for language %1, so there is "
        "none to load.",
        // 68: Go to offset menu item
        "&Go to Offset...",
        // 69: Go to offset dialog title
        "Go to Offset",
        // 70: Go to offset: label of the offset box
        "&Offset:",
        // 71: Go to offset: hexadecimal choice
        "&Hexadecimal, as 1A or 0x1A",
        // 72: Go to offset: decimal choice
        "&Decimal, as 26",
        // 73: offset not hexadecimal: typed text
        "“%1” is not a hexadecimal offset. Type it as 1A or 0x1A.",
        // 74: offset not decimal: typed text
        "“%1” is not a decimal offset. Type digits only, such as 26.",
        // 75: offset past the end: typed text, last offset decimal, last offset hex
        "Offset %1 is beyond the end of the file: its last byte is at %2 (hex %3).",
        // 76: several files dropped: count, the file opened
        "%1 files were dropped; only the first was opened: %2",
        // 77: command-line file missing: path
        "The file %1 does not exist. Vantrel starts without opening a file.",
        // 78: command line names more than one file: the ignored ones
        "Only one file can be opened at a time. Ignored: %1",
        // 79: comparison: a switch or style option that is on
        "on",
        // 80: comparison: a switch or style option that is off
        "off",
        // 81: comparison: the colour scheme title
        "Title",
        // 82: comparison: the outer-screen text
        "Outer-screen text",
        // 83: comparison: the GPRS date text
        "GPRS text",
        // 84: comparison: GPRS text mode that shows the date
        "always the date",
        // 85: comparison: GPRS text mode that shows nothing
        "nothing",
        // 86: comparison: undescribed bytes differ: first, last offset
        "bytes %1–%2 differ, not described by the definitions",
        // 87: comparison: one undescribed byte differs: offset
        "byte %1 differs, not described by the definitions",
        // 88: comparison byte by byte: first, last offset
        "bytes %1–%2",
        // 89: comparison byte by byte: offset
        "byte %1",
        // 90: comparison: files of two seem types: the two types
        "The files are of different seem types (%1 and %2), so they are compared byte by byte.",
        // 91: comparison: files of two sizes: the two sizes
        "The files differ in size (%1 and %2 bytes), so they are compared byte by byte.",
        // 92: comparison: no seem type fits: size
        "No seem type has %1 bytes, so the files are compared byte by byte.",
        // 93: comparison: a seem type without an editor: type
        "Vantrel has no editor for the seem type \"%1\", so the files are compared byte by byte.",
        // 94: Compare with dialog title
        "Compare with",
        // 95: caption of the difference list: the other file
        "Differences from %1",
        // 96: the difference list when the files hold the same settings
        "The files hold the same settings.",
        // 97: tooltip of a differing setting: the other file's value
        "The other file: %1",
        // 98: undo step: a setting took the other file's value
        "Take Other File's Value",
        // 99: MenuCompareFolders
        "Compare Folders...",
        // 100: MenuExportSettings
        "Export Settings...",
        // 101: MenuApplySettings
        "Apply Settings...",
        // 102: ChooseFirstFolder
        "Choose the first (older) folder of seem files",
        // 103: ChooseSecondFolder
        "Choose the second (newer) folder of seem files",
        // 104: ChangedFilesCaption
        "Changed files: %1 → %2",
        // 105: ChangedFileLine
        "%1: %2 differences",
        // 106: OnlyInFolder
        "Only in %1: %2",
        // 107: FoldersSame
        "The folders hold the same files and settings.",
        // 108: RecipeFilter
        "Recipes (*.json)|*.json|All files (*.*)|*.*",
        // 109: RecipeExported
        "The settings were written to %1.",
        // 110: RecipeRefused
        "Nothing was applied, because of these entries:",
        // 111: RecipeApplied
        "%1 changes:",
        // 112: RecipeUnchanged
        "The recipe changes nothing in this file.",
        // 113: UndoApplySettings
        "Apply Settings",
        // 114: RecipeNothingForFile
        "The recipe holds no settings for %1.",
    };
    return strings;
}

} // namespace vantrel
