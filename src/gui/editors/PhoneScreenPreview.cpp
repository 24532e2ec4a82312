// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/editors/PhoneScreenPreview.h"

#include <QPainter>

#include <algorithm>

namespace vantrel {

namespace {

constexpr int kScreenWidthPx = 112;
constexpr int kScreenHeightPx = 140;

} // namespace

PhoneScreenPreview::PhoneScreenPreview(const ByteGrid& grid, QWidget* parent)
    : QWidget(parent), m_grid(grid) {
    setObjectName(QStringLiteral("picPreview"));
}

void PhoneScreenPreview::setScheme(const ColorTree& tree) {
    m_roleOffsets.clear();
    for (const char* role : kColorRoles) {
        if (const auto offset = roleOffset(tree, role))
            m_roleOffsets.emplace(role, *offset);
    }
    update();
}

QSize PhoneScreenPreview::sizeHint() const {
    return {kScreenWidthPx, kScreenHeightPx};
}

// The fourth byte is the transparency: 0 draws the colour solid.
std::optional<QColor> PhoneScreenPreview::roleColor(const char* role) const {
    const auto found = m_roleOffsets.find(role);
    if (found == m_roleOffsets.end() || !m_grid.contains(found->second + 3))
        return std::nullopt;
    const ColorRecord record = readColorRecord(m_grid, found->second);
    return QColor(record.red, record.green, record.blue, 255 - record.transparency);
}

void PhoneScreenPreview::fill(QPainter& painter, const QRectF& area, const char* role) const {
    if (const auto color = roleColor(role))
        painter.fillRect(area, *color);
}

void PhoneScreenPreview::textBar(QPainter& painter, const QRectF& line, double widthShare,
                                 const char* role) const {
    const double height = std::max(1.0, line.height() * 0.4);
    fill(painter,
         QRectF(line.left() + 2, line.center().y() - height / 2, (line.width() - 4) * widthShare,
                height),
         role);
}

void PhoneScreenPreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // The screen keeps the phone's proportions inside whatever room it gets.
    const double scale =
        std::min(width() / double(kScreenWidthPx), height() / double(kScreenHeightPx));
    const QRectF screen((width() - kScreenWidthPx * scale) / 2,
                        (height() - kScreenHeightPx * scale) / 2, kScreenWidthPx * scale,
                        kScreenHeightPx * scale);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(screen.adjusted(-1, -1, 0, 0));
    const double unit = screen.height() / 10;
    const auto band = [&](double top, double rows) {
        return QRectF(screen.left(), screen.top() + top * unit, screen.width(), rows * unit);
    };

    fill(painter, screen, "background");
    fill(painter, band(0, 1), "title-background");
    textBar(painter, band(0, 1), 0.6, "title-text");
    textBar(painter, band(1.2, 1), 0.8, "text");
    fill(painter, band(2.2, 1), "highlight");
    textBar(painter, band(2.2, 1), 0.7, "highlight-text");

    // A menu over the right part of the screen, its second item selected.
    const QRectF menu(screen.left() + screen.width() * 0.35, screen.top() + 3.4 * unit,
                      screen.width() * 0.65, 3.3 * unit);
    fill(painter, menu, "menu-background");
    const double scrollWidth = std::max(2.0, screen.width() * 0.06);
    for (int item = 0; item < 3; ++item) {
        const QRectF line(menu.left(), menu.top() + (0.15 + item) * unit,
                          menu.width() - scrollWidth, unit);
        if (item == 1)
            fill(painter, line, "menu-highlight");
        textBar(painter, line, 0.75, item == 1 ? "menu-highlight-text" : "menu-text");
    }
    fill(painter, QRectF(menu.right() - scrollWidth, menu.top() + unit, scrollWidth, unit),
         "scrollbar");

    // A small dialog at the lower left, with its border.
    const QRectF dialog(screen.left() + screen.width() * 0.08, screen.top() + 6.9 * unit,
                        screen.width() * 0.6, 1.8 * unit);
    if (const auto border = roleColor("dialog-border"))
        painter.fillRect(dialog.adjusted(-1, -1, 1, 1), *border);
    fill(painter, dialog, "dialog-background");
    textBar(painter, QRectF(dialog.left(), dialog.top(), dialog.width(), dialog.height() / 2), 0.8,
            "dialog-text");

    const QRectF softKeys = band(9, 1);
    fill(painter, softKeys, "softkey-background");
    const QRectF left(softKeys.left(), softKeys.top(), softKeys.width() / 2, softKeys.height());
    textBar(painter, left, 0.6, "softkey-text");
    textBar(painter, left.translated(softKeys.width() / 2 + softKeys.width() * 0.15, 0), 0.6,
            "softkey-text");
}

} // namespace vantrel
