// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/widgets/Announcement.h"

#include <QAccessibleWidget>

namespace vantrel {

namespace {

class AnnouncementAccessible : public QAccessibleWidget {
  public:
    explicit AnnouncementAccessible(Announcement* announcement)
        : QAccessibleWidget(announcement, QAccessible::Notification) {}

    [[nodiscard]] QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name)
            return static_cast<const Announcement*>(widget())->text();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* announcementFactory(const QString&, QObject* object) {
    auto* announcement = qobject_cast<Announcement*>(object);
    return announcement ? new AnnouncementAccessible(announcement) : nullptr;
}

} // namespace

Announcement::Announcement(QWidget* parent) : QWidget(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(announcementFactory);
        return true;
    }();
    (void)installed;
    setFixedSize(0, 0);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void Announcement::announce(const QString& text) {
    m_text = text;
    // Shown anew, so a screen reader hears it appear with the new words.
    hide();
    if (!text.isEmpty() && parentWidget() && parentWidget()->isVisible())
        show();
}

} // namespace vantrel
