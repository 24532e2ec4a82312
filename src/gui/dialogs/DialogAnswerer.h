// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/files/FileDialogOptions.h"
#include "gui/dialogs/MessageBox.h"

#include <QColor>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <optional>

class QWidget;

namespace vantrel {

enum class FileDialogKind { Open, Save };

// What a dialog was asked to show, as StandardDialog would have shown it.
struct FileDialogRequest {
    FileDialogKind kind = FileDialogKind::Open;
    QWidget* owner = nullptr;
    QString title;
    QStringList nameFilters; // already in Qt's "description (patterns)" form
    int filterIndex = 0;     // 1-based; 0 or out of range selects the first
    QString initialDir;
    QString presetFileName;
    FileDialogOption options = FileDialogOption::None;
    QString defaultSuffix = QStringLiteral("seem"); // what Save adds to a bare name
};

struct FolderDialogRequest {
    QWidget* owner = nullptr;
    QString title;
    QString initialDir;
};

struct ColorDialogRequest {
    QWidget* owner = nullptr;
    QColor initialColor;
};

struct MessageRequest {
    QWidget* parent = nullptr;
    MessageIcon icon = MessageIcon::Information;
    QString title;
    QString text;
};

// A question with buttons of its own; the answer is the index of the button chosen.
struct QuestionRequest {
    QWidget* parent = nullptr;
    MessageIcon icon = MessageIcon::Warning;
    QString title;
    QString text;
    QStringList buttons; // texts with "&" access keys
    int defaultButton = 0;
    int escapeButton = 0; // chosen by Escape or by closing the box
};

// The test seam of every modal dialog and message box: while one is installed
// with StandardDialog::setAnswerer, it answers in place of the user and nothing is
// shown. An answer of std::nullopt (or false) means "the user cancelled".
// An answerer uninstalls itself when destroyed, so a failed test cannot leave
// a dangling one behind for the next.
class DialogAnswerer {
  public:
    DialogAnswerer() = default;
    DialogAnswerer(const DialogAnswerer&) = delete;
    DialogAnswerer& operator=(const DialogAnswerer&) = delete;
    virtual ~DialogAnswerer();

    // The chosen full path.
    [[nodiscard]] virtual std::optional<QString> answerFile(const FileDialogRequest& request) = 0;
    [[nodiscard]] virtual std::optional<QColor> answerColor(const ColorDialogRequest& request) = 0;
    virtual void showMessage(const MessageRequest& request) = 0;
    // Unless overridden, every question is answered as if the user pressed Escape.
    [[nodiscard]] virtual int answerQuestion(const QuestionRequest& request) {
        return request.escapeButton;
    }
    // The chosen folder.
    [[nodiscard]] virtual std::optional<QString> answerFolder(const FolderDialogRequest&) {
        return std::nullopt;
    }
    // Stands in for the desktop opening a file or address in another program;
    // false when no program took it.
    virtual bool openUrl(const QUrl&) { return true; }
};

} // namespace vantrel
