// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/document/ListenerList.h"
#include "core/editors/StyleList.h"
#include "core/session/SessionTypes.h"

#include <QListWidget>
#include <QString>

#include <string>
#include <vector>

namespace vantrel {

class EditingSession;

// The check list of a style file's rows in the session's editor model: one
// row per named option, checked while its byte holds the "on" value, as the
// session pushes it whoever wrote it. Checking a row is the session's command
// on the row's key, one undoable step.
class StyleListEditor : public QListWidget {
    Q_OBJECT

  public:
    // Item data of every row, for the window and for tests.
    enum ItemRole {
        KeyRole = Qt::UserRole, // "<offset>_<val1>_<val2>"
        ImageKeyRole,           // always "node"
        ShownCheckRole,         // the check the cell gave the row when last shown
    };

    explicit StyleListEditor(EditingSession& session, QWidget* parent = nullptr);

    // Replaces the rows by the model's (none unless a style file is open)
    // without changing any cell. A model built anew is loaded without being asked.
    void load();

    [[nodiscard]] QListWidgetItem* itemByKey(const QString& key) const;
    [[nodiscard]] static QString itemKey(const QListWidgetItem* item);
    [[nodiscard]] static QString itemImageKey(const QListWidgetItem* item);
    // The rows on a cell and whether each is checked, as a screen reader hears the cell.
    [[nodiscard]] QString cellDescription(int index) const;

  signals:
    // A row was clicked or checked: the window gives this cell the focus; the
    // list takes the focus back right after the signal returns.
    void cellFocusRequested(int index);
    // The information text: the row's "tip".
    void infoChanged(const QString& infoText);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void onItemChanged(QListWidgetItem* item);
    void nameForScreenReaders();
    void chooseRow(const StyleRow& row);
    void onSessionChange(const SessionChange& change);
    // The rows of these keys show again what the model says of them.
    void refreshRows(const std::vector<std::string>& keys);
    void showCheck(QListWidgetItem* item, bool checked);
    // The model's row of a list item; null for none.
    [[nodiscard]] const StyleRow* rowOf(const QListWidgetItem* item) const;

    EditingSession& m_session;
    ListenerConnection m_sessionConnection;
    bool m_filling = false;
    // The item a mouse press already handled (current item changed or box toggled).
    const QListWidgetItem* m_handledByPress = nullptr;
};

} // namespace vantrel
