// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/compare/SeemComparison.h"
#include "core/editors/EditorKind.h"
#include "core/find/SettingSearch.h"
#include "desktop/layout/WindowLayout.h"
#include "gui/compare/ComparisonMarks.h"

#include <QObject>
#include <QRect>

#include <string>

class QGroupBox;
class QLabel;
class QWidget;

namespace vantrel {

class ByteGridView;
class ColorEditor;
class ColorTreeEditor;
class EditingSession;
class FunctionTreeEditor;
class StyleListEditor;
class VolumeEditor;

// The editor beside the grid for the open file's kind, and the information
// frame with its text. Each editor is made the first time a file of its
// kind is shown, placed and captioned then; it fills itself from the
// session's editor model.
class EditorPanel : public QObject {
    Q_OBJECT

  public:
    EditorPanel(EditingSession& session, ByteGridView& gridView, QWidget* canvas);

    // A new file: every editor hidden, the information frame speaking of it only.
    void clear();
    // Shows the editor of kind, one of the four editors.
    void show(EditorKind kind);
    // Hides everything (false) or shows the information frame (true).
    void setLoaded(bool loaded);
    void hideInformation();
    // Gives the keys to the shown editor's first control.
    void focusEditor();
    void applyLayout(const layout::WindowLayout& windowLayout);
    // How much lower the grid must start: the colour panel above it may be
    // taller than designed in a large font.
    [[nodiscard]] int pxGridShift() const;

    // A switch of the open function file is selected.
    [[nodiscard]] bool switchSelected() const;
    void toggleSwitch();

    // The editors made so far, for a comparison to mark.
    [[nodiscard]] MarkedEditors markedEditors() const;
    // The editor shown now (of a colour file its tree), null when none is.
    [[nodiscard]] const QWidget* shownEditor() const;
    // Selects a setting in its editor, else focuses (or shows) its first cell.
    void showSetting(SettingKind kind, const QString& key, int firstCell);
    // A setting a find chose: its folders opened, then selected as
    // showSetting does; the keyboard focus goes to its editor only with
    // takeFocus (a find bar being typed into keeps it).
    void showFound(const SettingMatch& match, bool takeFocus);

  signals:
    // The selection moved to or from a switch; caption is Edit > On/Off's
    // caption for a switch, empty otherwise.
    void switchSelectionChanged(const QString& caption);
    // The user chose a setting in its editor.
    void settingChosen(SettingKind kind, const QString& key);
    void statusPathChanged(const QString& path);
    void contextMenuRequested(const QPoint& globalPos);

  private:
    FunctionTreeEditor* functions();
    StyleListEditor* styles();
    VolumeEditor* volumes();
    ColorTreeEditor* colorTree();
    ColorEditor* colorPanel();
    // Places, captions and hides an editor just made.
    void adopt(QWidget* editor);
    [[nodiscard]] QRect colorPanelRect() const;
    void showOnly(QWidget* editor);
    [[nodiscard]] std::vector<QWidget*> made() const;

    EditingSession& m_session;
    ByteGridView& m_gridView;
    QWidget* m_canvas;
    layout::WindowLayout m_layout =
        layout::windowLayout(layout::kTwipDesignClientWidth, layout::kTwipDesignClientHeight);
    QGroupBox* m_infoFrame;
    QLabel* m_info;
    FunctionTreeEditor* m_functions = nullptr;
    StyleListEditor* m_styles = nullptr;
    VolumeEditor* m_volumes = nullptr;
    ColorTreeEditor* m_colorTree = nullptr;
    ColorEditor* m_colorPanel = nullptr;
    bool m_switchSelected = false;
};

} // namespace vantrel
