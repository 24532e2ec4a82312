// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/xml/XmlTree.h"

namespace vantrel {

void XmlTree::startElement(std::string name, std::ptrdiff_t offset) {
    if (m_rootEnded)
        return;
    const int index = static_cast<int>(m_nodes.size());
    if (!m_open.empty()) {
        Node& parent = m_nodes[static_cast<std::size_t>(m_open.back())];
        if (parent.lastChild >= 0)
            m_nodes[static_cast<std::size_t>(parent.lastChild)].nextSibling = index;
        else
            parent.firstChild = index;
        parent.lastChild = index;
    }
    Node node;
    node.name = std::move(name);
    node.offset = offset;
    m_nodes.push_back(std::move(node));
    m_open.push_back(index);
}

void XmlTree::addAttribute(std::string name, std::string value) {
    if (!m_open.empty())
        m_nodes[static_cast<std::size_t>(m_open.back())].attributes.emplace_back(std::move(name),
                                                                                 std::move(value));
}

void XmlTree::endElement() {
    if (m_open.empty())
        return;
    m_open.pop_back();
    m_rootEnded = m_open.empty();
}

} // namespace vantrel
