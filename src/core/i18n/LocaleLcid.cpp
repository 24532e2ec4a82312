// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/i18n/LocaleLcid.h"

#include <array>
#include <string>

namespace vantrel {

namespace {

struct LocaleEntry {
    std::string_view name;
    std::int32_t lcid;
};

// The first entry of each language is its main country, used for a bare language name.
constexpr std::array kLocales{
    LocaleEntry{"zh_CN", 0x0804}, LocaleEntry{"zh_TW", 0x0404}, LocaleEntry{"zh_HK", 0x0C04},
    LocaleEntry{"zh_SG", 0x1004}, LocaleEntry{"zh_MO", 0x1404}, LocaleEntry{"en_US", 0x0409},
    LocaleEntry{"en_GB", 0x0809}, LocaleEntry{"en_AU", 0x0C09}, LocaleEntry{"en_CA", 0x1009},
    LocaleEntry{"en_NZ", 0x1409}, LocaleEntry{"en_IE", 0x1809}, LocaleEntry{"en_IN", 0x4009},
    LocaleEntry{"en_SG", 0x4809}, LocaleEntry{"de_DE", 0x0407}, LocaleEntry{"fr_FR", 0x040C},
    LocaleEntry{"es_ES", 0x0C0A}, LocaleEntry{"it_IT", 0x0410}, LocaleEntry{"ja_JP", 0x0411},
    LocaleEntry{"ko_KR", 0x0412}, LocaleEntry{"pt_BR", 0x0416}, LocaleEntry{"pt_PT", 0x0816},
    LocaleEntry{"ru_RU", 0x0419}, LocaleEntry{"pl_PL", 0x0415}, LocaleEntry{"nl_NL", 0x0413},
    LocaleEntry{"tr_TR", 0x041F}, LocaleEntry{"vi_VN", 0x042A}, LocaleEntry{"th_TH", 0x041E},
};

std::string normalized(std::string_view name) {
    const auto cut = name.find_first_of(".@");
    std::string result(name.substr(0, cut));
    for (char& c : result) {
        if (c == '-')
            c = '_';
    }
    const auto underscore = result.find('_');
    for (std::size_t i = 0; i < result.size(); ++i) {
        const bool country = underscore != std::string::npos && i > underscore;
        const char c = result[i];
        if (country && c >= 'a' && c <= 'z')
            result[i] = static_cast<char>(c - 'a' + 'A');
        if (!country && c >= 'A' && c <= 'Z')
            result[i] = static_cast<char>(c - 'A' + 'a');
    }
    return result;
}

} // namespace

std::optional<std::int32_t> lcidForLocaleName(std::string_view name) {
    const std::string wanted = normalized(name);
    if (wanted.empty())
        return std::nullopt;
    const bool bareLanguage = wanted.find('_') == std::string::npos;
    for (const LocaleEntry& entry : kLocales) {
        if (entry.name == wanted)
            return entry.lcid;
        if (bareLanguage && entry.name.substr(0, entry.name.find('_')) == wanted)
            return entry.lcid;
    }
    return std::nullopt;
}

std::optional<std::string_view> localeNameForLcid(std::int32_t lcid) {
    for (const LocaleEntry& entry : kLocales) {
        if (entry.lcid == lcid)
            return entry.name;
    }
    return std::nullopt;
}

} // namespace vantrel
