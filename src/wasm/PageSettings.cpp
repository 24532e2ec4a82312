// SPDX-License-Identifier: GPL-3.0-or-later
#include "wasm/PageSettings.h"

#include "wasm/PageValues.h"

namespace vantrel::wasm {

bool PageSettings::isStore(const val& value) {
    return isObject(value) && isCallable(value["getItem"]) && isCallable(value["setItem"]);
}

std::optional<std::string> PageSettings::value(const std::string& key) const {
    const val stored = m_storage.call<val>("getItem", key);
    if (!stored.isString())
        return std::nullopt;
    return stored.as<std::string>();
}

void PageSettings::setValue(const std::string& key, const std::string& value) {
    m_storage.call<void>("setItem", key, value);
}

void PageSettings::remove(const std::string& key) {
    m_storage.call<void>("removeItem", key);
}

} // namespace vantrel::wasm
