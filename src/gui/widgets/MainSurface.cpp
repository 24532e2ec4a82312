// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/widgets/MainSurface.h"

#include "gui/widgets/Twips.h"

#include <QEvent>

namespace vantrel {

namespace {

constexpr int kTwipsPerPixel = 15;

// The designed and the least client sizes are whole numbers of pixels, so
// they convert back exactly.
static_assert(px(layout::kTwipDesignClientWidth) * kTwipsPerPixel ==
              layout::kTwipDesignClientWidth);
static_assert(px(layout::kTwipDesignClientHeight) * kTwipsPerPixel ==
              layout::kTwipDesignClientHeight);
static_assert(px(layout::kTwipLeastClientWidth) * kTwipsPerPixel == layout::kTwipLeastClientWidth);
static_assert(px(layout::kTwipLeastClientHeight) * kTwipsPerPixel ==
              layout::kTwipLeastClientHeight);
static_assert(px(layout::kTwipRoomyClientWidth) * kTwipsPerPixel == layout::kTwipRoomyClientWidth);

} // namespace

MainSurface::MainSurface(QWidget* parent) : QScrollArea(parent) {
    setObjectName(QStringLiteral("surface"));
    setFrameShape(QFrame::NoFrame);
    // Only a frame around the controls: Tab goes past it to them.
    setFocusPolicy(Qt::NoFocus);
    setWidgetResizable(true);
    auto* canvas = new QWidget;
    canvas->setObjectName(QStringLiteral("canvas"));
    canvas->setMinimumSize(leastSize());
    setWidget(canvas);
    canvas->installEventFilter(this);
}

QSize MainSurface::designedSize() {
    return {px(layout::kTwipDesignClientWidth), px(layout::kTwipDesignClientHeight)};
}

QSize MainSurface::leastSize() {
    return {px(layout::kTwipLeastClientWidth), px(layout::kTwipLeastClientHeight)};
}

int MainSurface::roomyWidth() {
    return px(layout::kTwipRoomyClientWidth);
}

void MainSurface::setLayoutHandler(LayoutHandler handler) {
    m_layoutHandler = std::move(handler);
    layOut();
}

bool MainSurface::eventFilter(QObject* watched, QEvent* event) {
    if (watched == widget() && event->type() == QEvent::Resize)
        layOut();
    return QScrollArea::eventFilter(watched, event);
}

void MainSurface::layOut() {
    if (!m_layoutHandler)
        return;
    const QSize size = widget()->size().expandedTo(leastSize());
    const int twipWidth = size.width() * kTwipsPerPixel;
    const int twipHeight = size.height() * kTwipsPerPixel;
    m_layoutHandler(layout::windowLayout(twipWidth, twipHeight));
}

} // namespace vantrel
