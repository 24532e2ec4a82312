// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/xml/XmlDocument.h"

#include "core/files/RegularFile.h"

#include <algorithm>
#include <iterator>

namespace vantrel {

std::string XmlElement::name() const {
    return m_node ? m_node.name() : std::string();
}

std::optional<std::string> XmlElement::attribute(std::string_view name) const {
    if (!m_node)
        return std::nullopt;
    const pugi::xml_attribute attr = m_node.attribute(std::string(name).c_str());
    if (!attr)
        return std::nullopt;
    return std::string(attr.value());
}

bool XmlElement::hasAttribute(std::string_view name) const {
    return attribute(name).has_value();
}

std::vector<XmlElement> XmlElement::children() const {
    std::vector<XmlElement> result;
    for (pugi::xml_node child = m_node.first_child(); child; child = child.next_sibling()) {
        if (child.type() == pugi::node_element)
            result.emplace_back(child);
    }
    return result;
}

bool XmlElement::hasChildElements() const {
    for (pugi::xml_node child = m_node.first_child(); child; child = child.next_sibling()) {
        if (child.type() == pugi::node_element)
            return true;
    }
    return false;
}

XmlElement XmlElement::child(std::string_view name) const {
    if (!m_node)
        return {};
    return XmlElement(m_node.child(std::string(name).c_str()));
}

std::ptrdiff_t XmlElement::sourceOffset() const {
    return m_node ? m_node.offset_debug() : -1;
}

namespace {

int lineOfOffset(std::string_view text, std::ptrdiff_t offset) {
    if (offset < 0)
        return 0;
    const auto end = text.begin() + std::min<std::ptrdiff_t>(offset, std::ssize(text));
    return 1 + static_cast<int>(std::count(text.begin(), end, '\n'));
}

} // namespace

XmlLoadResult XmlDocument::load(const std::string& path) {
    m_loaded = false;
    m_doc.reset();
    const RegularFileRead read = readRegularFile(path);
    if (!read.ok)
        return {false, read.reason, 0};
    return loadFromString(read.bytes);
}

XmlLoadResult XmlDocument::loadFromString(std::string_view text) {
    m_loaded = false;
    m_doc.reset();
    m_lineStarts.clear();
    const pugi::xml_parse_result result =
        m_doc.load_buffer(text.data(), text.size(), pugi::parse_default, pugi::encoding_auto);
    return finish(result, text);
}

XmlLoadResult XmlDocument::finish(const pugi::xml_parse_result& result, std::string_view text) {
    if (!result)
        return {false, result.description(), lineOfOffset(text, result.offset)};
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
    return XmlElement(m_doc.document_element());
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
