// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/coverage/Coverage.h"
#include "core/document/ListenerList.h"

#include <QObject>
#include <QPointer>
#include <QRect>

class QAction;
class QLabel;
class QPainter;
class QStatusBar;

namespace vantrel {

class ByteGridView;
class CoverageLegend;
class EditingSession;
class SeemDocument;
class SettingsStore;
class UiStrings;

// View > Show coverage: shades the cells no item of the definitions reads,
// marks which bits of a partly described cell are read, draws the share of
// described bits beside each row, explains the marks in a legend under the
// grid and lists the items over the current cell in a status label. The choice is kept in the
// settings.
class CoverageShading : public QObject {
    Q_OBJECT

  public:
    static constexpr const char* kSettingsKey = "ShowCoverage";

    // The status label goes into statusBar when one is given.
    CoverageShading(EditingSession& session, ByteGridView& view, SettingsStore& settings,
                    const UiStrings& strings, QStatusBar* statusBar = nullptr,
                    QObject* parent = nullptr);
    ~CoverageShading() override;

    // Checkable; its state is the setting.
    [[nodiscard]] QAction* showAction() const { return m_showAction; }
    // In the status bar, hidden while the shading is off.
    [[nodiscard]] QLabel* statusLabel() const { return m_statusLabel; }
    // Under the grid while the shading is on: what the marks mean.
    [[nodiscard]] QWidget* legend() const;
    [[nodiscard]] bool isShown() const;
    [[nodiscard]] const Coverage& coverage() const { return m_coverage; }
    // How often the coverage was worked out: it follows the type and size only.
    [[nodiscard]] int computations() const { return m_computations; }
    // The texts in the language now chosen.
    void retranslate();

  private:
    void apply(bool shown);
    void recompute();
    void showCell(int index);
    void paintCell(QPainter& painter, int index, const QRect& rect) const;
    void paintRow(QPainter& painter, int row, const QRect& rect) const;
    bool eventFilter(QObject* watched, QEvent* event) override;

    EditingSession& m_session;
    const SeemDocument& m_document;
    ByteGridView& m_view;
    SettingsStore& m_settings;
    const UiStrings& m_strings;
    QAction* m_showAction = nullptr;
    QLabel* m_statusLabel = nullptr;
    QPointer<CoverageLegend> m_legend; // under the grid while shown
    Coverage m_coverage;
    int m_computations = 0;
    ListenerConnection m_sessionListener;
};

} // namespace vantrel
