#pragma once

#include <array>

#include <QGroupBox>

class QLabel;
class QPushButton;
class QSlider;

namespace vantrel {

// The frame of the volume editor, frameVolume: five rows of caption, slider
// and explanation, and the reset button. The rows show their design texts
// until a volume file fills them.
class VolumePanel : public QGroupBox {
    Q_OBJECT

  public:
    static constexpr int kRows = 5;

    explicit VolumePanel(QWidget* parent = nullptr);

    std::array<QLabel*, kRows> lblVolume{};
    std::array<QLabel*, kRows> lblVolumeInfo{};
    std::array<QSlider*, kRows> sldVolume{};
    QPushButton* cmdReset = nullptr;
};

} // namespace vantrel
