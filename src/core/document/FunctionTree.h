// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/base/DefinitionProblems.h"
#include "core/document/ByteGrid.h"
#include "core/xml/XmlDocument.h"

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

enum class FunctionNodeKind { Root, Folder, Switch };

// One node of the function switch tree: the root (the type element), a folder,
// or a switch that stands for one bit of one cell. A switch may have children.
struct FunctionNode {
    std::string key;  // "_root", or "n_" + offsetText + "_" + bitText
    std::string text; // the element's "ID"; the type's "tip" for the root
    FunctionNodeKind kind = FunctionNodeKind::Folder;
    std::string tip;        // "" when absent
    std::string offsetText; // as written, or the sequence number when absent
    std::string bitText;    // as written, or the sequence number when absent
    int cellIndex = -1;     // switches only
    int bit = -1;           // switches only, 0..7
    bool on = false;        // switches only: the bit as last read or written
    std::vector<FunctionNode> children;
    XmlElement element; // where the node is defined; the type element for the root

    [[nodiscard]] bool isSwitch() const { return kind == FunctionNodeKind::Switch; }
    // The image the tree shows: "folder" for the root and folders, else "on"/"off".
    [[nodiscard]] std::string imageKey() const;
};

inline constexpr std::string_view kFunctionRootKey = "_root";

// No phone menu comes near this depth; anything deeper is left out as
// untrusted, which also bounds every walk over the tree (and its widget).
inline constexpr int kMaxFunctionTreeDepth = 64;

// Builds function trees from a type element. Its sequence number gives every
// attribute-less folder a key of its own, so it keeps counting across builds
// and must live as long as the window that shows the trees.
class FunctionTreeBuilder {
  public:
    // The root node (text = the type's "tip") with everything below it. Elements
    // with "enable", and elements the tree cannot show (no "ID", a duplicate key,
    // a switch whose cell or bit does not exist) are left out with their subtree;
    // so are elements more than kMaxFunctionTreeDepth levels below the type.
    // Each element left out for a fault is noted in problems when given.
    [[nodiscard]] FunctionNode build(const XmlElement& typeElement, const ByteGrid& grid,
                                     DefinitionProblems* problems = nullptr);

    [[nodiscard]] int sequence() const { return m_sequence; }

  private:
    void addChildren(FunctionNode& parent, const XmlElement& element, const ByteGrid& grid,
                     std::set<std::string>& keys, int depth, DefinitionProblems* problems);
    [[nodiscard]] std::optional<FunctionNode> makeNode(const XmlElement& element,
                                                       const ByteGrid& grid,
                                                       const std::set<std::string>& keys,
                                                       DefinitionProblems* problems) const;

    int m_sequence = 0;
};

// Sets or clears the switch's bit in its cell, written back as two upper-case
// digits, and remembers the new state. Returns false, changing nothing, for a
// node that is not a switch or a cell that does not hold a byte.
bool toggleSwitch(ByteGrid& grid, FunctionNode& node, bool turnOn);

// The status-bar path of a node: prefix, then the node texts from the root down
// joined by " -> ", with every occurrence of the root's text taken out.
// pathTexts starts with the root's text.
[[nodiscard]] std::string statusPath(std::string_view prefix,
                                     const std::vector<std::string>& pathTexts);

struct FunctionNodeKeyParts {
    std::string offsetText;
    std::string bitText;
};

// The offset and bit texts of a "n_<offset>_<bit>" key; nothing for the root
// key or any other text.
[[nodiscard]] std::optional<FunctionNodeKeyParts> parseFunctionNodeKey(std::string_view key);

} // namespace vantrel
