// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;

namespace vantrel {

// The height of the strip under a cell that marks its described bits, in the
// grid and in the legend's sample alike.
inline constexpr int kPxBitStripHeight = 3;

class UiStrings;

// Under the grid while the coverage is shown: a hatched sample and a bit
// strip, each with what it means.
class CoverageLegend : public QWidget {
    Q_OBJECT

  public:
    explicit CoverageLegend(const UiStrings& strings, QWidget* parent = nullptr);

    void retranslate();

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void drawSamples();

    const UiStrings& m_strings;
    QLabel* m_hatchSample;
    QLabel* m_hatchText;
    QLabel* m_stripSample;
    QLabel* m_stripText;
};

} // namespace vantrel
