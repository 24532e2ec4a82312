#pragma once

#include <QWidget>

class QLabel;
class QTimer;

namespace vantrel {

class LanguageFile;

// The "reading" indicator shown while a seem file loads. Loads of at most
// 5000 bytes finish at once, so it appears only when a load lasts longer than
// a moment; that keeps it from flashing on every open.
class frmReading : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kShowDelayMs = 300;
    static constexpr int kTickMs = 300;

    frmReading(QWidget* owner, const LanguageFile& language);

    QLabel* Label1 = nullptr;
    QLabel* lblDot = nullptr;
    QTimer* Timer1 = nullptr;

    // Hides the window and cancels a pending appearance.
    void finish();

  private:
    void Timer1_Timer();

    QTimer* m_showDelay = nullptr;
};

} // namespace vantrel
