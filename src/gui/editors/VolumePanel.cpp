#include "gui/editors/VolumePanel.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

namespace vantrel {

namespace {

const char* const kDesignCaptions[VolumePanel::kRows] = {
    "系统铃声:", "音乐视频:", "话筒音量:", "按键音量:", "听筒音量:"};
const char* const kDesignInfo[VolumePanel::kRows] = {
    "调整提醒音(电量等),设置声,漫游铃声等", "调整多媒体,MP3,MIDI等的声音",
    "调整麦克风可用时,录制的音量", "调整按键时的声音", "调整按听来电时所听到的声音"};

} // namespace

VolumePanel::VolumePanel(QWidget* parent) : QGroupBox(QString::fromUtf8("音量调节"), parent) {
    setObjectName(QStringLiteral("frameVolume"));
    auto* layout = new QGridLayout(this);
    for (int row = 0; row < kRows; ++row) {
        lblVolume[row] = new QLabel(QString::fromUtf8(kDesignCaptions[row]), this);
        lblVolume[row]->setObjectName(QStringLiteral("lblVolume"));
        sldVolume[row] = new QSlider(Qt::Horizontal, this);
        sldVolume[row]->setObjectName(QStringLiteral("sldVolume"));
        sldVolume[row]->setRange(0, 8);
        sldVolume[row]->setTickPosition(QSlider::TicksBelow);
        lblVolumeInfo[row] = new QLabel(QString::fromUtf8(kDesignInfo[row]), this);
        lblVolumeInfo[row]->setObjectName(QStringLiteral("lblVolumeInfo"));
        lblVolumeInfo[row]->setWordWrap(true);
        layout->addWidget(lblVolume[row], row * 2, 0);
        layout->addWidget(sldVolume[row], row * 2, 1);
        layout->addWidget(lblVolumeInfo[row], row * 2 + 1, 0, 1, 2);
    }
    cmdReset = new QPushButton(QString::fromUtf8("默认设置(&R)"), this);
    cmdReset->setObjectName(QStringLiteral("cmdReset"));
    layout->addWidget(cmdReset, kRows * 2, 1, Qt::AlignRight);
    layout->setRowStretch(kRows * 2 + 1, 1);
}

} // namespace vantrel
