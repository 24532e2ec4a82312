// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/document/ByteGrid.h"
#include "core/editors/ColorScheme.h"

#include <QWidget>

#include <map>
#include <optional>
#include <string>

namespace vantrel {

// A small phone screen painted in the open scheme's colours: title bar, main
// screen with a highlighted line, a menu with its selected item and scroll
// bar, a dialog and the soft keys. Each part takes the colour of the entry
// whose role names it, read from the cells at every paint; a part no entry
// has a role for is not drawn.
class PhoneScreenPreview : public QWidget {
    Q_OBJECT

  public:
    explicit PhoneScreenPreview(const ByteGrid& grid, QWidget* parent = nullptr);

    // The roles of the scheme now open (an empty tree for none).
    void setScheme(const ColorTree& tree);

    [[nodiscard]] QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    [[nodiscard]] std::optional<QColor> roleColor(const char* role) const;
    void fill(QPainter& painter, const QRectF& area, const char* role) const;
    // A line of text drawn as a bar, as the screen is too small for letters.
    void textBar(QPainter& painter, const QRectF& line, double widthShare, const char* role) const;

    const ByteGrid& m_grid;
    std::map<std::string, int> m_roleOffsets;
};

} // namespace vantrel
