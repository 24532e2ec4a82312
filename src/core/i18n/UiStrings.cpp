// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/i18n/UiStrings.h"

#include "core/i18n/BuiltinStrings.h"

namespace vantrel {

std::string UiStrings::get(UiString id) const {
    const int n = static_cast<int>(id);
    if (n >= 0 && static_cast<std::size_t>(n) < m_table.size())
        return m_table[static_cast<std::size_t>(n)];
    const auto& builtin = builtinEnglishStrings();
    if (n >= 0 && static_cast<std::size_t>(n) < builtin.size())
        return builtin[static_cast<std::size_t>(n)];
    return {};
}

std::string UiStrings::multiline(UiString id) const {
    return expandLineBreaks(get(id));
}

std::string UiStrings::format(UiString id, const std::vector<std::string>& args) const {
    const std::string pattern = get(id);
    std::string result;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        if (pattern[i] == '%' && next >= '1' && next <= '9') {
            const auto arg = static_cast<std::size_t>(next - '1');
            result += arg < args.size() ? args[arg] : std::string();
            ++i;
        } else {
            result += pattern[i];
        }
    }
    return result;
}

std::string expandLineBreaks(std::string text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n') {
            result += '\n';
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

} // namespace vantrel
