// SPDX-License-Identifier: GPL-3.0-or-later
// The main help: every command with an example, as --help prints it.
#include "cli/CommandTable.h"

namespace vantrel::cli {

const char* const kMainUsage =
    R"(Usage: vantrel-cli [--data-dir DIR | --definitions FILE] [--lang N] [--json] COMMAND ARGS...

Reads seem files through the same definitions document as the Vantrel editor,
shows them decoded and changes one setting at a time, exactly as the editor does.
"vantrel-cli COMMAND --help" describes one command.

Options (before or after the command):
  --data-dir DIR       folder with language.xml and the definitions documents
                       (default: the program's own data folder)
  --definitions FILE   use this definitions document and no language.xml
  --lang N             language number of language.xml (default: the one that
                       matches the system locale, else 0)
  --json               print the result as JSON (every command; see the man page)
  --help, --version
  --                   what follows is a file or a value, even if it starts with -

A FILE of "-" is standard input, an OUT of "-" standard output; a file named
"-" is reached as ./-.

Inspecting:
  types                       index, ID, size and type of every seem type
                                vantrel-cli types
  identify FILE...            path, ID and type of each file ("-", "unknown")
                                vantrel-cli identify 0032_0001.seem
  identify --explain FILE...  every type that fits the size, and which one wins
                                vantrel-cli identify --explain 0032_0001.seem
  dump FILE                   the bytes, sixteen to a row after their offset
                                vantrel-cli dump 0a1c_0001.seem
  show FILE...                each file through its type's editor
                                vantrel-cli show 0032_0001.seem 004a_0001.seem

Editing (in place, or into OUT with -o OUT; the input is then left alone):
  switch FILE PATH on|off     a function switch; PATH is the IDs below the
                              root joined by "/"
                                vantrel-cli switch 0032_0001.seem Keys/Sound off
  style FILE ID on|off        a style option
                                vantrel-cli style 004a_0001.seem "Outer Clock: Digital" on
  volume FILE ID VALUE        a volume item, VALUE within its min..max
                                vantrel-cli volume 0a1c_0001.seem Microphone 6
  volume FILE --reset         every volume item back to its default
                                vantrel-cli volume 0a1c_0001.seem --reset
  color FILE GROUP/ENTRY #RRGGBB [--transparency PERCENT]
                              a colour entry, and its transparency in percent
                                vantrel-cli color 0d51_0001.seem "Menus/Menu Text" #FF8000
  title FILE TEXT             the colour scheme's title, at most five characters
                                vantrel-cli title 0d51_0001.seem Dusk
  Where a PATH or ID names several items, the command refuses and lists them
  as NAME#1, NAME#2...; give one of those names.

Writing new text seem files:
  outertext TEXT -o OUT [--strict]
                              the outer-screen text (8 characters are stored;
                              a longer text is cut with a warning, or refused
                              with --strict)
                                vantrel-cli outertext "MOTO" -o 0061_0001.seem
  gprs (--date | --nothing | --text TEXT) -o OUT [--strict]
                              the GPRS date text (a text of at most 13 units)
                                vantrel-cli gprs --text "Hello" -o 01a8_0001.seem

Comparing:
  diff A B                    every setting in which B differs from A, one line
                              each ("Keys/Sound: on → off"), and the bytes no
                              setting describes; files of different types or
                              sizes are compared byte by byte.
                              Exit status 0 the same, 1 different, 2 bad input
                                vantrel-cli diff 0032_0001.seem friend/0032_0001.seem
  diff --suggest A B          the definitions elements (a switch per changed bit,
                              a style row per changed byte) that would describe
                              the bits B differs in where no item reads, to
                              paste under the type
                                vantrel-cli diff --suggest before.seem after.seem

Finding:
  find TEXT TARGET...         each setting whose name or description holds TEXT
                              (ignoring case), with its value, in seem files
                              and folders: FILE, PATH and VALUE a line
                                vantrel-cli find sound backup-monday
  find --bytes HEX TARGET...  where bytes lie ("A5 00", ?? any byte): FILE,
  find --text TEXT [--utf16] TARGET...
                              offset (hex) and the bytes a line; --utf16 finds
                              the text as the generators store it
                              Exit status 0 found, 1 nothing found, 2 bad input
                                vantrel-cli find --text MOTO 0061_0001.seem

Coverage:
  coverage FILE               per byte, the bits the definitions describe (#)
                              and those they do not (.), with the items over
                              them, and the items that overlap
                                vantrel-cli coverage 0032_0001.seem

Backups and recipes:
  diff DIR1 DIR2              each changed file of two folders, with its settings
                                vantrel-cli diff backup-monday backup-friday
  diff --recipe A B           the recipe (JSON) that turns A into B (files or folders)
                                vantrel-cli diff --recipe old new > changes.json
  export FILE...              the recipe that reproduces each file's settings
                                vantrel-cli export 0032_0001.seem > mine.json
  apply [--dry-run] RECIPE TARGET...
                              write a recipe into files or a folder; a file takes
                              all its entries or none
                                vantrel-cli apply changes.json other-phone/

Recovery:
  recover FILE                put back the old content of FILE that an
                              interrupted in-place save kept aside
                                vantrel-cli recover 0032_0001.seem

Scenarios:
  play SCENARIO [-o OUT]      replay a scenario's steps (open a sample, set
                              settings, type into cells, undo, save or generate)
                              as the editor would, and write the file they end
                              with; without -o, print its bytes in hex as
                              SCENARIO's .expected file holds them
                                vantrel-cli play tests/scenarios/volume.scenario -o out.seem

Seem folder:
  scan FOLDER                 for each editor kind, the file the seem-folder menu
                              would open, or "-"
                                vantrel-cli scan ~/phone/seem

Checking definitions:
  check [--strict] [DEFINITIONS...]
                              every finding as FILE:LINE:COLUMN: error: or
                              warning: text; without files, every definitions
                              document of language.xml and language.xml itself;
                              exit 2 on an error (--strict: on a warning too)
                                vantrel-cli check my_seem.xml

Exit status: 0 success, 1 usage error, 2 bad input (unreadable or over-long
file, a type the command does not fit, unknown or ambiguous PATH or ID, a value
out of range, malformed definitions, a failed write of a file or of the output);
a file is never left half-written.
)";

} // namespace vantrel::cli
