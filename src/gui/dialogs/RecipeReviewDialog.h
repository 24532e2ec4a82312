// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/recipe/RecipeReview.h"

#include <QDialog>
#include <QList>

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

class QCheckBox;
class QDialogButtonBox;
class QGridLayout;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;

namespace vantrel {

class EditingSession;
class UiStrings;

// Apply Settings: a recipe, chosen as a file or pasted as text, looked over
// entry by entry before anything changes. Each entry is a tick box saying the
// setting, this file's value and the recipe's; an entry the file already holds
// starts unticked. A recipe that cannot be read or does not fit the file is
// refused with a message, and the dialog stays open for another. Applying is
// the caller's, with review() and tickedRows(), once the dialog is accepted.
class RecipeReviewDialog : public QDialog {
    Q_OBJECT

  public:
    RecipeReviewDialog(const EditingSession& session, QWidget* parent = nullptr);

    // Reads the recipe of a file, or of pasted text, and shows its review.
    void reviewFile(const QString& path);
    void reviewPasted();

    // The review on show, if any; whether it can be applied is its own.
    [[nodiscard]] const std::optional<RecipeReview>& review() const { return m_review; }
    // The rows whose boxes are ticked, in the review's order.
    [[nodiscard]] std::vector<std::size_t> tickedRows() const;

    [[nodiscard]] QPushButton* chooseFileButton() const { return m_chooseFile; }
    [[nodiscard]] QPlainTextEdit* pasteEdit() const { return m_paste; }
    [[nodiscard]] QPushButton* reviewPastedButton() const { return m_reviewPasted; }
    [[nodiscard]] QPushButton* applyButton() const { return m_apply; }
    [[nodiscard]] const QList<QCheckBox*>& ticks() const { return m_ticks; }

  private:
    void chooseFile();
    // Shows the review of a recipe read from source (a file's name, or none
    // for pasted text), or why it is refused.
    void showRecipe(std::string_view bytes, const QString& source);
    void showReview(RecipeReview review);
    void clearRows();
    void addRow(const RecipeReviewRow& row);
    void refuse(const QString& text);
    void updateApply();

    const EditingSession& m_session;
    const UiStrings& m_strings;
    QPushButton* m_chooseFile = nullptr;
    QPlainTextEdit* m_paste = nullptr;
    QPushButton* m_reviewPasted = nullptr;
    QLabel* m_hint = nullptr;
    QScrollArea* m_scroll = nullptr;
    QWidget* m_rowsHolder = nullptr;
    QGridLayout* m_rows = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
    QPushButton* m_apply = nullptr;
    QList<QCheckBox*> m_ticks;
    std::optional<RecipeReview> m_review;
};

} // namespace vantrel
