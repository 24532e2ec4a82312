// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/find/FindInFolderWindow.h"

#include "core/i18n/PluralText.h"
#include "core/i18n/UiStrings.h"
#include "gui/i18n/ApplyLanguage.h"
#include "gui/i18n/UiText.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace vantrel {

namespace {

constexpr int kLineRole = Qt::UserRole;

} // namespace

FindInFolderWindow::FindInFolderWindow(const UiStrings& strings,
                                       std::function<XmlElement()> definitionsRoot, QWidget* owner)
    : QWidget(owner, Qt::Window), m_strings(strings), m_definitionsRoot(std::move(definitionsRoot)),
      m_hint(new QLabel(this)), m_text(new QLineEdit(this)), m_summary(new QLabel(this)),
      m_list(new QListWidget(this)) {
    setObjectName(QStringLiteral("frmFindInFolder"));
    m_hint->setObjectName(QStringLiteral("lblFindInFolderHint"));
    m_hint->setWordWrap(true);
    m_hint->setBuddy(m_text);
    m_text->setObjectName(QStringLiteral("txtFindInFolder"));
    m_summary->setObjectName(QStringLiteral("lblFindInFolderStatus"));
    m_summary->setTextFormat(Qt::PlainText);
    m_list->setObjectName(QStringLiteral("lstFindInFolder"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_hint);
    layout->addWidget(m_text);
    layout->addWidget(m_summary);
    layout->addWidget(m_list, 1);
    connect(m_text, &QLineEdit::returnPressed, this, [this] { search(m_text->text()); });
    connect(m_list, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        const QVariant line = item->data(kLineRole);
        if (!line.isValid())
            return;
        const auto& [path, match] = m_lines.at(line.toULongLong());
        emit matchChosen(path, match);
    });
    retranslate();
    resize(owner->width() * 2 / 3, owner->height() * 2 / 3);
}

void FindInFolderWindow::retranslate() {
    setWindowTitle(plainCaption(uiText(m_strings, UiString::FindInFolderTitle)) +
                   (m_folder.isEmpty() ? QString() : QStringLiteral(" - ") + m_folder));
    m_hint->setText(uiText(m_strings, UiString::FindInFolderHint));
    m_text->setAccessibleName(plainCaption(uiText(m_strings, UiString::FindInFolderTitle)));
    m_text->setAccessibleDescription(m_hint->text());
    m_list->setAccessibleName(windowTitle());
}

void FindInFolderWindow::setFolder(const QString& folder) {
    m_folder = folder;
    retranslate();
}

void FindInFolderWindow::search(const QString& text) {
    if (m_text->text() != text)
        m_text->setText(text);
    if (text.isEmpty()) {
        m_list->clear();
        m_lines.clear();
        m_summary->setText(uiText(m_strings, UiString::FindTypeSomething));
        return;
    }
    showResult(findInSeemFolder(m_folder.toStdString(), m_definitionsRoot(), text.toStdString()),
               text);
}

void FindInFolderWindow::showResult(const FolderSearchResult& result, const QString& text) {
    m_list->clear();
    m_lines.clear();
    for (const FileSettingMatches& file : result.files) {
        for (const SettingMatch& match : file.matches) {
            auto* item = new QListWidgetItem(uiText(folderMatchLine(m_strings, file.name, match)));
            item->setData(kLineRole, static_cast<qulonglong>(m_lines.size()));
            m_lines.emplace_back(uiText(file.path), match);
            m_list->addItem(item);
        }
    }
    for (const auto* problems : {&result.unreadable, &result.skipped}) {
        for (const std::string& problem : *problems)
            m_list->addItem(uiText(m_strings, UiString::FindInFolderUnreadable, {problem}));
    }
    const auto count = static_cast<std::int64_t>(m_lines.size());
    const std::string folder = m_folder.toStdString();
    m_summary->setText(
        count > 0 ? uiText(pluralText(m_strings, UiString::FindInFolderCount, count,
                                      {std::to_string(count), folder}))
                  : uiText(m_strings, UiString::FindInFolderNone, {text.toStdString(), folder}));
    m_summary->setAccessibleName(m_summary->text());
    m_list->setAccessibleDescription(m_summary->text());
    QAccessibleEvent said(m_summary, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&said);
    if (m_list->count() > 0)
        m_list->setCurrentRow(0);
}

} // namespace vantrel
