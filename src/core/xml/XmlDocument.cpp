// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/xml/XmlDocument.h"

#include "core/files/RegularFile.h"

#include <algorithm>

namespace vantrel {

std::string XmlElement::name() const {
    return m_tree ? node()->name : std::string();
}

std::optional<std::string> XmlElement::attribute(std::string_view name) const {
    if (!m_tree)
        return std::nullopt;
    for (const auto& [key, value] : node()->attributes) {
        if (key == name)
            return value;
    }
    return std::nullopt;
}

bool XmlElement::hasAttribute(std::string_view name) const {
    return attribute(name).has_value();
}

std::vector<XmlElement> XmlElement::children() const {
    std::vector<XmlElement> result;
    if (!m_tree)
        return result;
    for (int child = node()->firstChild; child >= 0; child = m_tree->node(child).nextSibling)
        result.emplace_back(m_tree, child);
    return result;
}

bool XmlElement::hasChildElements() const {
    return m_tree && node()->firstChild >= 0;
}

XmlElement XmlElement::child(std::string_view name) const {
    if (!m_tree)
        return {};
    for (int child = node()->firstChild; child >= 0; child = m_tree->node(child).nextSibling) {
        if (m_tree->node(child).name == name)
            return {m_tree, child};
    }
    return {};
}

std::ptrdiff_t XmlElement::sourceOffset() const {
    return m_tree ? node()->offset : -1;
}

XmlLoadResult XmlDocument::load(const std::string& path) {
    m_loaded = false;
    m_tree = std::make_unique<XmlTree>();
    const RegularFileRead read = readRegularFile(path);
    if (!read.ok)
        return {false, read.reason, 0};
    return loadFromString(read.bytes);
}

XmlLoadResult XmlDocument::loadFromString(std::string_view text) {
    m_loaded = false;
    m_tree = std::make_unique<XmlTree>();
    m_lineStarts.clear();
    const XmlParseResult parsed = parseXmlText(text, *m_tree);
    if (!parsed.ok) {
        m_tree = std::make_unique<XmlTree>();
        return {false, parsed.message, parsed.line};
    }
    m_lineStarts = {0};
    for (std::size_t at = text.find('\n'); at != std::string_view::npos;
         at = text.find('\n', at + 1))
        m_lineStarts.push_back(at + 1);
    if (root().isNull())
        return {false, "the document has no root element", 0};
    m_loaded = true;
    return {true, {}, 0};
}

XmlElement XmlDocument::root() const {
    return m_tree->empty() ? XmlElement() : XmlElement(m_tree.get(), 0);
}

XmlPosition XmlDocument::position(const XmlElement& element) const {
    const std::ptrdiff_t nameOffset = element.sourceOffset();
    if (nameOffset < 1 || m_lineStarts.empty())
        return {};
    const auto start = static_cast<std::size_t>(nameOffset - 1); // the "<" before the name
    const auto line = std::upper_bound(m_lineStarts.begin(), m_lineStarts.end(), start) - 1;
    return {static_cast<int>(line - m_lineStarts.begin()) + 1, static_cast<int>(start - *line) + 1};
}

} // namespace vantrel
