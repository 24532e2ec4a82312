// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dialogs/CommDlg.h"

#include "core/files/DialogValues.h"
#include "core/files/FileFilter.h"
#include "gui/dialogs/DialogAnswerer.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QFontInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QUrl>

#include <cmath>

namespace vantrel {

namespace {

DialogAnswerer* s_answerer = nullptr;
QPrinter* s_currentPrinter = nullptr;

QStringList nameFiltersOf(const QString& filter) {
    QStringList nameFilters;
    for (const std::string& nameFilter : toNameFilters(filter.toStdString()))
        nameFilters << QString::fromStdString(nameFilter);
    return nameFilters;
}

QColor toQColor(std::int32_t colorRef) {
    return QColor(colorRefRed(colorRef), colorRefGreen(colorRef), colorRefBlue(colorRef));
}

std::optional<QString> execFileDialog(const FileDialogRequest& request) {
    QFileDialog dialog(request.owner, request.title, request.initialDir);
    // Show the descriptions alone; their patterns often repeat the description's own.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    if (!request.nameFilters.isEmpty())
        dialog.setNameFilters(request.nameFilters);
    if (request.filterIndex >= 1 && request.filterIndex <= request.nameFilters.size())
        dialog.selectNameFilter(request.nameFilters.at(request.filterIndex - 1));
    if (request.kind == FileDialogKind::Open) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(hasFlag(request.flags, FileDialogFlag::FileMustExist)
                               ? QFileDialog::ExistingFile
                               : QFileDialog::AnyFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // Every file saved is a seem file; the dialog adds the suffix before it
        // asks about replacing, so the question names the file really written.
        dialog.setDefaultSuffix(QStringLiteral("seem"));
        dialog.setOption(QFileDialog::DontConfirmOverwrite,
                         !hasFlag(request.flags, FileDialogFlag::OverwritePrompt));
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

std::optional<QFont> execFontDialog(const FontDialogRequest& request) {
    bool accepted = false;
    const QFont chosen = QFontDialog::getFont(&accepted, request.initialFont, request.owner);
    if (!accepted)
        return std::nullopt;
    return chosen;
}

bool execPrinterDialog(const PrinterDialogRequest& request) {
    QPrintDialog dialog(&CommDlg::currentPrinter(), request.owner);
    return dialog.exec() == QDialog::Accepted;
}

// Whole points, cut rather than rounded, also for a font sized in pixels.
std::int32_t wholePoints(const QFont& font) {
    const qreal points = font.pointSizeF() > 0 ? font.pointSizeF() : QFontInfo(font).pointSizeF();
    return static_cast<std::int32_t>(std::trunc(points));
}

} // namespace

DialogAnswerer::~DialogAnswerer() {
    if (CommDlg::answerer() == this)
        CommDlg::setAnswerer(nullptr);
}

void CommDlg::setAnswerer(DialogAnswerer* answerer) {
    s_answerer = answerer;
}

DialogAnswerer* CommDlg::answerer() {
    return s_answerer;
}

QPrinter& CommDlg::currentPrinter() {
    if (!s_currentPrinter) {
        s_currentPrinter = new QPrinter;
        // Freed with the application object, while the print system is still there.
        qAddPostRoutine([] {
            delete s_currentPrinter;
            s_currentPrinter = nullptr;
        });
    }
    return *s_currentPrinter;
}

void CommDlg::setAction(int action) {
    if (action < Open || action > Help)
        return;
    if (!m_owner)
        m_owner = QApplication::activeWindow();
    switch (action) {
    case Open:
    case Save:
        runFileDialog(static_cast<Action>(action));
        break;
    case Color:
        runColorDialog();
        break;
    case Font:
        runFontDialog();
        break;
    case Printer:
        runPrinterDialog();
        break;
    case Help:
        runHelp();
        break;
    }
}

void CommDlg::runFileDialog(Action action) {
    const FileDialogRequest request{
        action == Open ? FileDialogKind::Open : FileDialogKind::Save,
        m_owner,
        m_dialogTitle,
        nameFiltersOf(m_filter),
        m_filterIndex,
        m_initDir,
        m_fileName,
        m_flags,
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

void CommDlg::runColorDialog() {
    const ColorDialogRequest request{m_owner, toQColor(m_rgbResult), m_flags};
    const std::optional<QColor> chosen =
        s_answerer ? s_answerer->answerColor(request) : execColorDialog(request);
    if (!chosen || !chosen->isValid()) {
        m_rgbResult = NoColor;
        return;
    }
    m_rgbResult = packColorRef(chosen->red(), chosen->green(), chosen->blue());
}

void CommDlg::runFontDialog() {
    QFont initial;
    if (!m_fontName.isEmpty())
        initial.setFamily(m_fontName);
    if (m_fontSize > 0)
        initial.setPointSize(m_fontSize);
    initial.setBold(m_bold);
    initial.setItalic(m_italic);
    initial.setUnderline(m_underline);
    initial.setStrikeOut(m_strikeThru);
    const FontDialogRequest request{m_owner, initial, m_flags};
    const std::optional<QFont> chosen =
        s_answerer ? s_answerer->answerFont(request) : execFontDialog(request);
    if (!chosen)
        throw CommDlgCancelled("The font dialog was cancelled.");
    // RGBResult stays: Qt's font dialog offers no text colour to choose.
    m_fontName = chosen->family();
    m_fontSize = wholePoints(*chosen);
    m_bold = chosen->bold();
    m_italic = chosen->italic();
    m_underline = chosen->underline();
    m_strikeThru = chosen->strikeOut();
}

void CommDlg::runPrinterDialog() {
    const PrinterDialogRequest request{m_owner, m_flags};
    const bool confirmed =
        s_answerer ? s_answerer->answerPrinter(request) : execPrinterDialog(request);
    if (!confirmed)
        throw CommDlgCancelled("The printer dialog was cancelled.");
}

void CommDlg::runHelp() {
    bool isNumber = false;
    const int key = m_helpKey.trimmed().toInt(&isNumber);
    if (!isNumber)
        throw CommDlgError("The help key \"" + m_helpKey.toStdString() + "\" is not a number.");
    const HelpRequest request{m_owner, m_helpFile, m_helpCommand, key};
    if (s_answerer)
        s_answerer->openHelp(request);
    else
        QDesktopServices::openUrl(QUrl::fromLocalFile(m_helpFile));
    m_fileTitle.clear();
}

} // namespace vantrel
