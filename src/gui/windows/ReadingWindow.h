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

    QLabel* Label1 = nullptr;
    QLabel* lblDot = nullptr;
    QTimer* Timer1 = nullptr;

    // Shows the window centred on its owner without taking the focus.
    void showOverOwner();

  private:
    void Timer1_Timer();
};

} // namespace vantrel
