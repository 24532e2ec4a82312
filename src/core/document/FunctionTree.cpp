// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/document/FunctionTree.h"

#include "core/Failure.h"
#include "core/base/BitHelpers.h"

namespace vantrel {

namespace {

constexpr char kKeySeparator = '_';

std::string nodeKey(const std::string& offsetText, const std::string& bitText) {
    return "n_" + offsetText + kKeySeparator + bitText;
}

// A switch must name an existing cell and a bit 0..7; anything else would
// read or write outside the document.
std::optional<Failure> resolveSwitch(FunctionNode& node, const ByteGrid& grid) {
    const auto offset = parseHex(node.offsetText);
    const auto bit = parseDecimal(node.bitText);
    if (!offset)
        return Failure{"offset \"" + node.offsetText + "\" is not hexadecimal"};
    if (*offset >= static_cast<std::uint32_t>(grid.cellCount()))
        return Failure{"offset " + node.offsetText + " lies beyond the last byte (" +
                       toHex(static_cast<std::uint32_t>(grid.cellCount() - 1)) + ")"};
    if (!bit || *bit < 0 || *bit > 7)
        return Failure{"bit \"" + node.bitText + "\" is not 0 to 7"};
    node.cellIndex = static_cast<int>(*offset);
    node.bit = static_cast<int>(*bit);
    node.on = isBitSet(grid.text(node.cellIndex), node.bit);
    return std::nullopt;
}

// One left-to-right pass; text formed by a replacement is not looked at again.
void replaceAll(std::string& text, std::string_view from, std::string_view to) {
    if (from.empty())
        return;
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

} // namespace

std::string FunctionNode::imageKey() const {
    if (kind != FunctionNodeKind::Switch)
        return "folder";
    return on ? "on" : "off";
}

FunctionNode FunctionTreeBuilder::build(const XmlElement& typeElement, const ByteGrid& grid,
                                        DefinitionProblems* problems) {
    FunctionNode root;
    root.key = std::string(kFunctionRootKey);
    root.kind = FunctionNodeKind::Root;
    root.text = typeElement.attribute("tip").value_or("");
    root.element = typeElement;
    std::set<std::string> keys;
    addChildren(root, typeElement, grid, keys, 1, problems);
    return root;
}

void FunctionTreeBuilder::addChildren(FunctionNode& parent, const XmlElement& element,
                                      const ByteGrid& grid, std::set<std::string>& keys, int depth,
                                      DefinitionProblems* problems) {
    if (depth > kMaxFunctionTreeDepth) {
        noteProblem(problems, element.children().front(),
                    "nested more than " + std::to_string(kMaxFunctionTreeDepth) +
                        " levels deep; left out with everything below it");
        return;
    }
    for (const XmlElement& child : element.children()) {
        // Counted before anything is decided, so hidden elements still use up a number.
        ++m_sequence;
        std::optional<FunctionNode> node = makeNode(child, grid, keys, problems);
        if (!node)
            continue;
        keys.insert(node->key);
        parent.children.push_back(std::move(*node));
        if (child.hasChildElements())
            addChildren(parent.children.back(), child, grid, keys, depth + 1, problems);
    }
}

std::optional<FunctionNode> FunctionTreeBuilder::makeNode(const XmlElement& element,
                                                          const ByteGrid& grid,
                                                          const std::set<std::string>& keys,
                                                          DefinitionProblems* problems) const {
    const std::string sequence = std::to_string(m_sequence);
    FunctionNode node;
    node.offsetText = element.attribute("offset").value_or(sequence);
    node.bitText = element.attribute("bit").value_or(sequence);
    if (element.hasAttribute("enable"))
        return std::nullopt;

    const auto leftOut = [&](const std::string& why) -> std::optional<FunctionNode> {
        noteProblem(problems, element, why + "; left out with everything below it");
        return std::nullopt;
    };
    const auto id = element.attribute("ID");
    if (!id)
        return leftOut("no \"ID\"");
    // A separator inside either text would make the key split apart differently.
    if (node.offsetText.find(kKeySeparator) != std::string::npos ||
        node.bitText.find(kKeySeparator) != std::string::npos)
        return leftOut("\"_\" in its offset or bit");
    node.key = nodeKey(node.offsetText, node.bitText);
    if (keys.contains(node.key))
        return leftOut("offset " + node.offsetText + " bit " + node.bitText + " is listed twice");

    node.text = *id;
    node.tip = element.attribute("tip").value_or("");
    node.element = element;
    // An element that names no bit at all is a folder, even an empty one: as a
    // switch it would stand on byte n, bit n of its sequence number.
    const bool namesNoBit = !element.hasAttribute("offset") && !element.hasAttribute("bit");
    const bool isFolder =
        namesNoBit || (element.hasChildElements() && node.offsetText == node.bitText);
    node.kind = isFolder ? FunctionNodeKind::Folder : FunctionNodeKind::Switch;
    if (node.isSwitch()) {
        if (const auto fault = resolveSwitch(node, grid))
            return leftOut(fault->message);
    }
    return node;
}

bool toggleSwitch(ByteGrid& grid, FunctionNode& node, bool turnOn) {
    if (!node.isSwitch() || !grid.value(node.cellIndex))
        return false;
    grid.setText(node.cellIndex, setBitInHex(grid.text(node.cellIndex), node.bit, turnOn));
    node.on = turnOn;
    return true;
}

std::string statusPath(std::string_view prefix, const std::vector<std::string>& pathTexts) {
    std::string path;
    for (std::size_t i = 0; i < pathTexts.size(); ++i) {
        if (i > 0)
            path += '\\';
        path += pathTexts[i];
    }
    if (!pathTexts.empty())
        replaceAll(path, pathTexts.front(), "");
    replaceAll(path, "\\", " -> ");
    return std::string(prefix) + path;
}

std::optional<FunctionNodeKeyParts> parseFunctionNodeKey(std::string_view key) {
    if (!key.starts_with("n_"))
        return std::nullopt;
    key.remove_prefix(2);
    const auto separator = key.find(kKeySeparator);
    if (separator == std::string_view::npos)
        return std::nullopt;
    const std::string_view bitText = key.substr(separator + 1);
    if (bitText.find(kKeySeparator) != std::string_view::npos)
        return std::nullopt;
    return FunctionNodeKeyParts{std::string(key.substr(0, separator)), std::string(bitText)};
}

} // namespace vantrel
