// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <vector>

class QAction;
class QMenu;

namespace vantrel {

class SettingsStore;

// The recent-file items (mnuFileList) of the File menu, built from the
// settings: one numbered item per entry, newest first, or one disabled item
// saying the list is empty. Items are made when needed and never removed.
class RecentFilesMenu : public QObject {
    Q_OBJECT

  public:
    // The items go into menu before the action before.
    RecentFilesMenu(QMenu* menu, QAction* before, SettingsStore& settings);

    // Rebuilds the items from the settings.
    void rebuild();
    // Adds path as the newest entry and rebuilds the items.
    void addRecentFile(const QString& path);
    // The text of the disabled item shown while the list is empty.
    void setEmptyText(const QString& text);

    [[nodiscard]] const std::vector<QAction*>& items() const { return m_items; }
    // The entries as the menu lists them, newest first.
    [[nodiscard]] const QStringList& paths() const { return m_paths; }

  signals:
    // The user chose the entry holding path.
    void fileChosen(const QString& path);

  private:
    QAction* item(std::size_t index);

    QMenu* m_menu;
    QAction* m_before;
    SettingsStore& m_settings;
    std::vector<QAction*> m_items;
    QStringList m_paths;
    QString m_emptyText;
};

} // namespace vantrel
