// SPDX-License-Identifier: GPL-3.0-or-later
// The native back end: pugixml, which knows no document type definitions, so
// it neither fetches external entities nor expands declared ones.
#include "core/xml/XmlTree.h"

#include <pugixml.hpp>

#include <algorithm>
#include <iterator>

namespace vantrel {

namespace {

int lineOfOffset(std::string_view text, std::ptrdiff_t offset) {
    if (offset < 0)
        return 0;
    const auto end = text.begin() + std::min<std::ptrdiff_t>(offset, std::ssize(text));
    return 1 + static_cast<int>(std::count(text.begin(), end, '\n'));
}

pugi::xml_node firstElement(pugi::xml_node node) {
    while (node && node.type() != pugi::node_element)
        node = node.next_sibling();
    return node;
}

void startElement(XmlTree& tree, const pugi::xml_node& node) {
    tree.startElement(node.name(), node.offset_debug());
    for (const pugi::xml_attribute& attribute : node.attributes())
        tree.addAttribute(attribute.name(), attribute.value());
}

} // namespace

XmlParseResult parseXmlText(std::string_view text, XmlTree& tree) {
    pugi::xml_document document;
    const pugi::xml_parse_result parsed =
        document.load_buffer(text.data(), text.size(), pugi::parse_default, pugi::encoding_auto);
    if (!parsed)
        return {false, parsed.description(), lineOfOffset(text, parsed.offset)};
    const pugi::xml_node root = document.document_element();
    if (!root)
        return {true, {}, 0};
    // Without recursion: a hostile file may nest elements a million deep.
    pugi::xml_node node = root;
    startElement(tree, node);
    while (true) {
        if (const pugi::xml_node child = firstElement(node.first_child())) {
            node = child;
            startElement(tree, node);
            continue;
        }
        while (true) {
            tree.endElement();
            if (node == root)
                return {true, {}, 0};
            if (const pugi::xml_node sibling = firstElement(node.next_sibling())) {
                node = sibling;
                startElement(tree, node);
                break;
            }
            node = node.parent();
        }
    }
}

} // namespace vantrel
