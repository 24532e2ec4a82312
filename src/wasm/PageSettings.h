// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/settings/SettingsStore.h"

#include <emscripten/val.h>

namespace vantrel::wasm {

// The settings a page keeps for the session (localStorage, or a store of its
// own with getItem and setItem). errors.post.js hands over a guarded copy of
// the page's store, so a store that throws never unwinds through C++; keys
// go over as the core writes them ("ShowTip", "language").
class PageSettings : public SettingsStore {
  public:
    explicit PageSettings(emscripten::val storage) : m_storage(std::move(storage)) {}

    // Whether value is a store: an object with getItem and setItem.
    [[nodiscard]] static bool isStore(const emscripten::val& value);

    [[nodiscard]] std::optional<std::string> value(const std::string& key) const override;
    void setValue(const std::string& key, const std::string& value) override;
    void remove(const std::string& key) override;

  private:
    emscripten::val m_storage;
};

} // namespace vantrel::wasm
