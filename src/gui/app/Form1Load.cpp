// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up, the two window states, the language menu and the program's end.
#include "gui/app/Form1.h"

#include "core/definitions/DefinitionsFailure.h"
#include "core/definitions/SeemTypeCatalog.h"
#include "core/i18n/BuiltinStrings.h"
#include "core/settings/TipSetting.h"
#include "gui/dialogs/MessageBox.h"
#include "gui/document/ByteGridView.h"
#include "gui/document/FunctionTreeEditor.h"
#include "gui/editors/ColorEditor.h"
#include "gui/editors/ColorTreeEditor.h"
#include "gui/editors/StyleListEditor.h"
#include "gui/editors/VolumeEditor.h"
#include "gui/shell/RecentFilesMenu.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <QTreeWidget>
#include <QWindow>

namespace vantrel {

bool Form1::Form_Load(const QString& commandLine) {
    m_mainCaption = windowTitle();
    m_captionBase = m_mainCaption;
    m_appDir = m_env.appDir;
    if (!m_appDir.endsWith(QDir::separator()) && !m_appDir.endsWith(QLatin1Char('/')))
        m_appDir += QLatin1Char('/');

    const auto languageFailure =
        m_language.load(languagePath().toStdString(), m_settings,
                        m_env.systemLcid ? m_env.systemLcid() : std::nullopt);
    rebuildLanguageMenu();
    applyCaptions();
    // Without definitions the program ends, so the promise of English texts would be empty.
    if (languageFailure && !chosenDefinitionsFile().empty())
        showMessage(this, MessageIcon::Critical,
                    str(21) + QLatin1Char('\n') + QString::fromStdString(*languageFailure));
    m_lblSoftTip->setText(str(43));

    m_seemFolder = QString::fromStdString(m_settings.read("SeemFolder", m_appDir.toStdString()));
    m_mnuEditFunction->setEnabled(!m_seemFolder.isEmpty());
    m_mnuFileList->BuildRecentMenu();

    if (!loadDefinitions(languageFailure.value_or("")))
        return false;
    ResetView(false);

    bool startupFailed = false;
    if (auto failure = buildSeemTypeCatalog(m_document.definitions().root(), m_catalog)) {
        const std::string description = m_definitionsPath.toStdString() + ": " + *failure;
        showMessage(this, MessageIcon::Information,
                    QString::fromStdString(strings().format(StrStartupFailed, {description})));
        startupFailed = true;
    }
    if (!startupFailed)
        ScanSeemFolder();
    m_lblSoftTip->setText(QString::fromStdString(strings().multiline(43)));
    sizeToScreen();
    show();
    // Once the bars have settled to their real heights.
    QTimer::singleShot(0, this, &Form1::sizeToScreen);
    if (startupFailed)
        return true;

    const QFileInfo named(commandLine);
    if (commandLine.contains(QLatin1Char('/')) && named.isFile()) {
        waitUntilOnScreen();
        OpenSeemFile(named.absoluteFilePath());
    }
    m_mnuShowTip->setChecked(tipsEnabled(m_settings));
    return true;
}

// Messages are centred on the window, so the window manager must have placed
// it before the first one (the type's alert of a file named on the command line).
void Form1::waitUntilOnScreen() {
    constexpr int kPatienceMs = 2000;
    QElapsedTimer waited;
    waited.start();
    while (!(windowHandle() && windowHandle()->isExposed()) && waited.elapsed() < kPatienceMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QCoreApplication::processEvents();
}

QString Form1::languagePath() const {
    return m_appDir + QStringLiteral("language.xml");
}

// The definitions file the chosen language names; "" when language.xml names none.
std::string Form1::chosenDefinitionsFile() const {
    const auto& languages = m_language.languages();
    const auto index = static_cast<std::size_t>(m_language.index());
    return index < languages.size() ? languages[index].definitionsFile : std::string();
}

// Loads the chosen language's definitions into the document, reporting why
// when it cannot; the document keeps the definitions it had.
bool Form1::loadDefinitions(const std::string& languageFailure) {
    const std::string file = chosenDefinitionsFile();
    if (file.empty()) {
        showMessage(this, MessageIcon::Critical,
                    QString::fromStdString(
                        unnamedDefinitionsMessage(strings(), m_language.index(), languageFailure)));
        return false;
    }
    m_definitionsPath = m_appDir + QString::fromStdString(file);
    const std::string path = m_definitionsPath.toStdString();
    const XmlLoadResult result = m_document.loadDefinitions(path);
    if (!result.ok)
        showMessage(this, MessageIcon::Critical,
                    QString::fromStdString(definitionsFailureMessage(strings(), path, result)));
    return result.ok;
}

void Form1::mnuLans_Click(int index) {
    const auto failure = m_language.choose(index, languagePath().toStdString(), m_settings,
                                           m_env.systemLcid ? m_env.systemLcid() : std::nullopt);
    if (failure)
        showMessage(this, MessageIcon::Critical,
                    str(21) + QLatin1Char('\n') + QString::fromStdString(*failure));
    rebuildLanguageMenu();
    m_lblSoftTip->setText(QString::fromStdString(strings().multiline(43)));
    applyCaptions();
    loadDefinitions(failure.value_or(""));
    m_picEdit->viewport()->update();
}

void Form1::ResetView(bool loaded) {
    m_picEdit->setEnabled(loaded);
    m_mnuSave->setEnabled(loaded);
    m_mnuSaveAs->setEnabled(loaded);
    m_mnuClose->setEnabled(loaded);
    m_mnuGoTo->setEnabled(loaded);
    for (QWidget* part : std::initializer_list<QWidget*>{
             m_frameSet, m_picEdit, m_tvwFuct, m_lvwStyle, m_tvwColor, m_frameColor, m_frameVolume})
        part->setVisible(loaded);
    m_mnuLanguage->setEnabled(!loaded);
    m_mnuLanguage->menuAction()->setEnabled(!loaded);
    m_mnuReload->setEnabled(loaded);
    m_mnuCompare->setEnabled(loaded);
    m_tvwFuct->setEnabled(loaded);
    m_isLoaded = loaded;
    m_picEdit->setNavigationEnabled(loaded);
    for (QWidget* part : std::initializer_list<QWidget*>{m_label2, m_label3, m_lblSoftTip})
        part->setVisible(!loaded);
    setStatus(2, QString());
    m_cellStatusShown = false;
    setStatus(1, str(loaded ? 0 : 1));
}

void Form1::mnuExit_Click() {
    close();
}

QString Form1::str(int n) const {
    return QString::fromStdString(strings().get(n));
}

} // namespace vantrel
