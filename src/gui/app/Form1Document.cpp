// SPDX-License-Identifier: GPL-3.0-or-later
// The File menu's document commands: opening and dispatching, reloading,
// closing, saving, and the questions before unsaved changes are set aside.
#include "gui/app/Form1.h"

#include "core/compare/DocumentComparison.h"
#include "core/document/SaveFailureMessage.h"
#include "core/i18n/BuiltinStrings.h"
#include "gui/app/FileDrop.h"
#include "core/settings/TipSetting.h"
#include "gui/dialogs/CommDlg.h"
#include "gui/dialogs/MessageBox.h"
#include "gui/document/ByteGridView.h"
#include "gui/document/ExternalChangeWatcher.h"
#include "gui/document/FunctionTreeEditor.h"
#include "gui/editors/ColorEditor.h"
#include "gui/editors/ColorTreeEditor.h"
#include "gui/editors/StyleListEditor.h"
#include "gui/editors/VolumeEditor.h"
#include "gui/windows/BackgroundRead.h"
#include "gui/windows/TipWindow.h"

#include <QCloseEvent>
#include <QDropEvent>
#include <QTimer>
#include <QGroupBox>
#include <QLabel>
#include <QTreeWidget>

#include <cstdio>

namespace vantrel {

namespace {

constexpr int kOpenFlags = 4100; // the file must exist; no read-only box
constexpr int kSaveAsFlags = 2;  // ask before replacing a file

} // namespace

void Form1::OpenSeemFile(const QString& path) {
    const std::string file = path.toStdString();
    SeemFileRead read =
        readInBackground(this, m_language, file, m_env.readFile ? m_env.readFile : readSeemFile);
    const OpenOutcome outcome = m_document.accept(file, std::move(read));
    if (reportRefusal(outcome, path))
        return;
    m_comparison->stop();
    setCaptionForFile(path, false);
    showOpenedFile();
    const XmlElement type = m_document.type();
    const bool editorOpened = type && dispatchType(type);
    if (editorOpened)
        showTypeAlert(type);
}

// True when the document refused the file; it then stays as it was.
bool Form1::reportRefusal(const OpenOutcome& outcome, const QString& path) {
    switch (outcome.status) {
    case OpenOutcome::Status::Opened:
        return false;
    case OpenOutcome::Status::TooLarge:
        showMessage(this, MessageIcon::Critical, str(9));
        break;
    case OpenOutcome::Status::Empty:
        reportFailure(QString::fromStdString(strings().format(StrEmptyFile, {path.toStdString()})));
        break;
    case OpenOutcome::Status::Failed:
        reportFailure(QString::fromStdString(
            strings().format(StrReadFailed, {path.toStdString(), outcome.reason})));
        break;
    }
    return true;
}

void Form1::showOpenedFile() {
    for (QWidget* editor : std::initializer_list<QWidget*>{m_tvwFuct, m_lvwStyle, m_frameVolume,
                                                           m_tvwColor, m_frameColor})
        editor->hide();
    // The information frame speaks of the new file only.
    m_frameSet->setTitle(str(10));
    m_lblinfo->setText(QString::fromStdString(m_language.caption("Form1", "lblinfo").value_or("")));
    m_picEdit->setCellsEnabled(true);
    placeGridNormally();
}

// Shows the editor of the matched type; true when one of the four editors was filled.
bool Form1::dispatchType(const XmlElement& type) {
    const std::string typeName = m_document.typeName();
    const auto hideAllBut = [this](QWidget* shown) {
        for (QWidget* editor : std::initializer_list<QWidget*>{m_tvwFuct, m_lvwStyle, m_frameVolume,
                                                               m_tvwColor, m_frameColor})
            editor->setVisible(editor == shown);
    };
    if (typeName == "function") {
        m_tvwFuct->load(type);
        ResetView(true);
        hideAllBut(m_tvwFuct);
        m_frameSet->setTitle(str(10));
        return true;
    }
    if (typeName == "style") {
        ResetView(true);
        hideAllBut(m_lvwStyle);
        m_lvwStyle->load(type);
        m_frameSet->setTitle(str(10));
        return true;
    }
    if (typeName == "volume") {
        m_frameVolume->load(type);
        ResetView(true);
        hideAllBut(m_frameVolume);
        return true;
    }
    if (typeName == "color") {
        m_tvwColor->load(type);
        m_frameColor->load();
        ResetView(true);
        hideAllBut(m_tvwColor);
        // The colour panel takes the information frame's place.
        m_frameSet->hide();
        m_frameColor->show();
        m_frameColor->setEnabled(false);
        m_picEdit->setCellsEnabled(false);
        return true;
    }
    if (typeName == "outertext") {
        ResetView(false);
        mnuSetOuterText_Click();
        return false;
    }
    if (typeName == "gprs") {
        ResetView(false);
        mnuSetGPRS_Click();
        return false;
    }
    showMessage(this, MessageIcon::Critical, str(11));
    placeGridFullWindow();
    m_frameSet->hide();
    m_picEdit->show();
    m_picEdit->setEnabled(true);
    return false;
}

void Form1::showTypeAlert(const XmlElement& type) {
    const auto alert = type.attribute("alert");
    if (!alert || !tipsEnabled(m_settings))
        return;
    auto* tip = new TipWindow(this, m_language, m_settings, m_mnuShowTip);
    tip->lblTip->setText(QString::fromStdString(expandLineBreaks(*alert)));
    tip->Label2->setText(QString::fromStdString(type.attribute("ID").value_or("")));
    tip->showOverOwner();
}

void Form1::reportFailure(const QString& text) {
    showMessage(this, MessageIcon::Critical, text);
}

// The Open or Save As dialog over seem files; empty when the user cancels.
QString Form1::askForSeemFile(int action, int titleString, int flags, const QString& preset) {
    CommDlg dialog;
    dialog.setOwner(this);
    dialog.setDialogTitle(str(titleString));
    dialog.setFilter(str(8));
    dialog.setDefaultExt(QStringLiteral("*.seem"));
    dialog.setFlags(flags);
    dialog.setFileName(preset);
    dialog.setAction(action);
    return dialog.fileName();
}

bool Form1::confirmUnsavedChanges() {
    if (!m_document.isModified())
        return true;
    const QString text =
        QString::fromStdString(strings().format(StrAskSaveChanges, {m_document.path()}));
    const int answer =
        askQuestion(this, MessageIcon::Warning, text,
                    {str(StrButtonSave), str(StrButtonDiscard), str(StrButtonCancel)}, AnswerSave,
                    AnswerCancel);
    if (answer == AnswerSave)
        return saveDocument(fileName());
    return answer == AnswerDiscard;
}

void Form1::mnuOpen_Click() {
    if (!confirmUnsavedChanges())
        return;
    const QString chosen = askForSeemFile(CommDlg::Open, 5, kOpenFlags, QString());
    if (chosen.isEmpty())
        return;
    if (chosen != fileName())
        AddRecentFile(chosen);
    OpenSeemFile(chosen);
}

void Form1::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void Form1::dropEvent(QDropEvent* event) {
    const QStringList files = droppedFiles(event->mimeData());
    if (files.isEmpty())
        return;
    event->acceptProposedAction();
    // The questions and messages of opening must not run while the drag
    // source still waits for the drop to finish.
    QTimer::singleShot(0, this, [this, files] { openDroppedFiles(files); });
}

void Form1::openDroppedFiles(const QStringList& files) {
    if (files.isEmpty() || !confirmUnsavedChanges())
        return;
    const QString& first = files.front();
    if (first != fileName())
        AddRecentFile(first);
    OpenSeemFile(first);
    if (files.size() > 1)
        setStatus(2, QString::fromStdString(strings().format(
                         StrDroppedSeveral, {std::to_string(files.size()), first.toStdString()})));
}

// Reload throws the edits away on purpose, so it only asks to be sure.
void Form1::mnuReload_Click() {
    if (m_document.path().empty())
        return;
    if (m_document.isModified()) {
        const QString text =
            QString::fromStdString(strings().format(StrAskReload, {m_document.path()}));
        constexpr int kReload = 0;
        constexpr int kCancel = 1;
        if (askQuestion(this, MessageIcon::Warning, text,
                        {str(StrButtonReload), str(StrButtonCancel)}, kCancel, kCancel) != kReload)
            return;
    }
    OpenSeemFile(fileName());
}

void Form1::mnuClose_Click() {
    if (!confirmUnsavedChanges())
        return;
    m_comparison->stop();
    ResetView(false);
    m_document.close();
    setCaptionForFile(QString(), false);
}

void Form1::closeEvent(QCloseEvent* event) {
    if (!confirmUnsavedChanges()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

// Saves to path (Save As when it is not the document's own); reports and
// returns false on any failure, the file on disk untouched.
bool Form1::saveDocument(const QString& path) {
    const SaveOutcome outcome = m_changeWatcher->save(path.toStdString(), path != fileName());
    switch (outcome.status) {
    case SaveOutcome::Status::Saved:
        return true;
    case SaveOutcome::Status::InvalidCell: {
        char hex[16];
        std::snprintf(hex, sizeof hex, "%X", static_cast<unsigned>(outcome.invalidCell));
        reportFailure(QString::fromStdString(
            strings().format(StrInvalidCell, {std::to_string(outcome.invalidCell), hex})));
        m_picEdit->focusCell(outcome.invalidCell);
        return false;
    }
    case SaveOutcome::Status::WriteFailed:
        reportFailure(
            QString::fromStdString(saveFailureMessage(strings(), path.toStdString(), outcome)));
        return false;
    case SaveOutcome::Status::ChangedOnDisk:
        return false; // the user chose Reload or Cancel
    }
    return false;
}

void Form1::mnuSave_Click() {
    if (m_isLoaded)
        saveDocument(fileName());
}

void Form1::mnuSaveAs_Click() {
    const QString chosen = askForSeemFile(CommDlg::Save, 6, kSaveAsFlags, fileName());
    if (chosen.isEmpty())
        return;
    if (chosen != fileName())
        AddRecentFile(chosen);
    if (saveDocument(chosen))
        setCaptionForFile(chosen, true);
}

} // namespace vantrel
