// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/shell/RecentFilesMenu.h"

#include "desktop/shell/RecentFiles.h"
#include "gui/i18n/UiText.h"

#include <QAction>
#include <QMenu>

namespace vantrel {

RecentFilesMenu::RecentFilesMenu(QMenu* menu, QAction* before, SettingsStore& settings)
    : QObject(menu), m_menu(menu), m_before(before), m_settings(settings) {
    rebuild();
}

void RecentFilesMenu::rebuild() {
    m_paths.clear();
    // The settings keep the oldest first; the menu puts the newest on top.
    for (const std::string& path : readRecentFiles(m_settings))
        m_paths.prepend(pathText(path));
    for (std::size_t i = 1; i < m_items.size(); ++i)
        m_items[i]->setVisible(static_cast<qsizetype>(i) < m_paths.size());
    if (m_paths.isEmpty()) {
        item(0)->setEnabled(false);
        item(0)->setText(m_emptyText);
        return;
    }
    for (qsizetype i = 0; i < m_paths.size(); ++i) {
        QAction* entry = item(static_cast<std::size_t>(i));
        entry->setVisible(true);
        entry->setEnabled(true);
        entry->setText(uiText(recentFileCaption(static_cast<int>(i), m_paths.at(i).toStdString())));
    }
}

void RecentFilesMenu::addRecentFile(const QString& path) {
    vantrel::addRecentFile(m_settings, path.toStdString());
    rebuild();
}

void RecentFilesMenu::setEmptyText(const QString& text) {
    m_emptyText = text;
    if (m_paths.isEmpty())
        item(0)->setText(text);
}

QAction* RecentFilesMenu::item(std::size_t index) {
    while (m_items.size() <= index) {
        auto* action = new QAction(m_menu);
        action->setObjectName(QStringLiteral("mnuFileList"));
        const std::size_t number = m_items.size();
        connect(action, &QAction::triggered, this, [this, number] {
            if (static_cast<qsizetype>(number) < m_paths.size())
                emit fileChosen(m_paths.at(static_cast<qsizetype>(number)));
        });
        m_menu->insertAction(m_before, action);
        m_items.push_back(action);
    }
    return m_items[index];
}

} // namespace vantrel
