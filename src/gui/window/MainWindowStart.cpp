// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's start-up: language, definitions, catalog, seem folder,
// recent files, and the file named on the command line.
#include "gui/window/MainWindow.h"

#include "gui/controllers/FileController.h"
#include "gui/controllers/LanguageController.h"
#include "gui/controllers/ShellController.h"
#include "gui/dialogs/MessageBox.h"
#include "gui/i18n/UiText.h"
#include "gui/window/StartPage.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTimer>
#include <QWindow>

namespace vantrel {

namespace {

// Messages are centred on the window, so the window manager must have placed
// it before the first one (the type's alert of a file named on the command line).
void waitUntilOnScreen(const QWidget& window) {
    constexpr int kPatienceMs = 2000;
    QElapsedTimer waited;
    waited.start();
    while (!(window.windowHandle() && window.windowHandle()->isExposed()) &&
           waited.elapsed() < kPatienceMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QCoreApplication::processEvents();
}

} // namespace

bool MainWindow::start(const QString& commandLine) {
    const auto languageFailure = m_languageController->load();
    // Without definitions the program ends, so the promise of English texts would be empty.
    if (languageFailure && !m_languageController->chosenDefinitionsFile().empty())
        showMessage(this, MessageIcon::Critical,
                    uiText(strings(), UiString::LanguageFileUnreadable) + QLatin1Char('\n') +
                        uiText(languageFailure->message));
    m_startPage->setHint(uiText(strings(), UiString::StartPageHint));
    m_shellController->loadSeemFolder();
    m_fileController->loadRecentFiles();

    if (!m_languageController->loadDefinitions(messageOf(languageFailure)))
        return false;
    showEditorState(false);

    bool startupFailed = false;
    if (auto failure = buildSeemTypeCatalog(m_session.document().definitions().root(), m_catalog)) {
        const std::string description =
            m_languageController->definitionsPath().toStdString() + ": " + failure->message;
        showMessage(this, MessageIcon::Information,
                    uiText(strings(), UiString::StartupFailed, {description}));
        startupFailed = true;
    }
    if (!startupFailed)
        m_shellController->scanSeemFolder();
    showStartHint();
    sizeToScreen();
    show();
    // Once the bars have settled to their real heights.
    QTimer::singleShot(0, this, &MainWindow::sizeToScreen);
    if (startupFailed)
        return true;

    const QFileInfo named(commandLine);
    if (commandLine.contains(QLatin1Char('/')) && named.isFile()) {
        waitUntilOnScreen(*this);
        openFile(named.absoluteFilePath());
    }
    m_shellController->showTipAction()->setChecked(m_session.tipsOn());
    return true;
}

} // namespace vantrel
