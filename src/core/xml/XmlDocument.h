// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <pugixml.hpp>

namespace vantrel {

// Read-only view of one element of an XmlDocument; a null element answers every
// question with "nothing", so callers can chain look-ups without checks.
class XmlElement {
  public:
    XmlElement() = default;
    explicit XmlElement(pugi::xml_node node) : m_node(node) {}

    [[nodiscard]] bool isNull() const { return !m_node; }
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

    bool operator==(const XmlElement& other) const { return m_node == other.m_node; }

    // Where the element's name starts in the parsed text; -1 when not known.
    [[nodiscard]] std::ptrdiff_t sourceOffset() const;

  private:
    pugi::xml_node m_node;
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
    XmlLoadResult finish(const pugi::xml_parse_result& result, std::string_view text);

    pugi::xml_document m_doc;
    std::vector<std::size_t> m_lineStarts; // offset of the first byte of every line
    bool m_loaded = false;
};

} // namespace vantrel
