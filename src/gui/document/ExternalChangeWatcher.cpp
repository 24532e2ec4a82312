// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/document/ExternalChangeWatcher.h"

#include "core/files/RecoveryCopy.h"
#include "core/i18n/BuiltinStrings.h"
#include "core/session/EditingSession.h"
#include "gui/dialogs/MessageBox.h"
#include "gui/i18n/UiText.h"

#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QToolBar>

namespace vantrel {

namespace {

constexpr int kSettleMs = 150;

} // namespace

ExternalChangeWatcher::ExternalChangeWatcher(EditingSession& session, std::function<void()> reload,
                                             QWidget* window)
    : QObject(window), m_session(session), m_document(session.document()),
      m_reload(std::move(reload)), m_window(window) {
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    connect(&m_settle, &QTimer::timeout, this, &ExternalChangeWatcher::checkNow);
    connect(&m_fileWatcher, &QFileSystemWatcher::fileChanged, &m_settle,
            qOverload<>(&QTimer::start));
    connect(&m_fileWatcher, &QFileSystemWatcher::directoryChanged, &m_settle,
            qOverload<>(&QTimer::start));
    if (window != nullptr)
        window->installEventFilter(this);
    m_sessionListener = m_session.addListener([this](const SessionChange& change) {
        if (change.file)
            onDocumentState();
    });
}

// Made the first time there is something to tell: a tool bar brings the
// style's icons with it, and most sessions never see the bar.
void ExternalChangeWatcher::makeBar() {
    m_bar = new QToolBar(m_window);
    m_bar->setObjectName(QStringLiteral("changeBar"));
    m_bar->setMovable(false);
    m_bar->setFloatable(false);
    // It is shown only while there is something to tell; no menu offers it.
    m_bar->toggleViewAction()->setVisible(false);
    m_bar->setBackgroundRole(QPalette::ToolTipBase);
    m_bar->setForegroundRole(QPalette::ToolTipText);
    m_bar->setAutoFillBackground(true);
    m_message = new QLabel(m_bar);
    m_message->setForegroundRole(QPalette::ToolTipText);
    m_reloadButton = new QPushButton(m_bar);
    m_keepButton = new QPushButton(m_bar);
    m_bar->addWidget(m_message);
    m_bar->addWidget(m_reloadButton);
    m_bar->addWidget(m_keepButton);

    connect(m_reloadButton, &QPushButton::clicked, this, [this] {
        // The file may have been deleted since the bar offered to reload it.
        if (m_document.diskState() == DiskState::Missing) {
            showBar(UiString::MissingOnDiskBar, false);
            return;
        }
        // The bar stays until the reload has happened: the user may still
        // cancel it where it would set edits aside.
        m_reload();
    });
    connect(m_keepButton, &QPushButton::clicked, this, [this] {
        m_dismissed = identityOf(m_document.path());
        m_hasDismissed = true;
        hide();
    });
    if (auto* mainWindow = qobject_cast<QMainWindow*>(m_window))
        mainWindow->addToolBar(Qt::TopToolBarArea, m_bar);
}

ExternalChangeWatcher::~ExternalChangeWatcher() {
    delete m_bar;
}

bool ExternalChangeWatcher::isHidden() const {
    return !m_bar || m_bar->isHidden();
}

void ExternalChangeWatcher::hide() {
    if (m_bar)
        m_bar->hide();
}

bool ExternalChangeWatcher::eventFilter(QObject* watched, QEvent* event) {
    // Coming back to the window is when a user expects it to know what changed meanwhile.
    if (event->type() == QEvent::WindowActivate)
        m_settle.start();
    return QObject::eventFilter(watched, event);
}

void ExternalChangeWatcher::onDocumentState() {
    if (m_document.path() != m_watchedPath) {
        m_hasDismissed = false;
        hide();
        watchPath();
        if (!m_watchedPath.empty())
            QTimer::singleShot(0, this, &ExternalChangeWatcher::reportLeftoverRecovery);
        return;
    }
    if (!isHidden() && identityOf(m_watchedPath) == m_document.identity())
        hide(); // saved over or reloaded: the bar's news is old
}

void ExternalChangeWatcher::watchPath() {
    m_watchedPath = m_document.path();
    if (!m_fileWatcher.files().isEmpty())
        m_fileWatcher.removePaths(m_fileWatcher.files());
    if (!m_fileWatcher.directories().isEmpty())
        m_fileWatcher.removePaths(m_fileWatcher.directories());
    if (m_watchedPath.empty())
        return;
    const QString path = pathText(m_watchedPath);
    // The folder too: a save by rename gives the path a new file, and removes
    // the old one from the watcher.
    m_fileWatcher.addPath(QFileInfo(path).absolutePath());
    if (QFileInfo::exists(path))
        m_fileWatcher.addPath(path);
}

void ExternalChangeWatcher::checkNow() {
    const std::string path = m_document.path();
    if (path.empty())
        return;
    watchPath();
    const auto current = identityOf(path);
    if (current == m_document.identity() || (m_hasDismissed && current == m_dismissed))
        return;
    switch (m_document.diskState()) {
    case DiskState::Same:
        hide();
        return;
    case DiskState::Missing:
        showBar(UiString::MissingOnDiskBar, false);
        return;
    case DiskState::Changed:
        break;
    }
    if (m_document.isModified()) {
        showBar(UiString::ChangedOnDiskBar, true);
        return;
    }
    hide();
    m_reload();
    emit statusMessage(text(UiString::ReloadedFromDisk, {path}));
}

void ExternalChangeWatcher::showBar(UiString textString, bool canReload) {
    emit statusMessage(QString()); // what the status line said of the file holds no longer
    const QString message = text(textString, {m_document.path()});
    if (!m_bar)
        makeBar();
    m_message->setText(message);
    m_bar->setAccessibleName(message);
    m_reloadButton->setText(text(UiString::ButtonReload));
    m_reloadButton->setAccessibleName(m_reloadButton->text().remove(QLatin1Char('&')));
    m_reloadButton->setVisible(canReload);
    m_keepButton->setText(text(UiString::ButtonKeepMine));
    m_keepButton->setAccessibleName(m_keepButton->text().remove(QLatin1Char('&')));
    m_bar->show();
}

void ExternalChangeWatcher::reportLeftoverRecovery() {
    const std::string path = m_document.path();
    if (path.empty())
        return;
    const auto copy = leftoverRecoveryCopy(path);
    if (!copy || !copy->setAsideAs.empty())
        return;
    showMessage(m_window, MessageIcon::Warning,
                copy->unusable.empty()
                    ? text(UiString::RecoveryLeftover, {path, copy->path})
                    : text(UiString::RecoveryEntryUnusable, {path, copy->path, copy->unusable}));
}

QString ExternalChangeWatcher::text(UiString number, const std::vector<std::string>& args) const {
    return uiText(m_session.strings(), number, args);
}

} // namespace vantrel
