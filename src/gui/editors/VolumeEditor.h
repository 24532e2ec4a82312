// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/document/SeemDocument.h"
#include "core/editors/VolumeItems.h"
#include "core/i18n/UiStrings.h"
#include "core/xml/XmlDocument.h"

#include <QGroupBox>

#include <array>
#include <vector>

class QLabel;
class QPushButton;
class QSlider;

namespace vantrel {

// The volume editor (frameVolume): one row of caption, slider and explanation
// per volume item, each slider bound to one byte, and a button that puts every
// slider back to its default. The sliders follow their cells whoever changes them.
class VolumeEditor : public QGroupBox {
    Q_OBJECT

  public:
    static constexpr int kRows = VolumeItems::kRows;

    VolumeEditor(SeemDocument& document, const UiStrings& strings, QWidget* parent = nullptr);

    // Fills the rows from a volume type element, the frame caption from its
    // "tip", and hides the rows no item fills. Changes no cell. When an item
    // cannot be shown, emits failed() and returns false.
    bool load(const XmlElement& typeElement);

    void restoreDefaults();
    // The volume item on a cell and its position, as a screen reader hears the cell.
    [[nodiscard]] QString cellDescription(int index) const;

    // The caption, slider and explanation of a row.
    [[nodiscard]] QLabel* caption(int row) const;
    [[nodiscard]] QSlider* slider(int row) const;
    [[nodiscard]] QLabel* infoLabel(int row) const;

  signals:
    // A slider was pressed: the window marks this cell and describes it; the
    // slider takes the focus back right after the signal returns.
    void cellFocusRequested(int index);
    // The window shows the message with the critical-error icon.
    void failed(const QString& message);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildRows();
    void setRowVisible(int row, bool visible);
    void onSliderMoved(int row);
    void onSliderPressed(int row);
    void showPosition(int row);
    void showInfo(int row);
    void onCellChanged(int index);
    [[nodiscard]] int rowOf(const QObject* slider) const;

    SeemDocument& m_document;
    const UiStrings& m_strings;
    std::array<QLabel*, kRows> m_captions{};
    std::array<QSlider*, kRows> m_sliders{};
    std::array<QLabel*, kRows> m_numbers{};
    std::array<QLabel*, kRows> m_infoLabels{};
    QPushButton* m_resetButton = nullptr;
    std::vector<VolumeItem> m_items; // m_items[i] drives row i
    ListenerConnection m_gridConnection;
};

} // namespace vantrel
