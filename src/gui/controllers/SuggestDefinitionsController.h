// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/document/ListenerList.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class QAction;
class QDialog;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace vantrel {

class DocumentComparison;
class SeemDocument;
class UiStrings;

// "Suggest definitions" in a comparison: the definitions elements that would
// describe the bits in which the compared file differs where no item reads,
// shown in a window to copy from. Usable while a comparison is open.
class SuggestDefinitionsController : public QObject {
    Q_OBJECT

  public:
    SuggestDefinitionsController(const SeemDocument& document, DocumentComparison& comparison,
                                 const UiStrings& strings, QWidget* window);
    ~SuggestDefinitionsController() override;

    [[nodiscard]] QAction* action() const { return m_action; }
    // The definitions file the suggestions are for, e.g. "seem_en.xml".
    void setDefinitionsName(std::function<QString()> name) { m_definitionsName = std::move(name); }
    void retranslate();

    // The text to paste, for the open comparison; empty without one.
    [[nodiscard]] QString suggestion() const;
    // Shows the suggestion window (created the first time), with the text now.
    void showSuggestions();
    [[nodiscard]] QDialog* dialog() const;

  private:
    void createDialog();

    const SeemDocument& m_document;
    DocumentComparison& m_comparison;
    const UiStrings& m_strings;
    QWidget* m_window;
    QAction* m_action = nullptr;
    std::function<QString()> m_definitionsName;
    QPointer<QDialog> m_dialog;
    QLabel* m_hint = nullptr; // what to do with the text
    QPlainTextEdit* m_text = nullptr;
    QPushButton* m_copyButton = nullptr;
    ListenerConnection m_comparisonListener;
};

} // namespace vantrel
