// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/i18n/LanguageFile.h"

#include "core/base/BitHelpers.h"
#include "core/i18n/BuiltinStrings.h"

#include <algorithm>
#include <unordered_set>

namespace vantrel {

namespace {

// The low ten bits of a Windows locale ID name the language; the rest, its country.
constexpr std::uint32_t kPrimaryLanguageMask = 0x3FF;

std::string describeElement(const std::string& what, std::size_t position) {
    return what + " " + std::to_string(position + 1);
}

} // namespace

std::optional<Failure> LanguageFile::load(const std::string& path, SettingsStore& settings,
                                          std::optional<std::int32_t> systemLcid) {
    m_path = path;
    m_index = 0;
    m_captions.clear();
    return finishLoad(m_document.load(path), settings, systemLcid);
}

std::optional<Failure> LanguageFile::loadText(std::string_view text, const std::string& name,
                                              SettingsStore& settings,
                                              std::optional<std::int32_t> systemLcid) {
    m_path = name;
    m_index = 0;
    m_captions.clear();
    return finishLoad(m_document.loadFromString(text), settings, systemLcid);
}

std::optional<Failure> LanguageFile::finishLoad(const XmlLoadResult& loaded,
                                                SettingsStore& settings,
                                                std::optional<std::int32_t> systemLcid) {
    const std::string& path = m_path;
    if (!loaded.ok && loaded.line == 0)
        return Failure{m_strings.format(UiString::ReadFailed, {path, loaded.message})};
    if (!loaded.ok) {
        return Failure{m_strings.format(UiString::MalformedXml,
                                        {path, loaded.message, std::to_string(loaded.line)})};
    }
    const XmlElement root = m_document.root();
    // A fault in one place should not cost the menu or the strings the rest
    // of the file still offers, so both steps run and the first fault is told.
    const auto choiceFailure = chooseIndex(root, settings, systemLcid);
    const auto readFailure = readLanguages(root);
    if (static_cast<std::size_t>(m_index) >= m_languages.size())
        m_index = 0;
    indexCaptions();
    if (choiceFailure || readFailure)
        return Failure{path + ": " + (choiceFailure ? choiceFailure : readFailure)->message};
    return std::nullopt;
}

std::optional<Failure> LanguageFile::choose(int index, const std::string& path,
                                            SettingsStore& settings,
                                            std::optional<std::int32_t> systemLcid) {
    settings.setValue("language", std::to_string(index));
    return load(path, settings, systemLcid);
}

std::optional<Failure> LanguageFile::chooseIndex(const XmlElement& root, SettingsStore& settings,
                                                 std::optional<std::int32_t> systemLcid) {
    const std::size_t count = root.children().size();
    const auto usable = [count](std::optional<std::int64_t> n) {
        return n && *n >= 0 && static_cast<std::size_t>(*n) < count;
    };
    const std::string stored = settings.read("language", "");
    if (!stored.empty()) {
        const auto n = parseDecimal(stored);
        m_index = usable(n) ? static_cast<int>(*n) : 0;
        return std::nullopt;
    }
    if (!systemLcid)
        return std::nullopt;
    const auto languages = root.children();
    std::vector<std::optional<std::uint32_t>> lcids;
    for (std::size_t i = 0; i < languages.size(); ++i) {
        const auto value = languages[i].attribute("value");
        if (!value)
            return Failure{describeElement("language", i) + " has no \"value\""};
        lcids.push_back(parseHex(*value));
    }
    // The exact locale first; then the same language of another country
    // (en_GB takes English, zh_TW Chinese); else language 0 stays.
    const auto matching = [&](std::uint32_t mask) -> std::optional<std::size_t> {
        const auto wanted = static_cast<std::uint32_t>(*systemLcid) & mask;
        for (std::size_t i = 0; i < lcids.size(); ++i) {
            if (lcids[i] && (*lcids[i] & mask) == wanted)
                return i;
        }
        return std::nullopt;
    };
    const std::optional<std::size_t> found =
        matching(0xFFFFFFFFU) ? matching(0xFFFFFFFFU) : matching(kPrimaryLanguageMask);
    if (!found)
        return std::nullopt;
    const auto id = parseDecimal(languages[*found].attribute("id").value_or(""));
    if (!id)
        return Failure{describeElement("language", *found) + " has no numeric \"id\""};
    m_index = usable(id) ? static_cast<int>(*id) : 0;
    settings.setValue("language", std::to_string(*id));
    return std::nullopt;
}

std::optional<Failure> LanguageFile::readLanguages(const XmlElement& root) {
    const auto languages = root.children();
    for (std::size_t i = 0; i < languages.size(); ++i) {
        const auto text = languages[i].attribute("text");
        const auto function = languages[i].attribute("function");
        if (!text || !function)
            return Failure{describeElement("language", i) + " needs \"text\" and \"function\""};
        const auto lcid = parseHex(languages[i].attribute("value").value_or(""));
        const LanguageMenuItem item{*text, *function,
                                    lcid ? std::optional(static_cast<std::int32_t>(*lcid))
                                         : std::nullopt};
        if (i < m_languages.size())
            m_languages[i] = item;
        else
            m_languages.push_back(item);
        if (static_cast<int>(i) == m_index) {
            if (auto failure = readStringTable(languages[i]))
                return failure;
        }
    }
    return std::nullopt;
}

std::optional<Failure> LanguageFile::readStringTable(const XmlElement& language) {
    for (const XmlElement& child : language.children()) {
        if (child.name() != "StringTable")
            continue;
        std::vector<std::string> table;
        const auto entries = child.children();
        for (std::size_t k = 0; k < entries.size(); ++k) {
            const auto text = entries[k].attribute("text");
            if (!text) {
                m_strings.replace(std::move(table));
                return Failure{"string " + std::to_string(k) +
                               " of the string table has no \"text\""};
            }
            table.push_back(*text);
        }
        m_strings.replace(std::move(table));
    }
    return std::nullopt;
}

// Every language element whose "id" is the chosen number counts, in document
// order; within one, only the first element of a name does. The first of those
// with a "Caption" wins.
void LanguageFile::indexCaptions() {
    for (const XmlElement& language : m_document.root().children()) {
        const auto id = parseDecimal(language.attribute("id").value_or(""));
        if (!id || *id != m_index)
            continue;
        std::unordered_set<std::string> seen;
        for (const XmlElement& element : language.children()) {
            std::string name = element.name();
            if (!seen.insert(name).second || m_captions.contains(name))
                continue;
            auto text = element.attribute("Caption");
            if (!text)
                continue;
            std::replace(text->begin(), text->end(), '$', '&');
            m_captions.emplace(std::move(name), std::move(*text));
        }
    }
}

std::optional<std::string> LanguageFile::caption(const std::string& window,
                                                 const std::string& control) const {
    const auto found = m_captions.find(window + "_" + control);
    if (found == m_captions.end())
        return std::nullopt;
    return found->second;
}

} // namespace vantrel
