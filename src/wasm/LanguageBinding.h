// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/i18n/LanguageFile.h"

#include <emscripten/val.h>

#include <string>

namespace vantrel::wasm {

// language.xml from its text, with the language chosen as the desktop chooses it.
class Language {
  public:
    Language(const std::string& text, const emscripten::val& options);

    [[nodiscard]] int index() const { return m_file.index(); }
    [[nodiscard]] std::string problem() const { return m_problem; }
    // Nothing of the file could be used: the constructor's caller is refused.
    [[nodiscard]] bool unusable() const { return m_file.languages().empty(); }
    [[nodiscard]] emscripten::val languages() const;
    [[nodiscard]] std::string string(int n, const emscripten::val& args) const;
    [[nodiscard]] emscripten::val caption(const std::string& window,
                                          const std::string& control) const;
    [[nodiscard]] const UiStrings& strings() const { return m_file.strings(); }

  private:
    LanguageFile m_file;
    std::string m_problem;
};

// The module's functions of languages, strings and the two text records.
void setLanguage(const Language& language);
std::string uiString(int n, const emscripten::val& args);
emscripten::val lcidForLocale(const std::string& name);
emscripten::val projectInfo();
emscripten::val outerTextRecord(const std::string& text);
emscripten::val outerTextInfo(const std::string& text);
emscripten::val gprsRecord(const std::string& mode, const std::string& text);

} // namespace vantrel::wasm
