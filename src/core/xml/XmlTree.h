// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vantrel {

// The elements of a parsed XML file and their attributes, nothing else: what
// language.xml and the definitions documents are read for. A parser back end
// fills it in document order with startElement/addAttribute/endElement.
class XmlTree {
  public:
    struct Node {
        std::string name;
        std::vector<std::pair<std::string, std::string>> attributes;
        int firstChild = -1;
        int nextSibling = -1;
        int lastChild = -1;
        std::ptrdiff_t offset = -1; // where the name starts in the text; -1 when not known
    };

    // A new element inside the one last started and not yet ended; the first
    // one is the root, and anything after the root has ended is ignored.
    void startElement(std::string name, std::ptrdiff_t offset = -1);
    // An attribute of the element last started.
    void addAttribute(std::string name, std::string value);
    void endElement();

    [[nodiscard]] bool empty() const { return m_nodes.empty(); }
    [[nodiscard]] const Node& node(int index) const {
        return m_nodes[static_cast<std::size_t>(index)];
    }

  private:
    std::vector<Node> m_nodes;
    std::vector<int> m_open;
    bool m_rootEnded = false;
};

// What a back end reports. On failure the message is the parser's words and
// line the line it stopped at (1-based; 0 when the parser does not say).
struct XmlParseResult {
    bool ok = false;
    std::string message;
    int line = 0;
};

// Parses text into tree (which starts empty): pugixml in the native build, the
// JavaScript host's DOMParser in the WebAssembly build. Either refuses external
// entities and does not expand entity definitions without bound.
[[nodiscard]] XmlParseResult parseXmlText(std::string_view text, XmlTree& tree);

} // namespace vantrel
