#include "gui/editors/ColorPanel.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

namespace vantrel {

namespace {

QLabel* namedLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QLineEdit* namedBox(const QString& name, const QString& text, QWidget* parent) {
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(name);
    return box;
}

} // namespace

ColorPanel::ColorPanel(QWidget* parent) : QGroupBox(QString::fromUtf8("颜色"), parent) {
    setObjectName(QStringLiteral("frameColor"));
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(6, 2, 6, 2);
    layout->setVerticalSpacing(1);

    picColor = new QFrame(this);
    picColor->setObjectName(QStringLiteral("picColor"));
    picColor->setFrameShape(QFrame::Box);
    picColor->setAutoFillBackground(true);
    picColor->setToolTip(QString::fromUtf8("点击显示颜色选择框"));
    picColor->setMinimumSize(48, 48);
    layout->addWidget(picColor, 0, 0, 3, 1);

    sldR = addChannel(layout, 0, QStringLiteral("R"), txtR);
    sldG = addChannel(layout, 1, QStringLiteral("G"), txtG);
    sldB = addChannel(layout, 2, QStringLiteral("B"), txtB);

    layout->addWidget(
        namedLabel(QStringLiteral("lblHex"), QString::fromUtf8("十六进制颜色:"), this), 0, 4);
    txtHex = namedBox(QStringLiteral("txtHex"), QStringLiteral(" #FFFFFF"), this);
    layout->addWidget(txtHex, 0, 5, 1, 2);
    layout->addWidget(namedLabel(QStringLiteral("lblT"), QString::fromUtf8("透明:"), this), 1, 4);
    txtT = namedBox(QStringLiteral("txtT"), QStringLiteral("255"), this);
    layout->addWidget(txtT, 1, 5);
    layout->addWidget(namedLabel(QStringLiteral("lblPercent"), QStringLiteral("%"), this), 1, 6);
    layout->addWidget(
        namedLabel(QStringLiteral("lblColorName"), QString::fromUtf8("文件标题:"), this), 2, 4);
    txtColorName = namedBox(QStringLiteral("txtColorName"), QString(), this);
    layout->addWidget(txtColorName, 2, 5);
    cmdChangeName = new QPushButton(QString::fromUtf8("更改"), this);
    cmdChangeName->setObjectName(QStringLiteral("cmdChangeName"));
    layout->addWidget(cmdChangeName, 2, 6);
}

QSlider* ColorPanel::addChannel(QGridLayout* layout, int row, const QString& name,
                                QLineEdit*& box) {
    layout->addWidget(namedLabel(QStringLiteral("lbl") + name, name + QLatin1Char(':'), this), row,
                      1);
    auto* slider = new QSlider(Qt::Horizontal, this);
    slider->setObjectName(QStringLiteral("sld") + name);
    slider->setRange(0, 255);
    layout->addWidget(slider, row, 2);
    box = namedBox(QStringLiteral("txt") + name, QStringLiteral("255"), this);
    box->setMaximumWidth(40);
    layout->addWidget(box, row, 3);
    return slider;
}

} // namespace vantrel
