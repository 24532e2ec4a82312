// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/compare/FolderComparison.h"
#include "core/recipe/Recipe.h"

#include <optional>
#include <string>
#include <vector>

// The recipe that turns one folder of seem files into another (two backups of
// one phone): "Save Differences as Recipe" in the window and the page, and
// "vantrel-cli diff --recipe FOLDER FOLDER", made here once for all three.
namespace vantrel {

// What the recipe could not carry, in the order the comparison met it.
struct FolderRecipeNote {
    enum class Kind {
        OnlyInOurs,   // left as it is
        OnlyInTheirs, // a recipe cannot create a file
        SizeDiffers,  // a recipe cannot change a size
        Unreadable,
        Skipped, // no file to read (a FIFO, a folder)
    };
    Kind kind = Kind::Unreadable;
    std::string path; // the name, for OnlyIn*; else the path as the comparison names it
    std::string reason;

    // Whether the recipe misses a change because of it (not only a file on one side).
    [[nodiscard]] bool trouble() const {
        return kind != Kind::OnlyInOurs && kind != Kind::OnlyInTheirs;
    }
    // "name: only in the first folder, left as it is", "path: reason".
    [[nodiscard]] std::string text() const;
};

struct FolderRecipe {
    // Every paired file's changes, each named by the first file's type ID (by
    // its name where several changed files share a type: see joinFileRecipes).
    Recipe recipe;
    std::vector<FolderRecipeNote> notes;
    // A folder that could not be read at all.
    std::optional<FolderFailure> failure;

    [[nodiscard]] bool trouble() const;
};

[[nodiscard]] FolderRecipe recipeBetweenFolders(const std::string& oursFolder,
                                                const std::string& theirsFolder,
                                                const XmlElement& definitionsRoot);
// The same for folders handed over in memory (a web page's chosen folders).
[[nodiscard]] FolderRecipe recipeBetweenFolders(const SeemFolderSource& ours,
                                                const SeemFolderSource& theirs,
                                                const XmlElement& definitionsRoot);

} // namespace vantrel
