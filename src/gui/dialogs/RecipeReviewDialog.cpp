// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dialogs/RecipeReviewDialog.h"

#include "core/files/RegularFile.h"
#include "core/i18n/BuiltinStrings.h"
#include "core/i18n/UiStrings.h"
#include "core/recipe/RecipeJson.h"
#include "core/session/EditingSession.h"
#include "desktop/files/FileDialogOptions.h"
#include "gui/dialogs/MessageBox.h"
#include "gui/dialogs/StandardDialog.h"
#include "gui/i18n/ApplyLanguage.h"
#include "gui/i18n/UiText.h"
#include "gui/widgets/ScreenFit.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTextDocument>
#include <QVBoxLayout>

namespace vantrel {

namespace {

constexpr int kPasteLines = 5;
constexpr int kPasteColumns = 50;

// A value may hold "&", which a check box would take for an access key.
QString literalCaption(const std::string& text) {
    return uiText(text).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

RecipeReviewDialog::RecipeReviewDialog(const EditingSession& session, QWidget* parent)
    : QDialog(parent), m_session(session), m_strings(session.strings()) {
    setObjectName(QStringLiteral("frmRecipeReview"));
    setWindowTitle(plainCaption(uiText(m_strings, UiString::MenuApplySettings)));

    m_chooseFile = new QPushButton(uiText(m_strings, UiString::RecipeChooseFile), this);
    m_chooseFile->setObjectName(QStringLiteral("cmdChooseRecipe"));
    m_paste = new QPlainTextEdit(this);
    m_paste->setObjectName(QStringLiteral("txtRecipe"));
    // Tab leaves the box, so that the keyboard alone reaches the entries.
    m_paste->setTabChangesFocus(true);
    const QFontMetrics metrics = m_paste->fontMetrics();
    const int margin = static_cast<int>(m_paste->document()->documentMargin());
    m_paste->setFixedHeight(metrics.lineSpacing() * kPasteLines +
                            2 * (m_paste->frameWidth() + margin));
    m_paste->setMinimumWidth(metrics.averageCharWidth() * kPasteColumns);
    auto* pasteLabel = new QLabel(uiText(m_strings, UiString::RecipePasteLabel), this);
    pasteLabel->setObjectName(QStringLiteral("lblPasteRecipe"));
    pasteLabel->setBuddy(m_paste);
    m_paste->setAccessibleName(pasteLabel->text());
    m_reviewPasted = new QPushButton(uiText(m_strings, UiString::RecipeReviewPasted), this);
    m_reviewPasted->setObjectName(QStringLiteral("cmdReviewPasted"));
    m_reviewPasted->setEnabled(false);

    m_hint = new QLabel(uiText(m_strings, UiString::RecipeReviewHint), this);
    m_hint->setObjectName(QStringLiteral("lblReviewHint"));
    m_hint->setWordWrap(true);
    m_rowsHolder = new QWidget;
    m_rows = new QGridLayout(m_rowsHolder);
    m_rows->setColumnStretch(1, 1);
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("fraRecipeEntries"));
    m_scroll->setWidgetResizable(true);
    m_scroll->setFocusPolicy(Qt::NoFocus);
    m_scroll->setWidget(m_rowsHolder);
    m_hint->hide();
    m_scroll->hide();

    m_buttons = new QDialogButtonBox(this);
    m_apply = m_buttons->addButton(uiText(m_strings, UiString::UndoApplySettings),
                                   QDialogButtonBox::AcceptRole);
    m_apply->setObjectName(QStringLiteral("cmdApply"));
    m_apply->setDefault(true);
    QPushButton* cancel = m_buttons->addButton(uiText(m_strings, UiString::ButtonCancel),
                                               QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cmdCancel"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_chooseFile, 0, Qt::AlignLeft);
    layout->addWidget(pasteLabel);
    layout->addWidget(m_paste);
    layout->addWidget(m_reviewPasted, 0, Qt::AlignRight);
    layout->addWidget(m_hint);
    layout->addWidget(m_scroll, 1);
    layout->addWidget(m_buttons);

    connect(m_chooseFile, &QPushButton::clicked, this, &RecipeReviewDialog::chooseFile);
    connect(m_paste, &QPlainTextEdit::textChanged, this,
            [this] { m_reviewPasted->setEnabled(!m_paste->document()->isEmpty()); });
    connect(m_reviewPasted, &QPushButton::clicked, this, &RecipeReviewDialog::reviewPasted);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &RecipeReviewDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &RecipeReviewDialog::reject);
    // An entry reached by the keyboard is scrolled into sight.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && m_rowsHolder->isAncestorOf(now))
            m_scroll->ensureWidgetVisible(now);
    });
    updateApply();
}

std::vector<std::size_t> RecipeReviewDialog::tickedRows() const {
    std::vector<std::size_t> rows;
    for (qsizetype i = 0; i < m_ticks.size(); ++i) {
        if (m_ticks[i]->isChecked())
            rows.push_back(static_cast<std::size_t>(i));
    }
    return rows;
}

void RecipeReviewDialog::chooseFile() {
    StandardDialog dialog;
    dialog.setOwner(this);
    dialog.setTitle(windowTitle());
    dialog.setFilter(uiText(m_strings, UiString::RecipeFilter));
    dialog.setOptions(FileDialogOption::MustExist | FileDialogOption::HideReadOnly);
    dialog.show(StandardDialog::Action::Open);
    if (!dialog.fileName().isEmpty())
        reviewFile(dialog.fileName());
}

void RecipeReviewDialog::reviewFile(const QString& path) {
    // One byte over the limit is enough for the parser to refuse the file.
    const RegularFileRead read = readRegularFile(path.toStdString(), kLargestGivenRecipe + 1);
    if (!read.ok) {
        clearRows();
        refuse(path + QLatin1Char(':') + joinLines({read.reason}));
        return;
    }
    showRecipe(read.bytes, path);
}

void RecipeReviewDialog::reviewPasted() {
    const QByteArray text = m_paste->toPlainText().toUtf8();
    showRecipe(std::string_view(text.constData(), static_cast<std::size_t>(text.size())), {});
}

void RecipeReviewDialog::showRecipe(std::string_view bytes, const QString& source) {
    clearRows();
    const RecipeParse parsed = parseGivenRecipe(bytes);
    if (!parsed.ok()) {
        const QString head = source.isEmpty() ? uiText(m_strings, UiString::RecipePastedUnusable)
                                              : source + QLatin1Char(':');
        refuse(head + joinLines(parsed.problems));
        return;
    }
    showReview(m_session.reviewRecipe(parsed.recipe));
}

void RecipeReviewDialog::showReview(RecipeReview review) {
    if (review.refusal) {
        refuse(uiText(m_strings, *review.refusal));
        return;
    }
    if (!review.refused.empty()) {
        refuse(uiText(m_strings, UiString::RecipeRefused) + joinLines(review.refused));
        return;
    }
    m_review = std::move(review);
    for (const RecipeReviewRow& row : m_review->rows)
        addRow(row);
    // Through the entries in their order, between the paste box and Apply.
    QWidget* previous = m_reviewPasted;
    for (QCheckBox* tick : m_ticks) {
        setTabOrder(previous, tick);
        previous = tick;
    }
    setTabOrder(previous, m_apply);
    m_hint->show();
    m_scroll->show();
    updateApply();
    fitWindowToScreen(this, sizeHint().expandedTo(size()));
    if (!m_ticks.isEmpty())
        m_ticks.front()->setFocus();
}

void RecipeReviewDialog::addRow(const RecipeReviewRow& row) {
    const int index = static_cast<int>(m_ticks.size());
    auto* tick = new QCheckBox(literalCaption(reviewRowText(m_strings, row)), m_rowsHolder);
    tick->setObjectName(QStringLiteral("chkRecipeEntry%1").arg(index));
    tick->setAccessibleName(uiText(reviewTickName(m_strings, row)));
    tick->setChecked(row.ticked);
    connect(tick, &QCheckBox::toggled, this, &RecipeReviewDialog::updateApply);
    m_rows->addWidget(tick, index, 0);
    if (const std::string mark = reviewMarkText(m_strings, row); !mark.empty()) {
        auto* label = new QLabel(uiText(mark), m_rowsHolder);
        label->setObjectName(QStringLiteral("lblRecipeMark%1").arg(index));
        label->setWordWrap(true);
        QFont font = label->font();
        font.setItalic(true);
        label->setFont(font);
        m_rows->addWidget(label, index, 1);
    }
    m_ticks.append(tick);
}

void RecipeReviewDialog::clearRows() {
    m_review.reset();
    m_ticks.clear();
    while (QLayoutItem* item = m_rows->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    m_hint->hide();
    m_scroll->hide();
    updateApply();
}

void RecipeReviewDialog::refuse(const QString& text) {
    clearRows();
    showMessage(this, MessageIcon::Warning, text);
}

// Apply waits for a review that can be applied and an entry ticked in it.
void RecipeReviewDialog::updateApply() {
    m_apply->setEnabled(m_review && m_review->canApply() && !tickedRows().empty());
}

} // namespace vantrel
