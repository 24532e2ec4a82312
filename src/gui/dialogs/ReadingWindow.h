// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;
class QTimer;

namespace vantrel {

class LanguageFile;

// The "reading" indicator: a fixed text followed by dots that grow and shrink
// while a seem file loads. readInBackground decides when it appears.
class ReadingWindow : public QWidget {
    Q_OBJECT

  public:
    // A read that ends sooner than this never shows the window.
    static constexpr int kShowDelayMs = 300;
    static constexpr int kTickMs = 300;

    ReadingWindow(QWidget* owner, const LanguageFile& language);

    // Shows the window centred on its owner without taking the focus.
    void showOverOwner();

  private:
    // The next frame of the dots, on every tick of the timer.
    void advanceDots();

    QLabel* m_textLabel = nullptr;
    QLabel* m_dotsLabel = nullptr;
    QTimer* m_dotsTimer = nullptr;
};

} // namespace vantrel
