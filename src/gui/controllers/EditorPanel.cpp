// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/controllers/EditorPanel.h"

#include "core/i18n/BuiltinStrings.h"
#include "core/session/EditingSession.h"
#include "gui/document/ByteGridView.h"
#include "gui/editors/ColorEditor.h"
#include "gui/editors/ColorTreeEditor.h"
#include "gui/editors/EditorAccessibility.h"
#include "gui/editors/FunctionTreeEditor.h"
#include "gui/editors/StyleListEditor.h"
#include "gui/editors/VolumeEditor.h"
#include "gui/i18n/ApplyLanguage.h"
#include "gui/i18n/UiText.h"
#include "gui/widgets/Twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QSlider>
#include <QTreeWidgetItem>

#include <algorithm>

namespace vantrel {

namespace {

QRect toPixels(const layout::TwipRect& rect) {
    return twipRect(rect.twipLeft, rect.twipTop, rect.twipWidth, rect.twipHeight);
}

} // namespace

EditorPanel::EditorPanel(EditingSession& session, ByteGridView& gridView, QWidget* canvas)
    : QObject(canvas), m_session(session), m_gridView(gridView), m_canvas(canvas) {
    m_infoFrame = new QGroupBox(canvas);
    m_infoFrame->setObjectName(QStringLiteral("frameSet"));
    m_info = new QLabel(m_infoFrame);
    m_info->setObjectName(QStringLiteral("lblinfo"));
    m_info->setWordWrap(true);
    m_info->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_gridView.setCellDescriber(describeByShownEditor([this] { return shownEditor(); }));
    setMainTabOrder(&m_gridView, {}, m_info);
}

void EditorPanel::clear() {
    for (QWidget* editor : made())
        editor->hide();
    m_infoFrame->setTitle(uiText(m_session.strings(), UiString::Information));
    const std::string window = m_canvas->window()->objectName().toStdString();
    m_info->setText(uiText(m_session.language().caption(window, "lblinfo").value_or("")));
}

void EditorPanel::show(EditorKind kind) {
    const QString information = uiText(m_session.strings(), UiString::Information);
    switch (kind) {
    case EditorKind::Function:
        showOnly(functions());
        m_infoFrame->setTitle(information);
        break;
    case EditorKind::Style:
        showOnly(styles());
        m_infoFrame->setTitle(information);
        break;
    case EditorKind::Volume:
        showOnly(volumes());
        // The sliders have no descriptions to show; the frame says how they work.
        m_info->setText(uiText(m_session.strings(), UiString::VolumeInformation));
        break;
    case EditorKind::Color:
        colorPanel()->load();
        showOnly(colorTree());
        // The colour panel takes the information frame's place.
        m_infoFrame->hide();
        m_colorPanel->show();
        m_colorPanel->setEnabled(false);
        m_gridView.setCellsEnabled(false);
        break;
    default:
        break;
    }
    // An editor's own stops exist once it is filled.
    setMainTabOrder(&m_gridView, made(), m_info);
}

void EditorPanel::setLoaded(bool loaded) {
    m_infoFrame->setVisible(loaded);
    if (!loaded) {
        for (QWidget* editor : made())
            editor->hide();
    }
    if (m_functions)
        m_functions->setEnabled(loaded);
}

void EditorPanel::hideInformation() {
    m_infoFrame->hide();
}

void EditorPanel::focusEditor() {
    for (QWidget* editor : made()) {
        if (editor == m_colorPanel || editor->isHidden())
            continue;
        if (QWidget* first = firstTabStop(editor))
            first->setFocus(Qt::OtherFocusReason);
        return;
    }
}

void EditorPanel::applyLayout(const layout::WindowLayout& windowLayout) {
    m_layout = windowLayout;
    for (QWidget* editor : made())
        editor->setGeometry(editor == m_colorPanel ? colorPanelRect()
                                                   : toPixels(m_layout.editorArea));
    m_infoFrame->setGeometry(toPixels(m_layout.infoFrame));
    m_info->setGeometry(toPixels(m_layout.infoLabel));
}

// The designed place, taller where a large font needs more.
QRect EditorPanel::colorPanelRect() const {
    QRect rect = toPixels(m_layout.colorPanel);
    if (m_colorPanel)
        rect.setHeight(std::max(rect.height(), m_colorPanel->heightFor(rect.width())));
    return rect;
}

int EditorPanel::pxGridShift() const {
    if (!m_colorPanel || m_colorPanel->isHidden())
        return 0;
    const int pxDesigned = toPixels(m_layout.colorPanel).height();
    return std::max(0, m_colorPanel->height() - pxDesigned);
}

bool EditorPanel::switchSelected() const {
    return m_functions && !m_functions->isHidden() && m_switchSelected;
}

void EditorPanel::toggleSwitch() {
    if (m_functions && !m_functions->isHidden() && m_functions->switchSelected())
        m_functions->toggleSelected();
}

MarkedEditors EditorPanel::markedEditors() const {
    return {m_functions, m_styles, m_volumes, m_colorTree, m_gridView};
}

const QWidget* EditorPanel::shownEditor() const {
    for (const QWidget* editor : made()) {
        if (editor != m_colorPanel && !editor->isHidden())
            return editor;
    }
    return nullptr;
}

void EditorPanel::showSetting(SettingKind kind, const QString& key, int firstCell) {
    QTreeWidgetItem* node =
        kind == SettingKind::Switch && m_functions ? m_functions->itemByKey(key) : nullptr;
    QListWidgetItem* row =
        kind == SettingKind::Style && m_styles ? m_styles->itemByKey(key) : nullptr;
    QTreeWidgetItem* entry =
        kind == SettingKind::Color && m_colorTree ? m_colorTree->itemByKey(key) : nullptr;
    const int volumeRow = volumeRowOf(key.toStdString());
    if (entry && m_colorTree->isVisible()) {
        m_colorTree->scrollToItem(entry);
        m_colorTree->setCurrentItem(entry);
    } else if (volumeRow >= 0 && m_volumes && m_volumes->isVisible()) {
        m_gridView.focusCell(firstCell);
        m_volumes->slider(volumeRow)->setFocus();
    } else if (node && m_functions->isVisible()) {
        m_functions->scrollToItem(node);
        m_functions->setCurrentItem(node);
    } else if (row && m_styles->isVisible()) {
        m_styles->scrollToItem(row);
        m_styles->setCurrentItem(row);
    } else if (m_gridView.cellsEnabled()) {
        m_gridView.focusCell(firstCell);
    } else {
        m_gridView.scrollToCell(firstCell);
    }
}

void EditorPanel::showFound(const SettingMatch& match, bool takeFocus) {
    if (match.kind == SettingKind::Switch && m_functions) {
        for (const std::string& folder : match.folders) {
            if (QTreeWidgetItem* item = m_functions->itemByKey(uiText(folder)))
                item->setExpanded(true);
        }
    }
    if (!takeFocus && match.kind == SettingKind::Volume) {
        m_gridView.showCell(match.firstCell);
        return;
    }
    showSetting(match.kind, uiText(match.key), match.firstCell);
    if (!takeFocus)
        return;
    QWidget* editor = match.kind == SettingKind::Switch  ? static_cast<QWidget*>(m_functions)
                      : match.kind == SettingKind::Style ? static_cast<QWidget*>(m_styles)
                      : match.kind == SettingKind::Color ? static_cast<QWidget*>(m_colorTree)
                                                         : nullptr;
    if (editor && editor->isVisible())
        editor->setFocus(Qt::OtherFocusReason);
}

FunctionTreeEditor* EditorPanel::functions() {
    if (m_functions)
        return m_functions;
    m_functions = new FunctionTreeEditor(m_session, m_canvas);
    adopt(m_functions);
    m_functions->load();
    connect(m_functions, &FunctionTreeEditor::cellFocusRequested, &m_gridView,
            &ByteGridView::showCell);
    connect(m_functions, &FunctionTreeEditor::infoChanged, this,
            [this](const QString& caption, const QString& info) {
                m_infoFrame->setTitle(caption);
                if (!info.isNull())
                    m_info->setText(info);
            });
    connect(m_functions, &FunctionTreeEditor::statusPathChanged, this,
            &EditorPanel::statusPathChanged);
    connect(m_functions, &FunctionTreeEditor::switchStateChanged, this,
            [this](bool isSwitch, const QString& caption) {
                m_switchSelected = isSwitch;
                m_infoFrame->setEnabled(isSwitch);
                emit switchSelectionChanged(isSwitch ? caption : QString());
            });
    connect(m_functions, &FunctionTreeEditor::contextMenuRequested, this,
            &EditorPanel::contextMenuRequested);
    connect(m_functions, &FunctionTreeEditor::toggleRequested, this, &EditorPanel::toggleSwitch);
    connect(m_functions, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        emit settingChosen(SettingKind::Switch, FunctionTreeEditor::itemKey(item));
    });
    return m_functions;
}

StyleListEditor* EditorPanel::styles() {
    if (m_styles)
        return m_styles;
    m_styles = new StyleListEditor(m_session, m_canvas);
    adopt(m_styles);
    m_styles->load();
    connect(m_styles, &StyleListEditor::cellFocusRequested, &m_gridView, &ByteGridView::showCell);
    connect(m_styles, &StyleListEditor::infoChanged, m_info, &QLabel::setText);
    connect(m_styles, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        emit settingChosen(SettingKind::Style, StyleListEditor::itemKey(item));
    });
    return m_styles;
}

VolumeEditor* EditorPanel::volumes() {
    if (m_volumes)
        return m_volumes;
    m_volumes = new VolumeEditor(m_session, m_canvas);
    adopt(m_volumes);
    m_volumes->load();
    connect(m_volumes, &VolumeEditor::cellFocusRequested, &m_gridView, &ByteGridView::showCell);
    return m_volumes;
}

ColorTreeEditor* EditorPanel::colorTree() {
    if (m_colorTree)
        return m_colorTree;
    m_colorTree = new ColorTreeEditor(m_session, m_canvas);
    adopt(m_colorTree);
    m_colorTree->load();
    connect(m_colorTree, &ColorTreeEditor::nodeClicked, this,
            [this](const QString& entryKey) { colorPanel()->selectEntry(entryKey); });
    connect(m_colorTree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        emit settingChosen(SettingKind::Color, ColorTreeEditor::itemKey(item));
    });
    return m_colorTree;
}

ColorEditor* EditorPanel::colorPanel() {
    if (!m_colorPanel) {
        m_colorPanel = new ColorEditor(m_session, m_canvas);
        adopt(m_colorPanel);
    }
    return m_colorPanel;
}

void EditorPanel::adopt(QWidget* editor) {
    applyDesignCaptions(m_canvas->window(), editor);
    editor->hide();
    applyLanguage(m_canvas->window(), editor, m_session.language());
    editor->setGeometry(editor == m_colorPanel ? colorPanelRect() : toPixels(m_layout.editorArea));
}

void EditorPanel::showOnly(QWidget* shown) {
    for (QWidget* editor : made())
        editor->setVisible(editor == shown);
    m_infoFrame->show();
}

std::vector<QWidget*> EditorPanel::made() const {
    std::vector<QWidget*> editors;
    for (QWidget* editor : std::initializer_list<QWidget*>{m_functions, m_styles, m_volumes,
                                                           m_colorTree, m_colorPanel}) {
        if (editor)
            editors.push_back(editor);
    }
    return editors;
}

} // namespace vantrel
