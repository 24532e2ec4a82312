// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/editors/EditorModel.h"
#include "core/find/SettingSearch.h"
#include "core/i18n/UiStrings.h"
#include "core/xml/XmlDocument.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A setting looked for by name across the seem files of a folder.
namespace vantrel {

// The settings of seem files that match one text, each file's type found as
// opening finds it. Which types can match at all is worked out once per type
// from the definitions, so only files of such types get a model.
class SettingFinder {
  public:
    SettingFinder(const XmlElement& definitionsRoot, std::string text);

    // The matching settings of a file's bytes, in its editor's order.
    [[nodiscard]] std::vector<SettingMatch> find(const std::vector<std::uint8_t>& bytes);
    // Whether a file of size bytes can hold a match at all: its type, found
    // by size, is an editor's and mentions the text. Sizes no type has, and
    // those no seem file may have, say yes, so reading them names the fault.
    [[nodiscard]] bool mayMatchSize(std::uintmax_t size);

  private:
    [[nodiscard]] bool typeMayMatch(const XmlElement& type);

    // The model of a type, built from its first file: which settings match
    // follows from the definitions alone, so a later file of the type only
    // has the values in the matching settings' cells read again.
    struct TypeModel {
        XmlElement type;
        EditorModel model;
        std::vector<int> cells; // the matching settings' cells
    };

    XmlElement m_root;
    std::string m_text;
    std::vector<std::pair<XmlElement, bool>> m_typeMatches; // few types: a list will do
    std::vector<TypeModel> m_models;
};

// What reading a folder's seem files one by one meets: each file's bytes,
// or why a file could not be read (skipped: a seem name that is no regular
// file, left unopened).
struct SeemFolderVisitor {
    // Whether a file of a size is worth reading; left empty, every file is.
    std::function<bool(std::uintmax_t size)> wanted;
    std::function<void(const std::string& name, const std::string& path,
                       const std::vector<std::uint8_t>& bytes)>
        file;
    std::function<void(const std::string& path, const std::string& reason, bool skipped)> failed;
};

// Reads every seem file of folder once, in the order the file system lists
// them, and tells visitor; a file that cannot be read is told and passed
// over. False when the folder cannot be listed.
bool readSeemFolder(const std::string& folder, const SeemFolderVisitor& visitor);

struct FileSettingMatches {
    std::string name; // the file's name in the folder
    std::string path;
    std::vector<SettingMatch> matches;
};

struct FolderSearchResult {
    bool readable = false; // false: the folder could not be listed
    // Files with a match, in the order the file system lists them.
    std::vector<FileSettingMatches> files;
    std::vector<std::string> unreadable; // "path: reason", each searched past
    std::vector<std::string> skipped;    // a seem name that is no regular file
};

// Every seem file of folder (as the seem folder lists them) with the settings
// whose name or description holds text. Nothing is searched for an empty text.
[[nodiscard]] FolderSearchResult findInSeemFolder(const std::string& folder,
                                                  const XmlElement& definitionsRoot,
                                                  std::string_view text);

// A line of the result: "0032_0001 · Keys/Sound: on" (the file's name
// without its extension).
[[nodiscard]] std::string folderMatchLine(const UiStrings& strings, const std::string& fileName,
                                          const SettingMatch& match);

} // namespace vantrel
