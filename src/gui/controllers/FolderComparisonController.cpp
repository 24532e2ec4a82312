// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/controllers/FolderComparisonController.h"

#include "core/compare/FolderComparison.h"
#include "core/files/SeemFile.h"
#include "core/i18n/BuiltinStrings.h"
#include "core/i18n/PluralText.h"
#include "core/i18n/UiStrings.h"
#include "core/recipe/RecipeJson.h"
#include "core/recipe/RecipeSettings.h"
#include "core/session/EditingSession.h"
#include "desktop/files/FileDialogOptions.h"
#include "desktop/files/FileFilter.h"
#include "gui/dialogs/StandardDialog.h"
#include "gui/i18n/ApplyLanguage.h"
#include "gui/i18n/UiText.h"
#include "gui/shell/FolderBrowser.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>

namespace vantrel {

namespace {

constexpr FileDialogOption kOpenOptions =
    FileDialogOption::MustExist | FileDialogOption::HideReadOnly;
constexpr FileDialogOption kSaveOptions =
    FileDialogOption::ConfirmOverwrite | FileDialogOption::HideReadOnly;
constexpr int kPairRole = Qt::UserRole;

QString joinLines(const std::vector<std::string>& lines) {
    QString text;
    for (const std::string& line : lines)
        text += QLatin1Char('\n') + uiText(line);
    return text;
}

} // namespace

FolderComparisonController::FolderComparisonController(EditingSession& session, Callbacks callbacks,
                                                       QWidget* window)
    : QObject(window), m_session(session), m_strings(session.strings()),
      m_callbacks(std::move(callbacks)), m_window(window),
      m_compareFoldersAction(new QAction(this)), m_exportAction(new QAction(this)),
      m_applyAction(new QAction(this)) {
    m_compareFoldersAction->setObjectName(QStringLiteral("mnuCompareFolders"));
    m_exportAction->setObjectName(QStringLiteral("mnuExportSettings"));
    m_applyAction->setObjectName(QStringLiteral("mnuApplySettings"));
    connect(m_compareFoldersAction, &QAction::triggered, this,
            &FolderComparisonController::compareFolders);
    connect(m_exportAction, &QAction::triggered, this, &FolderComparisonController::exportSettings);
    connect(m_applyAction, &QAction::triggered, this, &FolderComparisonController::applySettings);
    m_sessionListener = m_session.addListener([this](const SessionChange& change) {
        if (change.file)
            updateActions();
    });
    retranslate();
    updateActions();
}

FolderComparisonController::~FolderComparisonController() {
    delete m_listWindow;
}

void FolderComparisonController::retranslate() {
    m_compareFoldersAction->setText(uiText(m_strings, UiString::MenuCompareFolders));
    m_exportAction->setText(uiText(m_strings, UiString::MenuExportSettings));
    m_applyAction->setText(uiText(m_strings, UiString::MenuApplySettings));
}

// Export and Apply work on the open file, so they wait for one.
void FolderComparisonController::updateActions() {
    const bool open = m_session.fileOpen();
    m_exportAction->setEnabled(open);
    m_applyAction->setEnabled(open);
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
    if (firstTime) {
        m_listWindow = new QWidget(m_window, Qt::Window);
        m_listWindow->setObjectName(QStringLiteral("frmChangedFiles"));
        m_hint = new QLabel(m_listWindow);
        m_hint->setObjectName(QStringLiteral("lblChangedFilesHint"));
        m_hint->setWordWrap(true);
        m_list = new QListWidget(m_listWindow);
        m_list->setObjectName(QStringLiteral("lstChangedFiles"));
        auto* layout = new QVBoxLayout(m_listWindow);
        layout->addWidget(m_hint);
        layout->addWidget(m_list);
        connect(m_list, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
            const QStringList pair = item->data(kPairRole).toStringList();
            if (pair.size() == 2)
                m_callbacks.openCompared(pair[0], pair[1]);
        });
    }
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

// Over the main window and most of its size, so that the folders in the title
// and the settings in the lines can be read; later the user's place is kept.
void FolderComparisonController::placeListWindow() {
    const QRect owner = m_window->frameGeometry();
    const QSize size(std::max(owner.width() * 3 / 4, m_listWindow->sizeHint().width()),
                     std::max(owner.height() * 3 / 4, m_listWindow->sizeHint().height()));
    m_listWindow->resize(size);
    m_listWindow->move(owner.center() - QPoint(size.width() / 2, size.height() / 2));
}

void FolderComparisonController::exportSettings() {
    const SeemDocument& document = m_session.document();
    if (!m_session.fileOpen())
        return;
    StandardDialog dialog;
    dialog.setOwner(m_window);
    dialog.setTitle(plainCaption(uiText(m_strings, UiString::MenuExportSettings)));
    dialog.setFilter(uiText(m_strings, UiString::RecipeFilter));
    dialog.setOptions(kSaveOptions);
    dialog.setDefaultSuffix(QStringLiteral("json"));
    dialog.setFileName(pathText(seemIdOfPath(document.path())) + QStringLiteral(".json"));
    dialog.show(StandardDialog::Action::Save);
    // Apply Settings lists *.json: a recipe saved under a bare name gets that.
    const QString chosen = pathText(withDefaultSuffix(dialog.fileName().toStdString(), "json"));
    if (chosen.isEmpty())
        return;
    const Recipe recipe = exportRecipe({document.type(), document.typeName(), document.grid()},
                                       seemIdOfPath(document.path()));
    const std::string json = recipeToJson(recipe);
    if (const auto failure =
            writeFileAtomically(chosen.toStdString(), {json.begin(), json.end()})) {
        m_callbacks.report(chosen + QStringLiteral(": ") + uiText(failure->message));
        return;
    }
    m_callbacks.report(uiText(m_strings, UiString::RecipeExported, {chosen.toStdString()}));
}

void FolderComparisonController::applySettings() {
    const SeemDocument& document = m_session.document();
    if (!m_session.fileOpen())
        return;
    StandardDialog dialog;
    dialog.setOwner(m_window);
    dialog.setTitle(plainCaption(uiText(m_strings, UiString::MenuApplySettings)));
    dialog.setFilter(uiText(m_strings, UiString::RecipeFilter));
    dialog.setOptions(kOpenOptions);
    dialog.show(StandardDialog::Action::Open);
    const QString chosen = dialog.fileName();
    if (chosen.isEmpty())
        return;
    const RecipeParse parsed = readRecipeFile(chosen.toStdString());
    if (!parsed.ok()) {
        m_callbacks.report(chosen + QStringLiteral(":") + joinLines(parsed.problems));
        return;
    }
    const auto entries = entriesForFile(parsed.recipe, document.path(), true);
    if (entries.empty()) {
        m_callbacks.report(
            uiText(m_strings, UiString::RecipeNothingForFile, {seemIdOfPath(document.path())}));
        return;
    }
    ByteGrid before;
    before.load(document.grid().bytes());
    const std::vector<std::string> problems = m_session.applyRecipe(entries);
    if (!problems.empty()) {
        m_callbacks.report(uiText(m_strings, UiString::RecipeRefused) + joinLines(problems));
        return;
    }
    const SeemComparison changes =
        compareSeemFiles({document.type(), document.typeName(), before},
                         {document.type(), document.typeName(), document.grid()}, m_strings);
    if (changes.equal()) {
        m_callbacks.report(uiText(m_strings, UiString::RecipeUnchanged));
        return;
    }
    std::vector<std::string> lines;
    for (const SettingDifference& difference : changes.differences)
        lines.push_back(differenceLine(difference));
    const auto count = static_cast<std::int64_t>(lines.size());
    m_callbacks.report(
        uiText(pluralText(m_strings, UiString::RecipeApplied, count, {std::to_string(count)})) +
        joinLines(lines));
}

} // namespace vantrel
