// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/document/ByteGrid.h"
#include "core/document/FunctionTree.h"
#include "core/document/SeemDocument.h"
#include "core/i18n/BuiltinStrings.h"
#include "core/i18n/UiStrings.h"
#include "core/xml/XmlDocument.h"

#include <QHash>
#include <QIcon>
#include <QPoint>
#include <QString>
#include <QTreeWidget>

namespace vantrel {

// The tree of function switches. It reads and writes switch bits
// through the document's grid, shows each switch as its cell holds it whoever
// wrote it, and tells the main window, by signals, what to show in the
// information frame, the status bar and the Edit menu.
class FunctionTreeEditor : public QTreeWidget {
    Q_OBJECT

  public:
    // Item data of every node, for the window and for tests.
    enum ItemRole {
        KeyRole = Qt::UserRole, // "_root" or "n_<offset>_<bit>"
        ImageKeyRole,           // "folder", "on" or "off"
    };

    FunctionTreeEditor(SeemDocument& document, const UiStrings& strings, QWidget* parent = nullptr);

    // Replaces the tree by the one described by a function type element: root
    // "_root" with the type's "tip", its items below it, the root expanded.
    void load(const XmlElement& typeElement);

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
    void addItems(QTreeWidgetItem* rootItem, FunctionNode& root);
    void chooseNode(QTreeWidgetItem* item);
    void showSwitch(QTreeWidgetItem* item, const FunctionNode& node);
    void setImage(QTreeWidgetItem* item, const FunctionNode& node);
    // The switches on the cell (all of them for -1) show again what it holds.
    void refreshSwitches(int cellIndex);
    void drawIcons();
    void nameForScreenReaders();
    [[nodiscard]] FunctionNode* nodeOf(const QTreeWidgetItem* item) const;
    [[nodiscard]] QString pathOf(const QTreeWidgetItem* item) const;
    [[nodiscard]] bool shownInWindow() const;
    // The switch whose on/off image is under a viewport point, if any.
    [[nodiscard]] QTreeWidgetItem* switchImageAt(const QPoint& pos) const;
    // A check state changed from outside (not by the tree) becomes the toggle.
    void onItemChanged(QTreeWidgetItem* item);

    SeemDocument& m_document;
    ByteGrid& m_grid;
    const UiStrings& m_strings;
    ListenerConnection m_gridConnection;
    FunctionTreeBuilder m_builder;
    FunctionNode m_root;
    QHash<QString, QIcon> m_icons;
    QHash<const QTreeWidgetItem*, FunctionNode*> m_nodes;
    // The item a mouse press already handled through a change of the current item.
    const QTreeWidgetItem* m_handledByPress = nullptr;
    // The switch whose image the left button went down on.
    const QTreeWidgetItem* m_pressedImage = nullptr;
    bool m_settingImage = false;
};

} // namespace vantrel
