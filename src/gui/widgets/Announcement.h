// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace vantrel {

// Words for screen readers alone, said as they change while the keyboard
// focus stays elsewhere (the answer of a search as its text is typed). It
// shows nothing: it is a notification that appears again with each text,
// which Orca speaks; the AT-SPI bridge of Qt 6.4 passes on no changed name
// or description in a form Orca can speak.
class Announcement : public QWidget {
    Q_OBJECT

  public:
    explicit Announcement(QWidget* parent);

    void announce(const QString& text);
    [[nodiscard]] QString text() const { return m_text; }

  private:
    QString m_text;
};

} // namespace vantrel
