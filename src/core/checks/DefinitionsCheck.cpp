// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/checks/DefinitionsCheck.h"

#include "core/base/BitHelpers.h"
#include "core/definitions/SeemTypeCatalog.h"
#include "core/document/FunctionTree.h"
#include "core/editors/SeemKind.h"
#include "core/files/SeemFile.h"
#include "core/settings/SettingsStore.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vantrel {

namespace {

struct UsableType {
    std::size_t index;
    XmlElement element;
    std::int64_t size;
};

const SeemKind& kindOf(const UsableType& type) {
    return seemKind(editorKindOf(toLowerAscii(*type.element.attribute("type"))));
}

std::string describe(const UsableType& type) {
    return "type " + std::to_string(type.index) + " (" + *type.element.attribute("ID") + ")";
}

// Opening takes the first type whose size is the file's length or one less, so
// a later type within one byte of an earlier one loses some or all of its files.
void noteShadowing(const std::vector<UsableType>& types, DefinitionProblems& problems) {
    // The first type of each size, so that each type looks at three sizes only.
    std::unordered_map<std::int64_t, std::size_t> firstOfSize;
    for (std::size_t later = 0; later < types.size(); ++later) {
        const std::int64_t b = types[later].size;
        std::optional<std::size_t> earlier;
        for (const std::int64_t a : {b - 1, b, b + 1}) {
            const auto found = firstOfSize.find(a);
            if (found != firstOfSize.end() && (!earlier || found->second < *earlier))
                earlier = found->second;
        }
        firstOfSize.try_emplace(b, later);
        if (!earlier)
            continue;
        const std::int64_t a = types[*earlier].size;
        const std::string lengths = a == b ? std::to_string(b) + " and " + std::to_string(b + 1)
                                           : std::to_string(std::max(a, b));
        noteWarning(&problems, types[later].element,
                    "shadowed by " + describe(types[*earlier]) + ": files of " + lengths +
                        " bytes open as that type");
    }
}

// Builds the type's editor on a file of its size, noting what the editor skips.
void checkItems(const UsableType& type, DefinitionProblems& problems) {
    ByteGrid grid;
    grid.load(std::vector<std::uint8_t>(static_cast<std::size_t>(type.size), 0));
    kindOf(type).checkItems(type.element, grid, problems);
}

struct NamedElement {
    std::string name;
    XmlElement element;
};

// The names the command line picks items by: "Group/Entry" for colours, the
// path of IDs for function switches (the leaves), the ID for the rest. No
// deeper than the function tree goes, which leaves the rest out.
void collectNames(const XmlElement& parent, const std::string& prefix, bool nested, int depth,
                  std::vector<NamedElement>& names) {
    for (const XmlElement& child : parent.children()) {
        const std::string id = child.attribute("ID").value_or("");
        const std::string name = prefix.empty() ? id : prefix + "/" + id;
        if (nested && child.hasChildElements()) {
            if (depth < kMaxFunctionTreeDepth)
                collectNames(child, name, nested, depth + 1, names);
        } else {
            names.push_back({name, child});
        }
    }
}

// A repeated name is legal, but only the first item of it can be found by
// name, so each later one is noted with the number that reaches it.
void noteDuplicateNames(const XmlDocument& document, const UsableType& type,
                        DefinitionProblems& problems) {
    const ItemNames itemNames = kindOf(type).itemNames();
    if (itemNames == ItemNames::None)
        return;
    std::vector<NamedElement> names;
    collectNames(type.element, "", itemNames == ItemNames::ByPath, 0, names);
    // Each name's first item and how many items had it so far.
    std::unordered_map<std::string_view, std::pair<std::size_t, int>> seen;
    for (std::size_t i = 0; i < names.size(); ++i) {
        auto& [earlier, count] = seen.try_emplace(names[i].name, i, 0).first->second;
        if (++count == 1)
            continue;
        noteWarning(&problems, names[i].element,
                    "\"" + names[i].name + "\" is also the name at line " +
                        std::to_string(document.position(names[earlier].element).line) +
                        "; the command line reaches this one as \"" + names[i].name + "#" +
                        std::to_string(count) + "\"");
    }
}

} // namespace

DefinitionProblems checkDefinitions(const XmlDocument& definitions) {
    DefinitionProblems problems;
    std::vector<UsableType> usable;
    const auto types = definitions.root().children();
    for (std::size_t i = 0; i < types.size(); ++i) {
        if (const auto problem = seemTypeProblem(types[i])) {
            noteProblem(&problems, types[i], problem->message);
            continue;
        }
        const std::int64_t size = parseDecimal(*types[i].attribute("size")).value_or(0);
        if (size < 1 || size > static_cast<std::int64_t>(kMaxSeemFileSize)) {
            noteProblem(&problems, types[i],
                        "size " + std::to_string(size) + " is no seem file's size (1 to " +
                            std::to_string(kMaxSeemFileSize) + " bytes)");
            continue;
        }
        usable.push_back({i, types[i], size});
    }
    noteShadowing(usable, problems);
    for (const UsableType& type : usable) {
        checkItems(type, problems);
        noteDuplicateNames(definitions, type, problems);
    }
    return problems;
}

DefinitionProblems checkLanguageFile(const XmlDocument& languages, const std::string& folder) {
    DefinitionProblems problems;
    for (const XmlElement& language : languages.root().children()) {
        const auto function = language.attribute("function");
        if (!language.hasAttribute("text") || !function) {
            noteProblem(&problems, language, "a language needs \"text\" and \"function\"");
            continue;
        }
        std::error_code error;
        if (!std::filesystem::is_regular_file(std::filesystem::path(folder) / *function, error))
            noteProblem(&problems, language,
                        "its definitions document " + *function + " is not in " + folder);
    }
    return problems;
}

} // namespace vantrel
