// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <optional>
#include <string>

namespace vantrel {

// Per-user text settings of section "main". Key names are compared without
// regard to case: "File0" and "file0" name the same value.
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;

    [[nodiscard]] virtual std::optional<std::string> value(const std::string& key) const = 0;
    virtual void setValue(const std::string& key, const std::string& value) = 0;
    virtual void remove(const std::string& key) = 0;

    [[nodiscard]] std::string read(const std::string& key, const std::string& fallback) const {
        return value(key).value_or(fallback);
    }
};

// Settings held in memory only; for tests and as the store of last resort.
class MemorySettingsStore : public SettingsStore {
  public:
    [[nodiscard]] std::optional<std::string> value(const std::string& key) const override;
    void setValue(const std::string& key, const std::string& value) override;
    void remove(const std::string& key) override;

  private:
    std::map<std::string, std::string> m_values; // keyed by lower-cased name
};

[[nodiscard]] std::string toLowerAscii(std::string text);

} // namespace vantrel
