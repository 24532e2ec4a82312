// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/document/ListenerList.h"
#include "core/editors/VolumeItems.h"
#include "core/session/SessionTypes.h"

#include <QGroupBox>

#include <array>
#include <string>
#include <vector>

class QGridLayout;
class QLabel;
class QPushButton;
class QScrollArea;
class QSlider;

namespace vantrel {

class EditingSession;

// The volume editor (frameVolume): one row of caption, slider and explanation
// per volume item of the session's editor model, each slider bound to one
// byte, and a button that puts every slider back to its default. A slider's
// move is the session's command on its item's key, one press-to-release or
// one run of keys being one step; the sliders follow what the session pushes.
class VolumeEditor : public QGroupBox {
    Q_OBJECT

  public:
    static constexpr int kRows = VolumeItems::kRows;

    explicit VolumeEditor(EditingSession& session, QWidget* parent = nullptr);

    // Fills the rows from the model's volume items (none unless a volume file
    // is open), the frame caption from its type's "tip", and hides the rows no
    // item fills. Changes no cell. A model built anew is loaded without being asked.
    void load();

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

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildRows();
    void placeRows(bool stacked);
    void fitRowsToWidth();
    void setRowVisible(int row, bool visible);
    void onSliderMoved(int row);
    void onSliderPressed(int row);
    void showPosition(int row);
    void showInfo(int row);
    void onSessionChange(const SessionChange& change);
    [[nodiscard]] int rowOf(const QObject* slider) const;
    // The model's item of a row; null for a row no item fills.
    [[nodiscard]] const VolumeItem* itemOf(int row) const;
    [[nodiscard]] int itemCount() const;

    EditingSession& m_session;
    QScrollArea* m_scrollArea = nullptr;
    QGridLayout* m_rowsLayout = nullptr;
    bool m_stacked = false;
    std::array<QLabel*, kRows> m_captions{};
    std::array<QSlider*, kRows> m_sliders{};
    std::array<QLabel*, kRows> m_numbers{};
    std::array<QLabel*, kRows> m_infoLabels{};
    QPushButton* m_resetButton = nullptr;
    ListenerConnection m_sessionConnection;
};

} // namespace vantrel
