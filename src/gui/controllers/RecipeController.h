// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/document/ListenerList.h"
#include "gui/controllers/EnablingRules.h"

#include <QList>
#include <QObject>

class QAction;
class QWidget;

namespace vantrel {

class EditingSession;
class UiStrings;

// File > Export Settings..., Export Changes... and Apply Settings...: the open
// file's settings, or what changed in it since it was opened, written as a
// recipe to carry to another phone, and a recipe reviewed and applied to it.
class RecipeController : public QObject {
    Q_OBJECT

  public:
    RecipeController(EditingSession& session, QWidget& window);

    // Export Settings, Export Changes and Apply Settings, for the File menu.
    [[nodiscard]] QList<QAction*> fileMenuItems() const;
    [[nodiscard]] QAction* exportSettingsAction() const { return m_exportSettingsAction; }
    [[nodiscard]] QAction* exportChangesAction() const { return m_exportChangesAction; }
    [[nodiscard]] QAction* applyAction() const { return m_applyAction; }
    // Captions again, after the language changed.
    void retranslate();

    void exportSettings();
    void exportChanges();
    void applySettings();

  private:
    void report(const QString& text);

    EditingSession& m_session;
    const UiStrings& m_strings;
    QWidget& m_window;
    EnablingRules m_rules;
    QAction* m_exportSettingsAction;
    QAction* m_exportChangesAction;
    QAction* m_applyAction;
    ListenerConnection m_sessionListener;
};

} // namespace vantrel
