// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Failure.h"
#include "core/i18n/UiStrings.h"
#include "core/settings/SettingsStore.h"
#include "core/xml/XmlDocument.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vantrel {

// One entry of the Language menu: its caption, the definitions file it names
// and the locale (a Windows LCID) it is written for.
struct LanguageMenuItem {
    std::string caption;
    std::string definitionsFile;
    std::optional<std::int32_t> lcid;
};

// language.xml: the languages, the chosen language's string table and the
// control captions. Choosing follows the stored "language" setting, else the
// system locale (exactly, else by its language alone); an unusable choice, or
// a locale of no listed language, falls back to language 0.
class LanguageFile {
  public:
    // Loads language.xml from path and chooses the language. Returns a
    // description of what failed (file, line, what is missing), or nothing;
    // whatever was read before a failure stays in effect.
    std::optional<Failure> load(const std::string& path, SettingsStore& settings,
                                std::optional<std::int32_t> systemLcid);
    // The same for language.xml's text, read elsewhere; name stands for its path in messages.
    std::optional<Failure> loadText(std::string_view text, const std::string& name,
                                    SettingsStore& settings,
                                    std::optional<std::int32_t> systemLcid);

    // The user picked language index from the menu: stored and loaded.
    std::optional<Failure> choose(int index, const std::string& path, SettingsStore& settings,
                                  std::optional<std::int32_t> systemLcid);

    [[nodiscard]] int index() const { return m_index; }
    [[nodiscard]] const std::vector<LanguageMenuItem>& languages() const { return m_languages; }
    [[nodiscard]] const UiStrings& strings() const { return m_strings; }
    [[nodiscard]] const XmlDocument& document() const { return m_document; }

    // The caption of window_control in the chosen language with every "$"
    // turned into "&", or nothing when language.xml has none.
    [[nodiscard]] std::optional<std::string> caption(const std::string& window,
                                                     const std::string& control) const;

  private:
    std::optional<Failure> finishLoad(const XmlLoadResult& loaded, SettingsStore& settings,
                                      std::optional<std::int32_t> systemLcid);
    std::optional<Failure> chooseIndex(const XmlElement& root, SettingsStore& settings,
                                       std::optional<std::int32_t> systemLcid);
    std::optional<Failure> readLanguages(const XmlElement& root);
    std::optional<Failure> readStringTable(const XmlElement& language);
    void indexCaptions();

    std::string m_path;
    XmlDocument m_document;
    int m_index = 0;
    std::vector<LanguageMenuItem> m_languages;
    UiStrings m_strings;
    // Caption element name ("<window>_<control>") to caption, for the chosen
    // language, made once per load: a window asks once for every control, and
    // the Language menu alone has one control per language.
    std::unordered_map<std::string, std::string> m_captions;
};

} // namespace vantrel
