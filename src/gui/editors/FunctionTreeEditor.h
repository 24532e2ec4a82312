// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/document/FunctionTree.h"
#include "core/document/ListenerList.h"
#include "core/i18n/BuiltinStrings.h"
#include "core/session/SessionTypes.h"

#include <QHash>
#include <QIcon>
#include <QPoint>
#include <QString>
#include <QTreeWidget>

#include <optional>
#include <string>
#include <vector>

namespace vantrel {

class EditingSession;

// The tree of function switches of the session's editor model, switches
// under switches included. A toggle is the session's command on the switch's
// key; each switch shows its state as the session pushes it, whoever wrote
// the cell. It tells the main window, by signals, what to show in the
// information frame, the status bar and the Edit menu.
class FunctionTreeEditor : public QTreeWidget {
    Q_OBJECT

  public:
    // Item data of every node, for the window and for tests.
    enum ItemRole {
        KeyRole = Qt::UserRole, // "_root" or "n_<offset>_<bit>"
        ImageKeyRole,           // "folder", "on" or "off"
    };

    explicit FunctionTreeEditor(EditingSession& session, QWidget* parent = nullptr);

    // Replaces the tree by the model's: root "_root" with the type's "tip",
    // its items below it, the root expanded; empty unless the open file is a
    // function file. A model built anew is loaded without being asked.
    void load();

    // Edit > On/Off: flips the selected switch, one undoable step. Does nothing
    // unless the tree is shown and enabled and a switch is selected.
    void toggleSelected();

    // The switch becomes the selected one and, if it may be toggled, asks
    // for the toggle (toggleRequested()), as a click on its image does.
    void requestToggle(QTreeWidgetItem* item);

    [[nodiscard]] bool switchSelected() const;
    [[nodiscard]] QString selectedKey() const;
    [[nodiscard]] QTreeWidgetItem* itemByKey(const QString& key) const;
    [[nodiscard]] static QString itemKey(const QTreeWidgetItem* item);
    [[nodiscard]] static QString itemImageKey(const QTreeWidgetItem* item);
    // The switches on a cell and their state, as a screen reader hears the cell.
    [[nodiscard]] QString cellDescription(int index) const;

  signals:
    // A switch was clicked: the window gives this cell the focus; the tree
    // takes the focus back right after the signal returns.
    void cellFocusRequested(int index);
    // The information frame's caption and text. A null infoText (root or
    // folder clicked) means the text stays as it is.
    void infoChanged(const QString& frameCaption, const QString& infoText);
    // Status bar panel 1.
    void statusPathChanged(const QString& path);
    // Edit > On/Off and the information frame are enabled exactly when a switch is selected; the
    // caption is empty otherwise and then leaves the menu caption as it is.
    void switchStateChanged(bool switchSelected, const QString& onOffCaption);
    // The right button was released over the tree; the selection is unchanged.
    void contextMenuRequested(const QPoint& globalPos);
    // Space or Enter on a selected switch, a click on its on/off image or a
    // double-click on its row: the window runs Edit > On/Off, so every toggle
    // is the same (undoable) step as the menu's.
    void toggleRequested();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void addItems(QTreeWidgetItem* rootItem, const FunctionNode& root);
    void chooseNode(QTreeWidgetItem* item);
    void showSwitch(QTreeWidgetItem* item, const FunctionNode& node);
    // The on/off image and check state of a switch that is on or off, the
    // folder image for nothing.
    void setImage(QTreeWidgetItem* item, std::optional<bool> switchOn);
    void onSessionChange(const SessionChange& change);
    // The switches of these keys show again what the model says of them.
    void refreshSwitches(const std::vector<std::string>& keys);
    void drawIcons();
    void nameForScreenReaders();
    // The model's switch of a row; null for the root, a folder or no row.
    [[nodiscard]] const FunctionNode* switchOf(const QTreeWidgetItem* item) const;
    [[nodiscard]] QString pathOf(const QTreeWidgetItem* item) const;
    [[nodiscard]] bool shownInWindow() const;
    // The switch whose on/off image is under a viewport point, if any.
    [[nodiscard]] QTreeWidgetItem* switchImageAt(const QPoint& pos) const;
    // A check state changed from outside (not by the tree) becomes the toggle.
    void onItemChanged(QTreeWidgetItem* item);

    EditingSession& m_session;
    ListenerConnection m_sessionConnection;
    QHash<QString, QIcon> m_icons;
    QHash<QString, QTreeWidgetItem*> m_items; // by key
    // The item a mouse press already handled through a change of the current item.
    const QTreeWidgetItem* m_handledByPress = nullptr;
    // The switch whose image the left button went down on.
    const QTreeWidgetItem* m_pressedImage = nullptr;
    bool m_settingImage = false;
};

} // namespace vantrel
