// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/controllers/FolderComparisonController.h"

#include "core/compare/FolderComparison.h"
#include "core/files/SeemFile.h"
#include "core/i18n/BuiltinStrings.h"
#include "core/i18n/PluralText.h"
#include "core/i18n/UiStrings.h"
#include "core/recipe/FolderRecipe.h"
#include "core/session/EditingSession.h"
#include "gui/dialogs/RecipeSaving.h"
#include "gui/i18n/ApplyLanguage.h"
#include "gui/i18n/UiText.h"
#include "gui/shell/FolderBrowser.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>

namespace vantrel {

namespace {

constexpr int kPairRole = Qt::UserRole;

} // namespace

FolderComparisonController::FolderComparisonController(EditingSession& session, Callbacks callbacks,
                                                       QWidget* window)
    : QObject(window), m_strings(session.strings()), m_callbacks(std::move(callbacks)),
      m_window(window), m_compareFoldersAction(new QAction(this)) {
    m_compareFoldersAction->setObjectName(QStringLiteral("mnuCompareFolders"));
    connect(m_compareFoldersAction, &QAction::triggered, this,
            &FolderComparisonController::compareFolders);
    retranslate();
}

FolderComparisonController::~FolderComparisonController() {
    delete m_listWindow;
}

void FolderComparisonController::retranslate() {
    m_compareFoldersAction->setText(uiText(m_strings, UiString::MenuCompareFolders));
    if (m_saveRecipe)
        m_saveRecipe->setText(uiText(m_strings, UiString::MenuSaveDifferencesAsRecipe));
}

void FolderComparisonController::compareFolders() {
    const QString ours = browseForFolder(uiText(m_strings, UiString::ChooseFirstFolder), m_window);
    if (ours.isEmpty())
        return;
    const QString theirs =
        browseForFolder(uiText(m_strings, UiString::ChooseSecondFolder), m_window, ours);
    if (theirs.isEmpty())
        return;
    showList(ours, theirs);
}

void FolderComparisonController::showList(const QString& ours, const QString& theirs) {
    XmlDocument definitions;
    (void)definitions.load(m_callbacks.definitionsPath());
    FolderComparisonResult result;
    if (const auto failure = compareSeemFolders(ours.toStdString(), theirs.toStdString(),
                                                definitions.root(), m_strings, result)) {
        m_callbacks.report(uiText(failure->folder + ": " + failure->reason));
        return;
    }
    const bool firstTime = !m_listWindow;
    if (firstTime)
        buildListWindow();
    m_ours = ours;
    m_theirs = theirs;
    // Something to carry once a file differs; what cannot be carried is said then.
    m_saveRecipe->setEnabled(!result.changed.empty());
    const QString caption = uiText(m_strings, UiString::ChangedFilesCaption,
                                   {ours.toStdString(), theirs.toStdString()});
    m_listWindow->setWindowTitle(caption);
    m_list->setAccessibleName(caption);
    m_hint->setText(uiText(m_strings, UiString::FolderComparisonHint));
    m_list->setAccessibleDescription(m_hint->text());
    m_list->clear();
    const QDir oursDir(ours);
    const QDir theirsDir(theirs);
    for (const FolderChange& change : result.changed) {
        const auto count = static_cast<std::int64_t>(change.comparison.differences.size());
        // The newer file opens, compared with the older one it came from.
        const QStringList pair{theirsDir.filePath(pathText(change.theirsName)),
                               oursDir.filePath(pathText(change.oursName))};
        auto* item =
            new QListWidgetItem(uiText(pluralText(m_strings, UiString::ChangedFileLine, count,
                                                  {change.oursName, std::to_string(count)})));
        item->setData(kPairRole, pair);
        m_list->addItem(item);
        // Its changed settings below it, as the command line lists them; each
        // opens the same pair.
        for (const SettingDifference& difference : change.comparison.differences) {
            auto* line =
                new QListWidgetItem(QStringLiteral("    ") + uiText(openedPairLine(difference)));
            line->setData(kPairRole, pair);
            m_list->addItem(line);
        }
    }
    const auto addOnly = [&](const QString& folder, const std::vector<std::string>& names) {
        for (const std::string& name : names)
            m_list->addItem(
                uiText(m_strings, UiString::OnlyInFolder, {folder.toStdString(), name}));
    };
    addOnly(ours, result.onlyInOurs);
    addOnly(theirs, result.onlyInTheirs);
    for (const auto* problems : {&result.unreadable, &result.skipped}) {
        for (const std::string& problem : *problems)
            m_list->addItem(uiText(problem));
    }
    if (m_list->count() == 0)
        m_list->addItem(uiText(m_strings, UiString::FoldersSame));
    m_list->setCurrentRow(0);
    if (firstTime)
        placeListWindow();
    m_listWindow->show();
    m_listWindow->raise();
    m_listWindow->activateWindow();
    m_list->setFocus();
}

void FolderComparisonController::buildListWindow() {
    m_listWindow = new QWidget(m_window, Qt::Window);
    m_listWindow->setObjectName(QStringLiteral("frmChangedFiles"));
    m_hint = new QLabel(m_listWindow);
    m_hint->setObjectName(QStringLiteral("lblChangedFilesHint"));
    m_hint->setWordWrap(true);
    m_list = new QListWidget(m_listWindow);
    m_list->setObjectName(QStringLiteral("lstChangedFiles"));
    m_saveRecipe = new QPushButton(m_listWindow);
    m_saveRecipe->setObjectName(QStringLiteral("cmdSaveDifferencesAsRecipe"));
    auto* layout = new QVBoxLayout(m_listWindow);
    layout->addWidget(m_hint);
    layout->addWidget(m_list);
    layout->addWidget(m_saveRecipe, 0, Qt::AlignRight);
    connect(m_list, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        const QStringList pair = item->data(kPairRole).toStringList();
        if (pair.size() == 2)
            m_callbacks.openCompared(pair[0], pair[1]);
    });
    connect(m_saveRecipe, &QPushButton::clicked, this,
            &FolderComparisonController::saveDifferencesAsRecipe);
    retranslate();
}

// The recipe that turns the first folder's files into the second's, and what
// it could not carry.
void FolderComparisonController::saveDifferencesAsRecipe() {
    if (m_ours.isEmpty() || m_theirs.isEmpty())
        return;
    XmlDocument definitions;
    (void)definitions.load(m_callbacks.definitionsPath());
    const FolderRecipe result =
        recipeBetweenFolders(m_ours.toStdString(), m_theirs.toStdString(), definitions.root());
    if (result.failure) {
        m_callbacks.report(uiText(result.failure->folder + ": " + result.failure->reason));
        return;
    }
    auto said = saveRecipeAs(m_listWindow, m_strings,
                             plainCaption(uiText(m_strings, UiString::MenuSaveDifferencesAsRecipe)),
                             QDir(m_theirs).dirName().toStdString(), result.recipe);
    if (!said)
        return;
    for (const FolderRecipeNote& note : result.notes)
        *said += QLatin1Char('\n') + uiText(note.text());
    m_callbacks.report(*said);
}

// Over the main window and most of its size, so that the folders in the title
// and the settings in the lines can be read; later the user's place is kept.
void FolderComparisonController::placeListWindow() {
    const QRect owner = m_window->frameGeometry();
    const QSize size(std::max(owner.width() * 3 / 4, m_listWindow->sizeHint().width()),
                     std::max(owner.height() * 3 / 4, m_listWindow->sizeHint().height()));
    m_listWindow->resize(size);
    m_listWindow->move(owner.center() - QPoint(size.width() / 2, size.height() / 2));
}

} // namespace vantrel
