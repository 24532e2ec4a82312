// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/kinds/Kinds.h"
#include "core/settings/SettingsStore.h"
#include "core/xml/XmlDocument.h"

namespace vantrel::kinds {

namespace {

class NoKind final : public SeemKind {
  public:
    [[nodiscard]] EditorKind kind() const override { return EditorKind::None; }

    void checkItems(const XmlElement& type, const ByteGrid& /*grid*/,
                    DefinitionProblems& problems) const override {
        const std::string name = toLowerAscii(type.attribute("type").value_or(""));
        noteWarning(&problems, type,
                    "no editor for the type \"" + name + "\"; its files open in the grid only");
    }
};

} // namespace

const SeemKind& noKind() {
    static const NoKind kind;
    return kind;
}

} // namespace vantrel::kinds
