// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's controls and where they sit.
#include "gui/app/Form1.h"

#include "gui/app/MainSurface.h"
#include "gui/app/ScreenFit.h"
#include "core/compare/DocumentComparison.h"
#include "core/ProjectInfo.h"
#include "gui/app/Twips.h"
#include "gui/coverage/CoverageController.h"
#include "gui/document/ByteGridView.h"
#include "gui/document/ExternalChangeWatcher.h"
#include "gui/document/FunctionTreeEditor.h"
#include "gui/editors/EditorAccessibility.h"
#include "gui/editors/ColorEditor.h"
#include "gui/editors/ColorTreeEditor.h"
#include "gui/editors/StyleListEditor.h"
#include "gui/editors/VolumeEditor.h"

#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTreeWidget>

#include <algorithm>

namespace vantrel {

namespace {

constexpr int kStatusPanel1TwipWidth = 4600;

QRect toPixels(const layout::TwipRect& rect) {
    return twipRect(rect.twipLeft, rect.twipTop, rect.twipWidth, rect.twipHeight);
}

} // namespace

Form1::Form1(Form1Environment environment, QWidget* parent)
    : QMainWindow(parent), m_env(std::move(environment)), m_settings(*m_env.settings) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Vantrel  V") + QString::fromUtf8(kProjectVersion.data()));
    setAcceptDrops(true);
    buildControls();
    buildMenus();
    connectEditors();
    listenToDocument();
    buildComparison();
    m_coverage = std::make_unique<CoverageController>(
        CoverageParts{*this, m_document, *m_picEdit, m_settings, strings(), *m_comparison,
                      [this] { return m_definitionsPath; },
                      [this](const CoveredItem& item) {
                          showSetting(item.kind, QString::fromStdString(item.key), item.firstCell);
                      }});
    menuBar()->insertMenu(m_mnuTools->menuAction(), m_coverage->viewMenu());
    const QList<QAction*> fileItems = m_mnuFile->actions();
    m_mnuFile->insertAction(fileItems.value(fileItems.indexOf(m_mnuCloseCompare) + 1),
                            m_coverage->suggestAction());
    m_changeWatcher = new ExternalChangeWatcher(
        m_document, m_language, [this] { OpenSeemFile(fileName()); }, this);
    addToolBar(Qt::TopToolBarArea, m_changeWatcher);
    connect(m_changeWatcher, &ExternalChangeWatcher::statusMessage, this,
            [this](const QString& text) { setStatus(2, text); });
}

// Members die before QWidget deletes the children; the controls that listen to
// the document must go while it still exists.
Form1::~Form1() {
    delete takeCentralWidget();
    delete m_changeWatcher;
}

void Form1::buildControls() {
    m_surface = new MainSurface(this);
    setCentralWidget(m_surface);
    QWidget* surface = m_surface->canvas();
    buildStartPage(surface);
    buildEditors(surface);

    m_frameSet = new QGroupBox(QString::fromUtf8("信息"), surface);
    m_frameSet->setObjectName(QStringLiteral("frameSet"));
    m_lblinfo = new QLabel(m_frameSet);
    m_lblinfo->setObjectName(QStringLiteral("lblinfo"));
    m_lblinfo->setWordWrap(true);
    m_lblinfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_picEdit = new ByteGridView(m_document.grid(), m_language.strings(), surface);
    m_picEdit->setCellDescriber(
        describeByShownEditor(*m_tvwFuct, *m_lvwStyle, *m_frameVolume, *m_tvwColor));
    setMainTabOrder(m_picEdit, {m_tvwFuct, m_lvwStyle, m_tvwColor, m_frameColor, m_frameVolume},
                    m_lblinfo);
    buildStatusBar();
    m_surface->setLayoutHandler(
        [this](const layout::WindowLayout& windowLayout) { applyLayout(windowLayout); });
}

void Form1::applyLayout(const layout::WindowLayout& windowLayout) {
    m_layout = windowLayout;
    for (QWidget* editor :
         std::initializer_list<QWidget*>{m_tvwFuct, m_lvwStyle, m_tvwColor, m_frameVolume})
        editor->setGeometry(toPixels(m_layout.editorArea));
    m_frameSet->setGeometry(toPixels(m_layout.frameSet));
    m_lblinfo->setGeometry(toPixels(m_layout.infoLabel));
    m_frameColor->setGeometry(toPixels(m_layout.frameColor));
    if (m_gridFullWindow)
        placeGridFullWindow();
    else
        placeGridNormally();
    const QPoint shift(px(m_layout.twipStartPageShiftX), px(m_layout.twipStartPageShiftY));
    QLabel* const startPage[] = {m_label2, m_label3, m_lblSoftTip};
    for (int i = 0; i < 3; ++i)
        startPage[i]->move(m_startPagePlaces[i] + shift);
}

void Form1::sizeToScreen() {
    if (isVisible()) {
        // Now the bars have their real heights (captions in another script
        // can make them taller than first thought): make up what the client
        // area still lacks of the designed size.
        const QSize lacking = (MainSurface::designedSize() - m_surface->size()).expandedTo({0, 0});
        fitWindowToScreen(this, size() + lacking);
        return;
    }
    const int pxBars = menuBar()->sizeHint().height() + statusBar()->sizeHint().height();
    fitWindowToScreen(this, MainSurface::designedSize() + QSize(0, pxBars));
}

void Form1::buildStartPage(QWidget* surface) {
    m_lblSoftTip = new QLabel(surface);
    m_lblSoftTip->setObjectName(QStringLiteral("lblSoftTip"));
    m_lblSoftTip->setGeometry(twipRect(1980, 3705, 9555, 1155));
    m_lblSoftTip->setWordWrap(true);
    m_lblSoftTip->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_lblSoftTip->setTextFormat(Qt::PlainText);

    // The white title over its grey twin reads as one word with a shadow. Fonts
    // differ in height, so the pair sits just above the hint rather than at a
    // fixed top.
    const QFont title(QStringLiteral("Tahoma"), 72, QFont::Bold);
    m_label2 = new QLabel(QStringLiteral("Vantrel"), surface);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_label2->setFont(title);
    m_label2->setStyleSheet(QStringLiteral("color: #a8a8a8;"));
    m_label2->adjustSize();
    const int titleTop = std::max(0, m_lblSoftTip->y() - m_label2->height() - px(75));
    m_label2->move(px(1575), titleTop);
    m_label3 = new QLabel(QStringLiteral("Vantrel"), surface);
    m_label3->setObjectName(QStringLiteral("Label3"));
    m_label3->setFont(title);
    m_label3->setStyleSheet(QStringLiteral("color: #ffffff;"));
    m_label3->adjustSize();
    m_label3->move(px(1590), titleTop + px(75));
    m_lblSoftTip->raise();
    m_startPagePlaces[0] = m_label2->pos();
    m_startPagePlaces[1] = m_label3->pos();
    m_startPagePlaces[2] = m_lblSoftTip->pos();
}

void Form1::buildEditors(QWidget* surface) {
    m_tvwFuct = new FunctionTreeEditor(m_document, m_language.strings(), surface);
    m_lvwStyle = new StyleListEditor(m_document, m_language.strings(), surface);
    m_tvwColor = new ColorTreeEditor(m_document.grid(), m_language.strings(), surface);
    m_frameVolume = new VolumeEditor(m_document, m_language.strings(), surface);
    m_frameColor = new ColorEditor(m_document, m_language.strings(), surface);
}

void Form1::buildStatusBar() {
    auto* status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("staBar"));
    status->setSizeGripEnabled(false);
    for (QLabel*& panel : m_statusPanels) {
        panel = new QLabel(status);
        panel->setTextFormat(Qt::PlainText);
        panel->setContentsMargins(4, 0, 4, 0);
    }
    m_statusPanels[0]->setMinimumWidth(px(kStatusPanel1TwipWidth));
    status->addWidget(m_statusPanels[0]);
    status->addWidget(m_statusPanels[1], 1);
    setStatusBar(status);
}

void Form1::placeGridNormally() {
    m_gridFullWindow = false;
    m_picEdit->setGeometry(toPixels(m_layout.picEdit));
}

// A seem type without an editor shows its bytes over the whole window.
void Form1::placeGridFullWindow() {
    m_gridFullWindow = true;
    const QWidget* canvas = m_surface->canvas();
    m_picEdit->setGeometry(px(120), px(300), canvas->width() - px(240), canvas->height() - px(900));
}

void Form1::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton && !m_isLoaded)
        m_mnuFile->popup(event->globalPosition().toPoint());
    QMainWindow::mouseReleaseEvent(event);
}

void Form1::setStatus(int panel, const QString& text) {
    QLabel* label = m_statusPanels[panel - 1];
    label->setText(text);
    // Panel 1 keeps its design width but never cuts its text short; panel 2 has the rest.
    if (panel == 1)
        label->setMinimumWidth(std::max(px(kStatusPanel1TwipWidth), label->sizeHint().width()));
}

QString Form1::statusText(int panel) const {
    return m_statusPanels[panel - 1]->text();
}

} // namespace vantrel
