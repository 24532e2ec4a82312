// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QWidget>

#include <functional>

namespace vantrel {

class ByteGridView;

// A ruler beside the byte grid: the offset of each row's first byte down the
// left ("0000", "0010", ...) or the column digits 0 to F along the top. It
// reads the cell places from the view, so it always lines up with the cells;
// the row and column of the edit cell stand out in bold.
class GridRuler : public QWidget {
    Q_OBJECT

  public:
    enum class Kind { RowOffsets, Columns };

    GridRuler(Kind kind, const ByteGridView& view, QWidget* parent);

    [[nodiscard]] Kind kind() const { return m_kind; }
    // The texts now on screen, top to bottom or left to right, for tests.
    [[nodiscard]] QStringList visibleTexts() const;

    // Row offsets only: painted under each row's text (the share of described
    // bits); an empty function paints nothing.
    using RowOverlay = std::function<void(QPainter& painter, int row, const QRect& rect)>;
    void setRowOverlay(RowOverlay overlay);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    struct Label {
        QRect rect;
        QString text;
        bool current = false;
        int index = 0; // the row or column
    };
    [[nodiscard]] QList<Label> labels() const;

    Kind m_kind;
    const ByteGridView& m_view;
    QFont m_font;
    RowOverlay m_rowOverlay;
};

} // namespace vantrel
