// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/xml/XmlTree.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// Read-only view of one element of an XmlDocument; a null element answers every
// question with "nothing", so callers can chain look-ups without checks.
class XmlElement {
  public:
    XmlElement() = default;
    XmlElement(const XmlTree* tree, int index)
        : m_tree(index >= 0 ? tree : nullptr), m_index(index) {}

    [[nodiscard]] bool isNull() const { return m_tree == nullptr; }
    explicit operator bool() const { return !isNull(); }

    [[nodiscard]] std::string name() const;
    [[nodiscard]] std::optional<std::string> attribute(std::string_view name) const;
    [[nodiscard]] bool hasAttribute(std::string_view name) const;

    // Child elements in document order; comments, text and processing
    // instructions are not counted.
    [[nodiscard]] std::vector<XmlElement> children() const;
    [[nodiscard]] bool hasChildElements() const;
    // The first direct child element with this tag name, or a null element.
    [[nodiscard]] XmlElement child(std::string_view name) const;

    bool operator==(const XmlElement& other) const {
        return m_tree == other.m_tree && (m_tree == nullptr || m_index == other.m_index);
    }

    // Where the element's name starts in the parsed text; -1 when not known.
    [[nodiscard]] std::ptrdiff_t sourceOffset() const;

  private:
    [[nodiscard]] const XmlTree::Node* node() const {
        return m_tree ? &m_tree->node(m_index) : nullptr;
    }

    const XmlTree* m_tree = nullptr;
    int m_index = -1;
};

// A place in an XML file, both counted from 1; column in bytes.
struct XmlPosition {
    int line = 0;
    int column = 0;
};

struct XmlLoadResult {
    bool ok = false;
    std::string message; // the parser's or the file system's words
    int line = 0;        // 1-based line of a parse error, 0 when not known
};

// One parsed XML file (language.xml or a definitions document).
class XmlDocument {
  public:
    XmlLoadResult load(const std::string& path);
    XmlLoadResult loadFromString(std::string_view text);

    [[nodiscard]] bool isLoaded() const { return m_loaded; }
    // The first element of the file; an XML declaration or comments before it
    // are skipped.
    [[nodiscard]] XmlElement root() const;
    // Where an element of this document starts (its "<"); line 0 when not known.
    [[nodiscard]] XmlPosition position(const XmlElement& element) const;

  private:
    // Kept apart so that elements stay valid when the document is moved.
    std::unique_ptr<XmlTree> m_tree = std::make_unique<XmlTree>();
    std::vector<std::size_t> m_lineStarts; // offset of the first byte of every line
    bool m_loaded = false;
};

} // namespace vantrel
