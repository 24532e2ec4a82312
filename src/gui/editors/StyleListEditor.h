// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/document/ByteGrid.h"
#include "core/document/SeemDocument.h"
#include "core/editors/StyleList.h"
#include "core/i18n/UiStrings.h"
#include "core/xml/XmlDocument.h"

#include <QListWidget>
#include <QString>

#include <vector>

namespace vantrel {

// The check list of a style file: one row per named option, checked
// while its byte holds the "on" value, whoever wrote it. Checking a row writes
// its byte as one undoable step.
class StyleListEditor : public QListWidget {
    Q_OBJECT

  public:
    // Item data of every row, for the window and for tests.
    enum ItemRole {
        KeyRole = Qt::UserRole, // "<offset>_<val1>_<val2>"
        ImageKeyRole,           // always "node"
    };

    StyleListEditor(SeemDocument& document, const UiStrings& strings, QWidget* parent = nullptr);

    // Replaces the rows by those of a style type element without changing any
    // cell. On an item that cannot be listed it stops, keeps the rows before
    // it, emits failed() and returns false.
    bool load(const XmlElement& typeElement);

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
    // The definitions could not all be listed; the window shows the message
    // with the critical-error icon.
    void failed(const QString& message);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void onItemChanged(QListWidgetItem* item);
    void nameForScreenReaders();
    void chooseRow(const StyleRow& row);
    // Every row on the cell (all rows for -1) shows again what the cell holds.
    void refreshRows(int cellIndex);
    [[nodiscard]] StyleRow* rowOf(const QListWidgetItem* item);

    SeemDocument& m_document;
    ByteGrid& m_grid;
    const UiStrings& m_strings;
    ListenerConnection m_gridConnection;
    std::vector<StyleRow> m_rows; // m_rows[i] belongs to list row i
    bool m_filling = false;
    // The item a mouse press already handled (current item changed or box toggled).
    const QListWidgetItem* m_handledByPress = nullptr;
};

} // namespace vantrel
