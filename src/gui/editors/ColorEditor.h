// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/document/ListenerList.h"
#include "core/editors/ColorMath.h"
#include "core/session/SessionTypes.h"

#include <QGroupBox>

#include <array>
#include <optional>
#include <string>

class QFrame;
class QGridLayout;
class QLineEdit;
class QToolButton;
class QSlider;

namespace vantrel {

class EditingSession;

// The colour panel beside the grid: preview, red, green and blue sliders with
// their boxes, the colour in hex, the transparency in percent and the scheme
// title. It edits the entry chosen in the colour tree through the session's
// commands on the entry's key, and follows what the session pushes of it.
class ColorEditor : public QGroupBox {
    Q_OBJECT

  public:
    explicit ColorEditor(EditingSession& session, QWidget* parent = nullptr);

    // A colour file was opened: no entry is chosen, the panel is disabled and
    // the title box shows the title the cells hold. A model built anew is
    // loaded without being asked.
    void load();

    // A tree node was clicked: a group (an empty key) disables the panel; an
    // entry becomes current, bordered in the grid and shown. Changes no cell text.
    void selectEntry(const QString& entryKey);
    void chooseColor();
    void renameScheme();
    // The height the panel needs at this width in the font now in use.
    [[nodiscard]] int heightFor(int pxWidth) const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    enum Channel { Red, Green, Blue };

    void buildControls();
    void fitToFont();
    void nameForScreenReaders();
    void addChannel(Channel channel, const QString& name, int row);
    void onSliderMoved(Channel channel);
    void onChannelEdited(Channel channel);
    void onTransparencyEdited();
    void applyHexText();
    // Shows the colour and writes it into the entry's three colour cells.
    void setColor(Rgb color);
    void showColor(Rgb color);
    void showChannels(Rgb color);
    void showEntry();
    void showTitle();
    void onSessionChange(const SessionChange& change);
    [[nodiscard]] Rgb sliderColor() const;

    EditingSession& m_session;
    QGridLayout* m_controlsLayout = nullptr;
    QFrame* m_swatch = nullptr;
    QToolButton* m_chooseColorButton = nullptr;
    // The red, green and blue sliders and their boxes, indexed by Channel.
    std::array<QSlider*, 3> m_sliders{};
    std::array<QLineEdit*, 3> m_boxes{};
    QLineEdit* m_hexBox = nullptr;
    QLineEdit* m_transparencyBox = nullptr;
    QLineEdit* m_schemeTitleBox = nullptr;
    QToolButton* m_renameButton = nullptr;
    std::string m_key; // of the current entry; empty before one is chosen
    int m_offset = -1; // first byte of the current entry; -1 before one is chosen
    bool m_writing = false;
    ListenerConnection m_sessionConnection;
};

} // namespace vantrel
