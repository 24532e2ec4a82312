// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/document/ByteGrid.h"
#include "core/i18n/UiStrings.h"
#include "core/xml/XmlDocument.h"

#include <QString>
#include <QTreeWidget>

#include <optional>

namespace vantrel {

class PhoneScreenPreview;

// The tree of a colour file (tvwColor): its groups, and under each group its
// colour entries, each with its own colour (and transparency) as its icon,
// above a phone screen painted in the scheme's colours. Clicking a node tells
// the colour panel what to show.
class ColorTreeEditor : public QTreeWidget {
    Q_OBJECT

  public:
    // Item data of every node, for the window and for tests.
    enum ItemRole {
        KeyRole = Qt::UserRole, // "f_<position>" or "c_<offset as written>"
        ImageKeyRole,           // "folder" or "node"
        OffsetRole,             // an entry's first byte; none on a group
    };

    ColorTreeEditor(ByteGrid& grid, const UiStrings& strings, QWidget* parent = nullptr);
    ~ColorTreeEditor() override;

    // Replaces the tree by the groups and entries of a colour type element.
    // Entries that cannot be edited are left out; then failed() is emitted
    // once and false returned. Changes no cell.
    bool load(const XmlElement& typeElement);

    [[nodiscard]] QTreeWidgetItem* itemByKey(const QString& key) const;
    [[nodiscard]] static QString itemKey(const QTreeWidgetItem* item);
    [[nodiscard]] static QString itemImageKey(const QTreeWidgetItem* item);
    // The colour entry a cell belongs to, its colour and transparency, as a
    // screen reader hears the cell.
    [[nodiscard]] QString cellDescription(int index) const;

  signals:
    // A node became current, by mouse or keyboard: the entry's first byte, or
    // nothing for a group.
    void nodeClicked(std::optional<int> entryOffset);
    // The window shows the message with the critical-error icon.
    void failed(const QString& message);

  protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void showEntryColor(QTreeWidgetItem* entry);
    void onCellChanged(int index);
    void placePreview();
    void nameForScreenReaders();

    ByteGrid& m_grid;
    PhoneScreenPreview* m_preview = nullptr;
    ListenerConnection m_listener;
    const UiStrings& m_strings;
    bool m_filling = false;
};

} // namespace vantrel
