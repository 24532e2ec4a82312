// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dialogs/StandardDialog.h"

#include "desktop/files/FileFilter.h"
#include "gui/dialogs/DialogAnswerer.h"
#include "gui/dialogs/InterfaceLocaleFileModel.h"
#include "gui/i18n/UiText.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QPointer>
#include <QScopeGuard>

namespace vantrel {

namespace {

DialogAnswerer* s_answerer = nullptr;

QStringList nameFiltersOf(const QString& filter) {
    QStringList nameFilters;
    for (const std::string& nameFilter : toNameFilters(filter.toStdString()))
        nameFilters << uiText(nameFilter);
    return nameFilters;
}

QColor toQColor(std::optional<Rgb> color) {
    const Rgb rgb = color.value_or(Rgb{});
    return QColor(rgb.red, rgb.green, rgb.blue);
}

std::optional<QString> execFileDialog(const FileDialogRequest& request) {
    QFileDialog dialog(request.owner, request.title, request.initialDir);
    // Show the descriptions alone; their patterns often repeat the description's own.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    InterfaceLocaleFileModel::install(dialog);
    if (!request.nameFilters.isEmpty())
        dialog.setNameFilters(request.nameFilters);
    if (request.filterIndex >= 1 && request.filterIndex <= request.nameFilters.size())
        dialog.selectNameFilter(request.nameFilters.at(request.filterIndex - 1));
    if (request.kind == FileDialogKind::Open) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(hasOption(request.options, FileDialogOption::MustExist)
                               ? QFileDialog::ExistingFile
                               : QFileDialog::AnyFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // The dialog adds the suffix before it asks about replacing, so the
        // question names the file really written.
        dialog.setDefaultSuffix(request.defaultSuffix);
        dialog.setOption(QFileDialog::DontConfirmOverwrite,
                         !hasOption(request.options, FileDialogOption::ConfirmOverwrite));
    }
    if (!request.presetFileName.isEmpty())
        dialog.selectFile(request.presetFileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QColor> execColorDialog(const ColorDialogRequest& request) {
    // Every dialog starts with white custom colours; the user's custom colours
    // are not carried from one colour choice to the next.
    for (int i = 0; i < QColorDialog::customCount(); ++i)
        QColorDialog::setCustomColor(i, Qt::white);
    const QColor chosen = QColorDialog::getColor(request.initialColor, request.owner);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

} // namespace

DialogAnswerer::~DialogAnswerer() {
    if (StandardDialog::answerer() == this)
        StandardDialog::setAnswerer(nullptr);
}

void StandardDialog::setAnswerer(DialogAnswerer* answerer) {
    s_answerer = answerer;
}

DialogAnswerer* StandardDialog::answerer() {
    return s_answerer;
}

void StandardDialog::show(Action action) {
    if (!m_owner)
        m_owner = QApplication::activeWindow();
    // The keys go back where they were once the dialog has closed; left to
    // the window manager, a screen reader may hear of no focus at all.
    const QPointer<QWidget> focused = QApplication::focusWidget();
    const auto giveFocusBack = qScopeGuard([focused] {
        if (!focused || !focused->isVisible())
            return;
        focused->activateWindow();
        focused->setFocus(Qt::OtherFocusReason);
    });
    switch (action) {
    case Action::Open:
    case Action::Save:
        runFileDialog(action);
        break;
    case Action::Color:
        runColorDialog();
        break;
    }
}

void StandardDialog::runFileDialog(Action action) {
    const FileDialogRequest request{
        action == Action::Open ? FileDialogKind::Open : FileDialogKind::Save,
        m_owner,
        m_title,
        nameFiltersOf(m_filter),
        m_filterIndex,
        m_initialDir,
        m_fileName,
        m_options,
        m_defaultSuffix,
    };
    const std::optional<QString> chosen =
        s_answerer ? s_answerer->answerFile(request) : execFileDialog(request);
    // Callers tell a cancel by the empty name, also when they proposed one.
    if (!chosen || chosen->isEmpty()) {
        m_fileName.clear();
        m_fileTitle.clear();
        return;
    }
    m_fileName = *chosen;
    m_fileTitle = QFileInfo(*chosen).fileName();
}

void StandardDialog::runColorDialog() {
    const ColorDialogRequest request{m_owner, toQColor(m_color)};
    const std::optional<QColor> chosen =
        s_answerer ? s_answerer->answerColor(request) : execColorDialog(request);
    if (!chosen || !chosen->isValid()) {
        m_color.reset();
        return;
    }
    m_color =
        Rgb{static_cast<std::uint8_t>(chosen->red()), static_cast<std::uint8_t>(chosen->green()),
            static_cast<std::uint8_t>(chosen->blue())};
}

} // namespace vantrel
