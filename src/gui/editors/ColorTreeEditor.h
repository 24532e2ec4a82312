// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/document/ListenerList.h"
#include "core/session/SessionTypes.h"

#include <QString>
#include <QTreeWidget>

namespace vantrel {

class EditingSession;
class PhoneScreenPreview;

// The tree of a colour file (tvwColor) in the session's editor model: its
// groups, and under each group its colour entries, each with its own colour
// (and transparency) as its icon, above a phone screen painted in the
// scheme's colours. Clicking a node tells the colour panel what to show.
class ColorTreeEditor : public QTreeWidget {
    Q_OBJECT

  public:
    // Item data of every node, for the window and for tests.
    enum ItemRole {
        KeyRole = Qt::UserRole, // "f_<position>" or "c_<offset as written>"
        ImageKeyRole,           // "folder" or "node"
        OffsetRole,             // an entry's first byte; none on a group
    };

    explicit ColorTreeEditor(EditingSession& session, QWidget* parent = nullptr);
    ~ColorTreeEditor() override;

    // Replaces the tree by the model's groups and entries (none unless a
    // colour file is open). Changes no cell. A model built anew is loaded
    // without being asked.
    void load();

    [[nodiscard]] QTreeWidgetItem* itemByKey(const QString& key) const;
    [[nodiscard]] static QString itemKey(const QTreeWidgetItem* item);
    [[nodiscard]] static QString itemImageKey(const QTreeWidgetItem* item);
    // The colour entry a cell belongs to, its colour and transparency, as a
    // screen reader hears the cell.
    [[nodiscard]] QString cellDescription(int index) const;

  signals:
    // A node became current, by mouse or keyboard: the entry's key, or
    // nothing for a group.
    void nodeClicked(const QString& entryKey);

  protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void showEntryColor(QTreeWidgetItem* entry);
    void onSessionChange(const SessionChange& change);
    void placePreview();
    void nameForScreenReaders();

    EditingSession& m_session;
    PhoneScreenPreview* m_preview = nullptr;
    ListenerConnection m_listener;
    bool m_filling = false;
};

} // namespace vantrel
