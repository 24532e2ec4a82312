// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdint>

class QWidget;

namespace vantrel {

class DialogAnswerer;

// The one way the program shows the standard Open, Save and colour dialogs:
// make a fresh instance, set what the dialog needs, call show, read the
// results. An empty fileName() or an rgbResult() of -1 afterwards means the
// user cancelled. Tests answer every dialog through setAnswerer.
class StandardDialog {
  public:
    enum class Action { Open, Save, Color };

    // Shows the dialog and waits for it to close.
    void show(Action action);

    [[nodiscard]] QString title() const { return m_title; }
    void setTitle(const QString& title) { m_title = title; }
    // Full path of the chosen file; may be preset to propose a name.
    [[nodiscard]] QString fileName() const { return m_fileName; }
    void setFileName(const QString& fileName) { m_fileName = fileName; }
    // File name of the chosen file, without its folder.
    [[nodiscard]] QString fileTitle() const { return m_fileTitle; }
    // "description|pattern|description|pattern"; patterns joined by ";".
    [[nodiscard]] QString filter() const { return m_filter; }
    void setFilter(const QString& filter) { m_filter = filter; }
    // 1-based index of the filter selected first.
    [[nodiscard]] std::int32_t filterIndex() const { return m_filterIndex; }
    void setFilterIndex(std::int32_t index) { m_filterIndex = index; }
    // Bits from FileDialogFlag in core/files/DialogValues.h for the file dialogs.
    [[nodiscard]] std::int32_t flags() const { return m_flags; }
    void setFlags(std::int32_t flags) { m_flags = flags; }
    // The extension Save gives a name typed without one: "seem" unless set.
    void setDefaultSuffix(const QString& suffix) { m_defaultSuffix = suffix; }
    [[nodiscard]] QString initialDir() const { return m_initialDir; }
    void setInitialDir(const QString& folder) { m_initialDir = folder; }
    // The window that owns the dialogs; null is replaced by the active window
    // at the next action and stays replaced.
    [[nodiscard]] QWidget* owner() const { return m_owner; }
    void setOwner(QWidget* owner) { m_owner = owner; }
    // Colour as 0x00BBGGRR (red in the low byte); -1 after a cancelled colour dialog.
    [[nodiscard]] std::int32_t rgbResult() const { return m_rgbResult; }
    void setRgbResult(std::int32_t color) { m_rgbResult = color; }

    // Installs the answerer that stands in for the user in every dialog and
    // message box (nullptr: show the real ones). Not owned.
    static void setAnswerer(DialogAnswerer* answerer);
    [[nodiscard]] static DialogAnswerer* answerer();

  private:
    void runFileDialog(Action action);
    void runColorDialog();

    QString m_fileName;
    QString m_fileTitle;
    QWidget* m_owner = nullptr;
    QString m_title;
    QString m_filter;
    QString m_initialDir;
    QString m_defaultSuffix = QStringLiteral("seem");
    std::int32_t m_filterIndex = 0;
    std::int32_t m_flags = 0;
    std::int32_t m_rgbResult = 0;
};

} // namespace vantrel
