// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/editors/ColorMath.h"
#include "desktop/files/FileDialogOptions.h"

#include <QString>

#include <cstdint>
#include <optional>

class QWidget;

namespace vantrel {

class DialogAnswerer;

// The one way the program shows the standard Open, Save and colour dialogs:
// make a fresh instance, set what the dialog needs, call show, read the
// results. An empty fileName() or no color() afterwards means the user
// cancelled. Tests answer every dialog through setAnswerer.
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
    // What the file dialogs are asked for besides a name.
    [[nodiscard]] FileDialogOption options() const { return m_options; }
    void setOptions(FileDialogOption options) { m_options = options; }
    // The extension Save gives a name typed without one: "seem" unless set.
    void setDefaultSuffix(const QString& suffix) { m_defaultSuffix = suffix; }
    [[nodiscard]] QString initialDir() const { return m_initialDir; }
    void setInitialDir(const QString& folder) { m_initialDir = folder; }
    // The window that owns the dialogs; null is replaced by the active window
    // at the next action and stays replaced.
    [[nodiscard]] QWidget* owner() const { return m_owner; }
    void setOwner(QWidget* owner) { m_owner = owner; }
    // The colour the colour dialog starts with, and the one chosen; nothing
    // after a cancelled colour dialog.
    [[nodiscard]] std::optional<Rgb> color() const { return m_color; }
    void setColor(Rgb color) { m_color = color; }

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
    FileDialogOption m_options = FileDialogOption::None;
    std::optional<Rgb> m_color = Rgb{};
};

} // namespace vantrel
