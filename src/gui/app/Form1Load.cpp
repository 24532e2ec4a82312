// Start-up, the two window states, the language menu and the program's end.
#include "gui/app/Form1.h"

#include "core/app/SeemTypeCatalog.h"
#include "core/i18n/BuiltinStrings.h"
#include "gui/dialogs/MessageBox.h"
#include "gui/document/ByteGridView.h"
#include "gui/document/FunctionTreeEditor.h"
#include "gui/editors/ColorPanel.h"
#include "gui/editors/StyleListEditor.h"
#include "gui/editors/VolumePanel.h"
#include "gui/i18n/ApplyLanguage.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTreeWidget>

namespace vantrel {

bool Form1::Form_Load(const QString& commandLine) {
    m_mainCaption = windowTitle();
    m_appDir = m_env.appDir;
    if (!m_appDir.endsWith(QDir::separator()) && !m_appDir.endsWith(QLatin1Char('/')))
        m_appDir += QLatin1Char('/');

    if (auto failure = m_language.load(languagePath().toStdString(), m_settings,
                                       m_env.systemLcid ? m_env.systemLcid() : std::nullopt))
        showMessage(this, MessageIcon::Critical,
                    str(21) + QLatin1Char('\n') + QString::fromStdString(*failure));
    rebuildLanguageMenu();
    applyCaptions();
    m_definitionsPath =
        m_appDir + m_mnuLans[static_cast<std::size_t>(m_language.index())]->data().toString();
    m_lblSoftTip->setText(str(43));

    m_seemFolder = QString::fromStdString(m_settings.read("SeemFolder", m_appDir.toStdString()));
    m_mnuEditFunction->setEnabled(!m_seemFolder.isEmpty());

    const XmlLoadResult definitions = m_xml.load(m_definitionsPath.toStdString());
    if (!definitions.ok) {
        const QString detail =
            definitions.line > 0
                ? QString::fromStdString(strings().format(
                      StrMalformedXml, {m_definitionsPath.toStdString(), definitions.message,
                                        std::to_string(definitions.line)}))
                : QString::fromStdString(strings().format(
                      StrReadFailed, {m_definitionsPath.toStdString(), definitions.message}));
        showMessage(this, MessageIcon::Critical, str(3) + QLatin1Char('\n') + detail);
        return false;
    }
    ResetView(false);

    bool startupFailed = false;
    if (auto failure = buildSeemTypeCatalog(m_xml.root(), m_catalog)) {
        const std::string description = m_definitionsPath.toStdString() + ": " + *failure;
        showMessage(this, MessageIcon::Information,
                    QString::fromStdString(strings().format(StrStartupFailed, {description})));
        startupFailed = true;
    }
    m_lblSoftTip->setText(QString::fromStdString(strings().multiline(43)));
    show();
    if (startupFailed)
        return true;

    const QFileInfo named(commandLine);
    if (commandLine.contains(QLatin1Char('/')) && named.isFile())
        OpenSeemFile(named.absoluteFilePath());
    m_mnuShowTip->setChecked(m_settings.read("ShowTip", "1") == "1");
    return true;
}

QString Form1::languagePath() const {
    return m_appDir + QStringLiteral("language.xml");
}

void Form1::rebuildLanguageMenu() {
    const auto& languages = m_language.languages();
    for (std::size_t i = 0; i < languages.size(); ++i) {
        if (i == m_mnuLans.size()) {
            auto* item = new QAction(m_mnuLanguage);
            item->setObjectName(QStringLiteral("mnuLans"));
            item->setCheckable(true);
            m_languageGroup->addAction(item);
            m_mnuLanguage->addAction(item);
            const int index = static_cast<int>(i);
            connect(item, &QAction::triggered, this, [this, index] { mnuLans_Click(index); });
            m_mnuLans.push_back(item);
        }
        m_mnuLans[i]->setText(QString::fromStdString(languages[i].caption));
        m_mnuLans[i]->setData(QString::fromStdString(languages[i].definitionsFile));
    }
    if (m_mnuLans.empty()) {
        // Without a readable language.xml the menu still offers the one language we have.
        auto* item = new QAction(QStringLiteral("English"), m_mnuLanguage);
        item->setObjectName(QStringLiteral("mnuLans"));
        item->setCheckable(true);
        m_languageGroup->addAction(item);
        m_mnuLanguage->addAction(item);
        m_mnuLans.push_back(item);
    }
    const std::size_t chosen = static_cast<std::size_t>(m_language.index());
    if (chosen < m_mnuLans.size())
        m_mnuLans[chosen]->setChecked(true);
}

void Form1::applyCaptions() {
    ApplyLanguage(this, m_language);
    if (!m_isLoaded)
        setStatus(1, str(1));
}

void Form1::mnuLans_Click(int index) {
    if (auto failure = m_language.choose(index, languagePath().toStdString(), m_settings,
                                         m_env.systemLcid ? m_env.systemLcid() : std::nullopt))
        showMessage(this, MessageIcon::Critical,
                    str(21) + QLatin1Char('\n') + QString::fromStdString(*failure));
    rebuildLanguageMenu();
    m_lblSoftTip->setText(QString::fromStdString(strings().multiline(43)));
    applyCaptions();
    m_definitionsPath =
        m_appDir + m_mnuLans[static_cast<std::size_t>(m_language.index())]->data().toString();
    const XmlLoadResult definitions = m_xml.load(m_definitionsPath.toStdString());
    if (!definitions.ok) {
        showMessage(this, MessageIcon::Critical,
                    str(3) + QLatin1Char('\n') +
                        QString::fromStdString(strings().format(
                            StrMalformedXml, {m_definitionsPath.toStdString(), definitions.message,
                                              std::to_string(definitions.line)})));
    }
    m_picEdit->viewport()->update();
}

void Form1::ResetView(bool loaded) {
    m_picEdit->setEnabled(loaded);
    m_mnuSave->setEnabled(loaded);
    m_mnuSaveAs->setEnabled(loaded);
    m_mnuClose->setEnabled(loaded);
    for (QWidget* part : std::initializer_list<QWidget*>{
             m_frameSet, m_picEdit, m_tvwFuct, m_lvwStyle, m_tvwColor, m_frameColor, m_frameVolume})
        part->setVisible(loaded);
    m_mnuLanguage->setEnabled(!loaded);
    m_mnuLanguage->menuAction()->setEnabled(!loaded);
    m_mnuReload->setEnabled(loaded);
    m_tvwFuct->setEnabled(loaded);
    m_isLoaded = loaded;
    m_picEdit->setNavigationEnabled(loaded);
    for (QWidget* part : std::initializer_list<QWidget*>{m_label2, m_label3, m_lblSoftTip})
        part->setVisible(!loaded);
    setStatus(2, QString());
    setStatus(1, str(loaded ? 0 : 1));
}

void Form1::mnuShowTip_Click() {
    m_settings.setValue("ShowTip", m_mnuShowTip->isChecked() ? "1" : "0");
}

void Form1::mnuExit_Click() {
    close();
}

} // namespace vantrel
