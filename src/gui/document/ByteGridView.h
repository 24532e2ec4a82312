// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/document/GridCursor.h"
#include "core/document/ListenerList.h"
#include "core/find/BytePattern.h"
#include "core/session/SessionTypes.h"

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPointer>
#include <QStaticText>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vantrel {

class ByteGrid;
class EditingSession;
class GridRuler;
class UiStrings;

// The byte grid on screen: every cell of the session's grid painted by one
// scroll area, sixteen to a row, with one cell in edit state (the session's
// cursor: index and caret). It repaints what the session reports as changed;
// keys move the session's cursor, and digits are typed through the session.
class ByteGridView : public QAbstractScrollArea {
    Q_OBJECT

  public:
    explicit ByteGridView(EditingSession& session, QWidget* parent = nullptr);

    // After the grid was rebuilt or loaded: back to the top, new scroll range,
    // edit state on cell 0. Also run by the grid's own rebuild notice.
    void rebuild();
    // The cell receives the focus: it becomes the current, bordered cell, the
    // edit state moves there with the caret before its first digit, it is
    // scrolled into view and the view takes the keyboard focus.
    void focusCell(int index);
    // The same, except that the keyboard focus stays where it is: an editor
    // shows the byte of its chosen setting and keeps the focus (and a screen
    // reader's place) on that setting.
    void showCell(int index);

    [[nodiscard]] int editIndex() const { return m_cursor.index(); }
    [[nodiscard]] int cellCount() const;
    [[nodiscard]] int caret() const { return m_cursor.caret(); }
    // The byte a cell holds becomes value, one step of its own, as if both
    // digits were typed there (a screen reader setting the cell's value).
    void setCellValue(int index, std::uint8_t value);

    // Arrow keys leave the cell only while a file is open.
    void setNavigationEnabled(bool enabled);
    [[nodiscard]] bool navigationEnabled() const { return m_cursor.navigationEnabled(); }
    // Without cells enabled nothing can be focused or typed and the cells are greyed.
    void setCellsEnabled(bool enabled);
    [[nodiscard]] bool cellsEnabled() const { return m_cellsEnabled; }

    void scrollToCell(int index);
    // Cells painted on a ground of their own colour (cells that differ from a
    // compared file); an empty list paints none.
    void setHighlightedCells(std::vector<bool> highlighted, const QColor& ground);
    // Painted on each cell's ground, under its border and digits (coverage
    // shading); an empty function paints nothing.
    using CellOverlay = std::function<void(QPainter& painter, int index, const QRect& rect)>;
    void setCellOverlay(CellOverlay overlay);
    // The cells a find matched, on a ground of their own over any other mark,
    // the current match's stronger; an empty list marks none.
    void setFoundCells(const std::vector<CellRange>& matches, std::optional<CellRange> current);
    // Where the cell is drawn, in viewport pixels at the present scroll position.
    [[nodiscard]] QRect cellRect(int index) const;
    // The cell under a viewport point, or -1.
    [[nodiscard]] int cellAt(const QPoint& viewportPos) const;
    // The status-bar description of a cell as it reads now.
    [[nodiscard]] QString cellStatus(int index) const;

    // What the open editor shows for a byte (its switches, style or colour),
    // read to screen readers as the cell's description; empty without one.
    using CellDescriber = std::function<QString(int index)>;
    void setCellDescriber(CellDescriber describer) { m_describer = std::move(describer); }
    [[nodiscard]] QString cellDescription(int index) const;

    [[nodiscard]] const ByteGrid& grid() const { return m_grid; }
    [[nodiscard]] const UiStrings& strings() const;
    // The face the cells' digits are drawn in, at their size.
    [[nodiscard]] const QFont& cellFont() const { return m_cellFont; }

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] GridRuler* rowOffsets() const { return m_rowOffsets; }
    [[nodiscard]] GridRuler* columnHeader() const { return m_columnHeader; }
    // A widget under the cells, as wide as the grid and as tall as it needs
    // (a legend); the rows scroll in what is left. Null removes it.
    void setFooter(QWidget* footer);

  signals:
    void cellFocused(int index);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    // The cell-focus behaviour once the edit state is already on index.
    void showFocusedCell(int index);
    bool handleNavigationKey(const QKeyEvent* event);
    bool handleValueKey(const QKeyEvent* event);
    void onSessionChange(const SessionChange& change);
    void updateScrollRange();
    void placeRulers();
    void updateRulers();
    [[nodiscard]] int rowsPerPage() const;
    void updateCell(int index);
    void restartCaretBlink();

    void paintCell(QPainter& painter, int index, const QRect& rect, QPalette::ColorGroup group);
    struct CellLayout {
        QStaticText text;
        int pxWidth = 0;
    };
    [[nodiscard]] const CellLayout* cachedLayout(const std::string& text);
    void paintCaret(QPainter& painter, QPalette::ColorGroup group);
    [[nodiscard]] QString cellText(int index) const;
    [[nodiscard]] int textPxLeft(const QRect& rect, const QString& text) const;
    [[nodiscard]] int caretAt(int index, int viewportX) const;
    [[nodiscard]] int scrollPx() const;

    EditingSession& m_session;
    const ByteGrid& m_grid;
    GridCursor& m_cursor;
    ListenerConnection m_sessionConnection;
    ListenerConnection m_borderConnection;
    bool m_cellsEnabled = true;
    QFont m_cellFont;
    QFontMetrics m_cellMetrics;
    int m_pxTextTop = 0;               // of the digits within their cell
    std::vector<CellLayout> m_layouts; // by byte value, filled as values appear
    GridRuler* m_rowOffsets = nullptr;
    GridRuler* m_columnHeader = nullptr;
    QPointer<QWidget> m_footer;
    QBasicTimer m_caretBlink;
    bool m_caretShown = true;
    std::vector<bool> m_highlighted;
    QColor m_highlightGround;
    CellDescriber m_describer;
    CellOverlay m_cellOverlay;
    std::vector<std::uint8_t> m_found; // per cell: 0 none, 1 a match, 2 the current match
    QColor m_foundGrounds[2];          // a match's and the current match's, for this palette
};

} // namespace vantrel
