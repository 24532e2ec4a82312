// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/i18n/LanguageFile.h"
#include "core/session/EditingSession.h"
#include "core/settings/SettingsStore.h"

#include <QString>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel::testing {

// An editing session over definitions of a test's own, in the built-in
// English strings, with its settings in memory: what an editor or a
// controller is given in place of the window's.
class TestSession {
  public:
    // Loads definitions (a whole definitions document) and opens bytes under name.
    OpenResult open(const std::string& definitions, std::vector<std::uint8_t> bytes,
                    const std::string& name = "file.seem") {
        EXPECT_FALSE(session.loadDefinitionsText(definitions, "test.xml"));
        return session.openBytes(name, std::move(bytes));
    }

    // Types digits into a cell through the session, as the grid does.
    void type(int cell, std::string_view digits) {
        session.focusCell(cell);
        for (char digit : digits)
            session.typeCharacter(digit);
    }

    [[nodiscard]] const ByteGrid& grid() const { return session.grid(); }
    [[nodiscard]] QString str(UiString id) const {
        return QString::fromStdString(session.strings().get(id));
    }

    LanguageFile language; // nothing loaded: the built-in strings
    MemorySettingsStore settings;
    EditingSession session{language, settings};
};

} // namespace vantrel::testing
