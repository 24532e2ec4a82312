// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/settings/SettingsStore.h"

#include <QSettings>

namespace vantrel {

// The per-user settings of organisation and application "Vantrel", group
// "main". QSettings compares key names exactly on this platform, so keys are
// matched here without regard to case, and a write replaces every spelling.
class QtSettingsStore : public SettingsStore {
  public:
    QtSettingsStore();
    // For tests: settings kept in an INI file of their own.
    explicit QtSettingsStore(const QString& iniPath);

    [[nodiscard]] std::optional<std::string> value(const std::string& key) const override;
    void setValue(const std::string& key, const std::string& value) override;
    void remove(const std::string& key) override;

  private:
    [[nodiscard]] QStringList spellingsOf(const std::string& key) const;

    mutable QSettings m_settings;
};

} // namespace vantrel
