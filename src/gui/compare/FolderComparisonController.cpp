// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/compare/FolderComparisonController.h"

#include "core/compare/FolderComparison.h"
#include "core/document/SeemDocument.h"
#include "core/files/DialogValues.h"
#include "core/files/SeemFile.h"
#include "core/i18n/BuiltinStrings.h"
#include "core/i18n/UiStrings.h"
#include "core/recipe/RecipeJson.h"
#include "core/recipe/RecipeSettings.h"
#include "gui/dialogs/StandardDialog.h"
#include "gui/shell/FolderBrowser.h"

#include <QAction>
#include <QDir>
#include <QListWidget>
#include <QVBoxLayout>
#include <QWidget>

namespace vantrel {

namespace {

constexpr int kOpenFlags = FileDialogFlag::FileMustExist | FileDialogFlag::HideReadOnly;
constexpr int kSaveFlags = FileDialogFlag::OverwritePrompt | FileDialogFlag::HideReadOnly;
constexpr int kPairRole = Qt::UserRole;

QString joinLines(const std::vector<std::string>& lines) {
    QString text;
    for (const std::string& line : lines)
        text += QLatin1Char('\n') + QString::fromStdString(line);
    return text;
}

} // namespace

FolderComparisonController::FolderComparisonController(SeemDocument& document,
                                                       const UiStrings& strings,
                                                       Callbacks callbacks, QWidget* window)
    : QObject(window), m_document(document), m_strings(strings), m_callbacks(std::move(callbacks)),
      m_window(window), m_compareFoldersAction(new QAction(this)),
      m_exportAction(new QAction(this)), m_applyAction(new QAction(this)) {
    m_compareFoldersAction->setObjectName(QStringLiteral("mnuCompareFolders"));
    m_exportAction->setObjectName(QStringLiteral("mnuExportSettings"));
    m_applyAction->setObjectName(QStringLiteral("mnuApplySettings"));
    connect(m_compareFoldersAction, &QAction::triggered, this,
            &FolderComparisonController::compareFolders);
    connect(m_exportAction, &QAction::triggered, this, &FolderComparisonController::exportSettings);
    connect(m_applyAction, &QAction::triggered, this, &FolderComparisonController::applySettings);
    m_stateListener = m_document.addStateListener([this] { updateActions(); });
    retranslate();
    updateActions();
}

FolderComparisonController::~FolderComparisonController() {
    delete m_listWindow;
}

void FolderComparisonController::retranslate() {
    m_compareFoldersAction->setText(text(UiString::MenuCompareFolders));
    m_exportAction->setText(text(UiString::MenuExportSettings));
    m_applyAction->setText(text(UiString::MenuApplySettings));
}

QString FolderComparisonController::text(UiString string) const {
    return QString::fromStdString(m_strings.get(string));
}

// Export and Apply work on the open file, so they wait for one.
void FolderComparisonController::updateActions() {
    const bool open = !m_document.path().empty();
    m_exportAction->setEnabled(open);
    m_applyAction->setEnabled(open);
}

void FolderComparisonController::compareFolders() {
    const QString ours = browseForFolder(text(UiString::ChooseFirstFolder), m_window);
    if (ours.isEmpty())
        return;
    const QString theirs = browseForFolder(text(UiString::ChooseSecondFolder), m_window, ours);
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
        m_callbacks.report(QString::fromStdString(failure->folder + ": " + failure->reason));
        return;
    }
    if (!m_listWindow) {
        m_listWindow = new QWidget(m_window, Qt::Window);
        m_listWindow->setObjectName(QStringLiteral("frmChangedFiles"));
        m_list = new QListWidget(m_listWindow);
        m_list->setObjectName(QStringLiteral("lstChangedFiles"));
        (new QVBoxLayout(m_listWindow))->addWidget(m_list);
        connect(m_list, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
            const QStringList pair = item->data(kPairRole).toStringList();
            if (pair.size() == 2)
                m_callbacks.openCompared(pair[0], pair[1]);
        });
    }
    const QString caption = QString::fromStdString(m_strings.format(
        UiString::ChangedFilesCaption, {ours.toStdString(), theirs.toStdString()}));
    m_listWindow->setWindowTitle(caption);
    m_list->setAccessibleName(caption);
    m_list->clear();
    const QDir oursDir(ours);
    const QDir theirsDir(theirs);
    for (const FolderChange& change : result.changed) {
        auto* item = new QListWidgetItem(QString::fromStdString(m_strings.format(
            UiString::ChangedFileLine,
            {change.oursName, std::to_string(change.comparison.differences.size())})));
        item->setData(kPairRole,
                      QStringList{oursDir.filePath(QString::fromStdString(change.oursName)),
                                  theirsDir.filePath(QString::fromStdString(change.theirsName))});
        m_list->addItem(item);
    }
    const auto addOnly = [&](const QString& folder, const std::vector<std::string>& names) {
        for (const std::string& name : names)
            m_list->addItem(QString::fromStdString(
                m_strings.format(UiString::OnlyInFolder, {folder.toStdString(), name})));
    };
    addOnly(ours, result.onlyInOurs);
    addOnly(theirs, result.onlyInTheirs);
    for (const std::string& problem : result.unreadable)
        m_list->addItem(QString::fromStdString(problem));
    if (m_list->count() == 0)
        m_list->addItem(text(UiString::FoldersSame));
    m_list->setCurrentRow(0);
    m_listWindow->show();
    m_listWindow->raise();
}

void FolderComparisonController::exportSettings() {
    if (m_document.path().empty())
        return;
    StandardDialog dialog;
    dialog.setOwner(m_window);
    dialog.setTitle(text(UiString::MenuExportSettings));
    dialog.setFilter(text(UiString::RecipeFilter));
    dialog.setFlags(kSaveFlags);
    dialog.setFileName(QString::fromStdString(seemIdOfPath(m_document.path())) +
                       QStringLiteral(".json"));
    dialog.setAction(StandardDialog::Save);
    const QString chosen = dialog.fileName();
    if (chosen.isEmpty())
        return;
    const Recipe recipe =
        exportRecipe({m_document.type(), m_document.typeName(), m_document.grid()},
                     seemIdOfPath(m_document.path()));
    const std::string json = recipeToJson(recipe);
    if (const auto failure =
            writeFileAtomically(chosen.toStdString(), {json.begin(), json.end()})) {
        m_callbacks.report(chosen + QStringLiteral(": ") + QString::fromStdString(*failure));
        return;
    }
    m_callbacks.report(
        QString::fromStdString(m_strings.format(UiString::RecipeExported, {chosen.toStdString()})));
}

void FolderComparisonController::applySettings() {
    if (m_document.path().empty())
        return;
    StandardDialog dialog;
    dialog.setOwner(m_window);
    dialog.setTitle(text(UiString::MenuApplySettings));
    dialog.setFilter(text(UiString::RecipeFilter));
    dialog.setFlags(kOpenFlags);
    dialog.setAction(StandardDialog::Open);
    const QString chosen = dialog.fileName();
    if (chosen.isEmpty())
        return;
    const RecipeParse parsed = readRecipeFile(chosen.toStdString());
    if (!parsed.ok()) {
        m_callbacks.report(chosen + QStringLiteral(":") + joinLines(parsed.problems));
        return;
    }
    const auto entries = entriesForFile(parsed.recipe, m_document.path(), true);
    if (entries.empty()) {
        m_callbacks.report(QString::fromStdString(
            m_strings.format(UiString::RecipeNothingForFile, {seemIdOfPath(m_document.path())})));
        return;
    }
    ByteGrid before;
    before.load(m_document.grid().bytes());
    std::vector<std::string> problems;
    {
        EditScope step(m_document, UiString::UndoApplySettings);
        problems = applyRecipeEntries(m_document.type(), m_document.typeName(), m_document.grid(),
                                      entries);
    }
    if (!problems.empty()) {
        m_callbacks.report(text(UiString::RecipeRefused) + joinLines(problems));
        return;
    }
    const SeemComparison changes =
        compareSeemFiles({m_document.type(), m_document.typeName(), before},
                         {m_document.type(), m_document.typeName(), m_document.grid()}, m_strings);
    if (changes.equal()) {
        m_callbacks.report(text(UiString::RecipeUnchanged));
        return;
    }
    std::vector<std::string> lines;
    for (const SettingDifference& difference : changes.differences)
        lines.push_back(differenceLine(difference));
    m_callbacks.report(QString::fromStdString(m_strings.format(UiString::RecipeApplied,
                                                               {std::to_string(lines.size())})) +
                       joinLines(lines));
}

} // namespace vantrel
