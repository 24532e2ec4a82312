// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/SettingsStore.h"

#include <algorithm>

namespace vantrel {

std::string toLowerAscii(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    return text;
}

std::optional<std::string> MemorySettingsStore::value(const std::string& key) const {
    const auto it = m_values.find(toLowerAscii(key));
    if (it == m_values.end())
        return std::nullopt;
    return it->second;
}

void MemorySettingsStore::setValue(const std::string& key, const std::string& value) {
    m_values[toLowerAscii(key)] = value;
}

void MemorySettingsStore::remove(const std::string& key) {
    m_values.erase(toLowerAscii(key));
}

} // namespace vantrel
