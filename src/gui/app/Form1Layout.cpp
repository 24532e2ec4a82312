// The main window's controls and where they sit.
#include "gui/app/Form1.h"

#include "core/compare/DocumentComparison.h"
#include "gui/app/Twips.h"
#include "gui/document/ByteGridView.h"
#include "gui/document/FunctionTreeEditor.h"
#include "gui/editors/ColorPanel.h"
#include "gui/editors/StyleListEditor.h"
#include "gui/editors/VolumePanel.h"

#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTreeWidget>

#include <algorithm>

namespace vantrel {

namespace {

constexpr int kClientTwipWidth = 12075;
constexpr int kClientTwipHeight = 7065;
const QRect kEditorArea = twipRect(105, 315, 4600, 6300);

} // namespace

Form1::Form1(Form1Environment environment, QWidget* parent)
    : QMainWindow(parent), m_env(std::move(environment)), m_settings(*m_env.settings) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Vantrel  V1.1 Beta"));
    buildControls();
    buildMenus();
    connectEditors();
    listenToDocument();
    buildComparison();
}

// Members die before QWidget deletes the children; the controls that listen to
// the document must go while it still exists.
Form1::~Form1() {
    delete takeCentralWidget();
}

void Form1::buildControls() {
    auto* surface = new QWidget(this);
    surface->setFixedSize(px(kClientTwipWidth), px(kClientTwipHeight));
    setCentralWidget(surface);
    buildStartPage(surface);
    buildEditors(surface);

    m_frameSet = new QGroupBox(QString::fromUtf8("信息"), surface);
    m_frameSet->setObjectName(QStringLiteral("frameSet"));
    m_frameSet->setGeometry(twipRect(4815, 255, 7155, 1300));
    m_lblinfo = new QLabel(m_frameSet);
    m_lblinfo->setObjectName(QStringLiteral("lblinfo"));
    m_lblinfo->setWordWrap(true);
    m_lblinfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_lblinfo->setGeometry(twipRect(150, 300, 6855, 900));

    m_picEdit = new ByteGridView(m_document.grid(), m_language.strings(), surface);
    placeGridNormally();
    buildStatusBar();
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
}

void Form1::buildEditors(QWidget* surface) {
    m_tvwFuct = new FunctionTreeEditor(m_document, m_language.strings(), surface);
    m_lvwStyle = new StyleListEditor(m_document, m_language.strings(), surface);
    m_tvwColor = new QTreeWidget(surface);
    m_tvwColor->setObjectName(QStringLiteral("tvwColor"));
    m_tvwColor->setHeaderHidden(true);
    m_frameVolume = new VolumePanel(surface);
    for (QWidget* editor :
         std::initializer_list<QWidget*>{m_tvwFuct, m_lvwStyle, m_tvwColor, m_frameVolume})
        editor->setGeometry(kEditorArea);
    m_frameColor = new ColorPanel(surface);
    m_frameColor->setGeometry(twipRect(4815, 240, 7155, 1380));
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
    m_statusPanels[0]->setMinimumWidth(px(4600));
    status->addWidget(m_statusPanels[0]);
    status->addWidget(m_statusPanels[1], 1);
    setStatusBar(status);
}

void Form1::placeGridNormally() {
    m_picEdit->setGeometry(twipRect(4815, 1650, 7155, 4950));
}

// A seem type without an editor shows its bytes over the whole window.
void Form1::placeGridFullWindow() {
    const QWidget* surface = centralWidget();
    m_picEdit->setGeometry(px(120), px(300), surface->width() - px(240),
                           surface->height() - px(900));
}

void Form1::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton && !m_isLoaded)
        m_mnuFile->popup(event->globalPosition().toPoint());
    QMainWindow::mouseReleaseEvent(event);
}

void Form1::setStatus(int panel, const QString& text) {
    m_statusPanels[panel - 1]->setText(text);
}

QString Form1::statusText(int panel) const {
    return m_statusPanels[panel - 1]->text();
}

} // namespace vantrel
