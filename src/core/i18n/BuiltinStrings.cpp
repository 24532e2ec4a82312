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
        // 99: tooltip of the colour swatch
        "Click to choose a colour",
        // 100: colour hex box: typed text
        "“%1” is not a colour. Type it as #RRGGBB, for example #FF8000.",
        // 101: outer text cut on saving: the text kept
        "Too long: the file holds 8 characters, so only “%1” will be saved.",
        // 102: no program opened the help file: its path
        "No program to show the help is set up on this computer. The help file is %1; open it "
        "with a web browser.",
        // 103: volume byte outside its slider's range: stored value, minimum, maximum
        "The file holds %1, outside the range %2 to %3; moving the slider replaces it.",
        // 104: the colour panel's phone screen preview
        "Preview of the phone screen in this scheme's colours",
        // 105: grid of the file's bytes, as a screen reader names it
        "Bytes of the file",
        // 106: a byte cell, as a screen reader names it: offset, hex value
        "offset %1: %2",
        // 107: a byte's switch that is on, for a screen reader: switch
        "%1: on",
        // 108: a byte's switch that is off, for a screen reader: switch
        "%1: off",
        // 109: the red slider, for a screen reader
        "Red",
        // 110: the green slider, for a screen reader
        "Green",
        // 111: the blue slider, for a screen reader
        "Blue",
        // 112: the box beside a colour slider, for a screen reader: channel
        "%1 value",
        // 113: the colour preview, for a screen reader
        "Colour preview",
        // 114: a colour entry's colour, for a screen reader: colour, transparency
        "%1, transparency %2 %",
        // 115: the function switch tree, for a screen reader
        "Function switches",
        // 116: the style check list, for a screen reader
        "Screen styles",
        // 117: the colour entry tree, for a screen reader
        "Colour entries",
        // 118: cell coverage: one bit: its number
        "bit %1",
        // 119: cell coverage: several bits: "2–7" or "3, 5–7"
        "bits %1",
        // 120: cell coverage: bits no item of the definitions reads
        "not described",
        // 121: suggested switch: placeholder name: offset, bit
        "Unnamed %1 bit %2",
        // 122: suggested style row: placeholder name: offset
        "Unnamed %1",
        // 123: suggested definitions: where to paste them: type ID, line, file
        "Paste inside the seem type %1 (line %2 of %3)",
        // 124: suggested definitions: no undescribed bit differs
        "No bit outside the definitions differs, so there is nothing to suggest.",
        // 125: suggested definitions: the type's editor has no one-bit or one-byte item: type
        "The editor of the seem type \"%1\" has no item for a single bit or byte, so nothing can "
        "be suggested.",
        // 126: View menu: shade the bits the definitions do not describe
        "Show &Coverage",
        // 127: title of the panel that lists the items over the current cell
        "What Is This Byte?",
        // 128: comparison: the command that writes definitions for undescribed differences
        "Suggest &Definitions...",
        // 129: what is this byte: an item that shares bits with others: their names
        "overlaps %1",
        // 130: row gutter tooltip: described bits of the row
        "%1 of %2 bits described",
        // 131: button: copy the text to the clipboard
        "&Copy",
        // 132: the View menu
        "&View",
        // 133: what is this byte: the current cell has no item
        "No item of the definitions reads this byte.",
        // 134: save failure, old content written back: path, reason
        "The file %1 could not be saved: %2. Its old content was written back, so the file on disk "
        "is as it was.",
        // 135: save failure, old content not written back: path, reason, recovery copy
        "The file %1 could not be saved: %2. Its old content could not be written back either; a "
        "copy of it is kept in %3.",
        // 136: save refused, file changed by another program: path
        "The file %1 was changed by another program after it was opened. Overwrite it with your "
        "version, reload it from disk (your changes are lost), or cancel?",
        // 137: button: write over the other program's changes
        "&Overwrite",
        // 138: bar: a modified document's file changed on disk: path
        "%1 was changed on disk by another program.",
        // 139: bar button: keep the edits in the window
        "&Keep Mine",
        // 140: status line: unmodified document reloaded: path
        "%1 was changed on disk and has been reloaded.",
        // 141: bar: the document's file was deleted or renamed: path
        "%1 was deleted or renamed on disk.",
        // 142: question before saving a file that is no longer there: path
        "The file %1 is no longer on disk. Save it there as a new file?",
        // 143: command-line file that is not a regular file: path, reason
        "The file %1 cannot be opened: %2. Vantrel starts without opening a file.",
        // 144: an interrupted save left a recovery copy: path, copy
        "An earlier save of %1 was interrupted. Its old content is kept in %2; \"vantrel-cli "
        "recover %1\" puts it back.",
        // 145: MenuCompareFolders
        "Compare &Folders...",
        // 146: MenuExportSettings
        "&Export Settings...",
        // 147: MenuApplySettings
        "A&pply Settings...",
        // 148: ChooseFirstFolder
        "Choose the first (older) folder of seem files",
        // 149: ChooseSecondFolder
        "Choose the second (newer) folder of seem files",
        // 150: ChangedFilesCaption
        "Changed files: %1 → %2",
        // 151: ChangedFileLine
        "%1: %2 difference|%1: %2 differences",
        // 152: OnlyInFolder
        "Only in %1: %2",
        // 153: FoldersSame
        "The folders hold the same files and settings.",
        // 154: RecipeFilter
        "Recipes (*.json)|*.json|All files (*.*)|*.*",
        // 155: RecipeExported
        "The settings were written to %1.",
        // 156: RecipeRefused
        "Nothing was applied, because of these entries:",
        // 157: RecipeApplied
        "%1 change:|%1 changes:",
        // 158: RecipeUnchanged
        "The recipe changes nothing in this file.",
        // 159: UndoApplySettings
        "Apply Settings",
        // 160: RecipeNothingForFile
        "The recipe holds no settings for %1.",
        // 161: StatusNoTypeMatches
        "No type matches a file of %1 bytes: its bytes are shown as they are",
        // 162: StatusNoEditor
        "Type \"%1\" (%2 bytes) has no editor: its bytes are shown as they are",
        // 163: FolderType
        "Folder",
        // 164: VolumeInformation
        "Move a slider with the mouse or its arrow keys to set that volume; its byte in the grid "
        "follows.",
        // 165: CoverageLegendUndescribed
        "No setting of the definitions reads a hatched byte.",
        // 166: CoverageLegendBits
        "Bars along a byte's bottom are its bits, bit 7 on the left: a filled bar is a bit a "
        "setting reads, a grey bar one that none does.",
        // 167: FolderComparisonHint
        "Press Enter or double-click a line to open that pair of files, compared.",
        // 168: SuggestDefinitionsHint
        "Copy these items into the definitions file, inside the seem type named in the first line; "
        "then give each item a name and a tip.",
        // 169: a recovery entry recover will not put back: path, entry, why and what to do
        "An earlier save of %1 may have left %2 in the recovery folder, which \"vantrel-cli "
        "recover\" will not put back: %3.",
        // 170: RecipeReviewRow
        "%1: %2 → %3",
        // 171: RecipeAlreadyAtValue
        "already %1",
        // 172: RecipeFromDiffers
        "this phone has %1; the recipe was made from %2",
        // 173: RecipeReviewTickName
        "%1: this file has %2, the recipe sets %3",
        // 174: RecipeWrongType
        "The recipe is for %2, but %1 is of type %3.",
        // 175: RecipeFileWithoutType
        "The recipe is for %2, but no type matches %1.",
        // 176: MenuExportChanges
        "Export C&hanges...",
        // 177: MenuSaveDifferencesAsRecipe
        "Save Differences as &Recipe...",
        // 178: RecipeNoChanges
        "No setting has changed since the file was opened.",
        // 179: RecipeCellsNotCarried
        "These changed cells are not carried, because no setting describes them: %1.",
        // 180: RecipeReviewHint
        "Untick an entry to leave it out. Entries the file already holds are unticked.",
        // 181: RecipePasteLabel
        "Or paste a recipe here:",
        // 182: FindMenu
        "&Find...",
        // 183: FindInFolderMenu
        "Fin&d in Seem Folder...",
        // 184: FindTypeSomething
        "Type what to find.",
        // 185: FindPosition
        "%1 of %2",
        // 186: FindNotFound
        "Not found.",
        // 187: FindWrappedToStart
        "Wrapped to the start.",
        // 188: FindWrappedToEnd
        "Wrapped to the end.",
        // 189: FindHexOddDigits
        "\"%1\" is not whole bytes: each byte takes two hex digits, as in A5 00.",
        // 190: FindHexBadDigit
        "\"%1\" is not a hex byte: use 00 to FF, or ?? for any byte.",
        // 191: FindOnlyWildcards
        "\"%1\" would match every byte: add at least one byte besides ??.",
        // 192: FindNotAscii
        "\"%1\" is not ASCII text: choose Text (UTF-16BE) to find it.",
        // 193: FindModeSettings
        "Settings",
        // 194: FindModeBytes
        "Hex bytes",
        // 195: FindModeAscii
        "Text (ASCII)",
        // 196: FindModeUtf16
        "Text (UTF-16BE)",
        // 197: FindLabel
        "F&ind:",
        // 198: FindNext
        "Find &Next",
        // 199: FindPrevious
        "Find &Previous",
        // 200: FindClose
        "Close the find bar",
        // 201: FindModeLabel
        "Look for",
        // 202: FindInFolderTitle
        "Find in Seem Folder",
        // 203: FindInFolderLine
        "%1 · %2: %3",
        // 204: FindInFolderUnreadable
        "Not searched: %1",
        // 205: FindInFolderCount
        "%1 match in %2|%1 matches in %2",
        // 206: FindInFolderNone
        "No setting of %2 mentions \"%1\".",
        // 207: FindInFolderNoFolder
        "Set the seem folder first (Tools, Set Seem Folder).",
        // 208: FindInFolderHint
        "Type a setting's name and press Enter; press Enter on a line to open its file with that "
        "setting chosen.",
        // 209: StatusNoFileTouch, the status line without a file where there is no keyboard
        "No file open. Tap Open or the File menu to open a seem file.",
        // 210: StatusFileOpenTouch, the status line with a file where there is no keyboard
        "File loaded. Make your changes, then save them with File ▸ Save.",
        // 211: AccessibleCaretOnDigit, the caret within a cell: digit, the cell's text
        "digit %1 of %2",
        // 212: AccessibleCaretAfter, the caret after a cell's digits: the cell's text
        "after %1",
        // 213: DraftsNotKept, the page's storage refused a draft
        "This browser refuses to store a draft: unsaved changes are not being kept. Save to keep "
        "them.",
        // 214: RecipeChooseFile
        "Choose a Recipe &File...",
        // 215: RecipeReviewPasted
        "&Review the Pasted Recipe",
        // 216: RecipePastedUnusable
        "The pasted recipe cannot be used:",
    };
    return strings;
}

} // namespace vantrel
