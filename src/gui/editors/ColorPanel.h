#pragma once

#include <QGroupBox>

class QFrame;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

namespace vantrel {

// The panel of the colour style editor, frameColor: preview, red, green and
// blue sliders with their boxes, the colour in hex, transparency and the
// scheme title.
class ColorPanel : public QGroupBox {
    Q_OBJECT

  public:
    explicit ColorPanel(QWidget* parent = nullptr);

    QFrame* picColor = nullptr;
    QSlider* sldR = nullptr;
    QSlider* sldG = nullptr;
    QSlider* sldB = nullptr;
    QLineEdit* txtR = nullptr;
    QLineEdit* txtG = nullptr;
    QLineEdit* txtB = nullptr;
    QLineEdit* txtHex = nullptr;
    QLineEdit* txtT = nullptr;
    QLineEdit* txtColorName = nullptr;
    QPushButton* cmdChangeName = nullptr;

  private:
    QSlider* addChannel(QGridLayout* layout, int row, const QString& name, QLineEdit*& box);
};

} // namespace vantrel
