// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/find/FolderSearch.h"

#include <QWidget>

#include <functional>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;

namespace vantrel {

class UiStrings;

// Tools > Find in Seem Folder: a text, and every file of the folder with its
// settings that mention it, a line each; Enter on a line asks for that
// file with that setting chosen.
class FindInFolderWindow : public QWidget {
    Q_OBJECT

  public:
    // definitionsRoot: the definitions the window's files are read with, now.
    FindInFolderWindow(const UiStrings& strings, std::function<XmlElement()> definitionsRoot,
                       QWidget* owner);

    void retranslate();
    void setFolder(const QString& folder);
    // Searches the folder for text now (as Enter in the box does).
    void search(const QString& text);
    [[nodiscard]] QListWidget* list() const { return m_list; }
    [[nodiscard]] QLineEdit* textBox() const { return m_text; }

  signals:
    void matchChosen(const QString& path, const SettingMatch& match);

  private:
    void showResult(const FolderSearchResult& result, const QString& text);

    const UiStrings& m_strings;
    QString m_folder;
    std::function<XmlElement()> m_definitionsRoot;
    QLabel* m_hint;
    QLineEdit* m_text;
    QLabel* m_summary;
    QListWidget* m_list;
    std::vector<std::pair<QString, SettingMatch>> m_lines; // by the row's data
};

} // namespace vantrel
