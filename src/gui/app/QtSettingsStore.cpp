// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/QtSettingsStore.h"

namespace vantrel {

namespace {
const QString kGroup = QStringLiteral("main");
}

QtSettingsStore::QtSettingsStore()
    : m_settings(QStringLiteral("Vantrel"), QStringLiteral("Vantrel")) {}

QtSettingsStore::QtSettingsStore(const QString& iniPath)
    : m_settings(iniPath, QSettings::IniFormat) {}

QStringList QtSettingsStore::spellingsOf(const std::string& key) const {
    const QString wanted = QString::fromStdString(key);
    m_settings.beginGroup(kGroup);
    QStringList matches;
    for (const QString& existing : m_settings.childKeys()) {
        if (existing.compare(wanted, Qt::CaseInsensitive) == 0)
            matches.append(existing);
    }
    m_settings.endGroup();
    return matches;
}

std::optional<std::string> QtSettingsStore::value(const std::string& key) const {
    const QStringList spellings = spellingsOf(key);
    if (spellings.isEmpty())
        return std::nullopt;
    return m_settings.value(kGroup + '/' + spellings.first()).toString().toStdString();
}

void QtSettingsStore::setValue(const std::string& key, const std::string& value) {
    remove(key);
    m_settings.setValue(kGroup + '/' + QString::fromStdString(key), QString::fromStdString(value));
    m_settings.sync();
}

void QtSettingsStore::remove(const std::string& key) {
    for (const QString& spelling : spellingsOf(key))
        m_settings.remove(kGroup + '/' + spelling);
}

} // namespace vantrel
