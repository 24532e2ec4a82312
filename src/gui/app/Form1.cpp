#include "gui/app/Form1.h"

#include "core/document/CellStatus.h"
#include "gui/app/Twips.h"
#include "gui/document/ByteGridView.h"
#include "gui/editors/ColorPanel.h"
#include "gui/editors/StyleListEditor.h"
#include "gui/editors/VolumePanel.h"
#include "gui/document/FunctionTreeEditor.h"

#include <QAction>
#include <QActionGroup>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTreeWidget>

#include <algorithm>

namespace vantrel {

namespace {

constexpr int kClientTwipWidth = 12075;
constexpr int kClientTwipHeight = 7065;
const QRect kEditorArea = twipRect(105, 315, 4600, 6300);

QAction* addMenuItem(QMenu* menu, const char* name, const char* designCaption) {
    auto* action = new QAction(QString::fromUtf8(designCaption), menu);
    action->setObjectName(QString::fromLatin1(name));
    menu->addAction(action);
    return action;
}

QMenu* newMenu(QWidget* owner, const char* name, const char* designCaption) {
    auto* menu = new QMenu(QString::fromUtf8(designCaption), owner);
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

} // namespace

Form1::Form1(Form1Environment environment, QWidget* parent)
    : QMainWindow(parent), m_env(std::move(environment)), m_settings(*m_env.settings) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Vantrel  V1.1 Beta"));
    buildControls();
    buildMenus();
    connectEditors();
}

Form1::~Form1() = default;

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

    m_picEdit = new ByteGridView(m_grid, m_language.strings(), surface);
    placeGridNormally();

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
    m_tvwFuct = new FunctionTreeEditor(m_grid, m_language.strings(), surface);
    m_lvwStyle = new StyleListEditor(m_grid, m_language.strings(), surface);
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

void Form1::placeGridNormally() {
    m_picEdit->setGeometry(twipRect(4815, 1650, 7155, 4950));
}

// A seem type without an editor shows its bytes over the whole window.
void Form1::placeGridFullWindow() {
    const QWidget* surface = centralWidget();
    m_picEdit->setGeometry(px(120), px(300), surface->width() - px(240),
                           surface->height() - px(900));
}

void Form1::buildMenus() {
    buildFileMenu();
    m_mnuEdit = newMenu(this, "mnuEdit", "编辑(&E)");
    m_mnuOnOff = addMenuItem(m_mnuEdit, "mnuOnOff", "开启功能(&O)");
    m_mnuOnOff->setEnabled(false);
    connect(m_mnuOnOff, &QAction::triggered, this, &Form1::mnuOnOff_Click);
    buildToolsMenu();
    m_mnuLanguage = newMenu(this, "mnuLanguage", "语言(&L)");
    m_languageGroup = new QActionGroup(this);
    m_languageGroup->setExclusive(true);
    buildHelpMenu();
    for (QMenu* menu : {m_mnuFile, m_mnuEdit, m_mnuTools, m_mnuLanguage, m_mnuHelp})
        menuBar()->addMenu(menu);
}

void Form1::buildFileMenu() {
    m_mnuFile = newMenu(this, "mnuFile", "文件(&F)");
    m_mnuOpen = addMenuItem(m_mnuFile, "mnuOpen", "打开(&O)...");
    m_mnuOpen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    m_mnuSave = addMenuItem(m_mnuFile, "mnuSave", "保存(&S)");
    m_mnuSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    m_mnuSaveAs = addMenuItem(m_mnuFile, "mnuSaveAs", "另存为(&A)...");
    m_mnuFile->addSeparator();
    m_mnuReload = addMenuItem(m_mnuFile, "mnuReload", "重新载入(&R)");
    m_mnuClose = addMenuItem(m_mnuFile, "mnuClose", "关闭(&C)");
    m_fileListSeparator = m_mnuFile->addSeparator();
    m_mnuFileList.push_back(addMenuItem(m_mnuFile, "mnuFileList", "(无)"));
    m_mnuFile->addSeparator();
    m_mnuExit = addMenuItem(m_mnuFile, "mnuExit", "退出(&X)");
    for (QAction* action : {m_mnuSave, m_mnuSaveAs, m_mnuReload, m_mnuFileList.front()})
        action->setEnabled(false);

    connect(m_mnuOpen, &QAction::triggered, this, &Form1::mnuOpen_Click);
    connect(m_mnuSave, &QAction::triggered, this, &Form1::mnuSave_Click);
    connect(m_mnuSaveAs, &QAction::triggered, this, &Form1::mnuSaveAs_Click);
    connect(m_mnuReload, &QAction::triggered, this, &Form1::mnuReload_Click);
    connect(m_mnuClose, &QAction::triggered, this, &Form1::mnuClose_Click);
    connect(m_mnuExit, &QAction::triggered, this, &Form1::mnuExit_Click);
}

void Form1::buildToolsMenu() {
    m_mnuTools = newMenu(this, "mnuTools", "工具(&T)");
    addMenuItem(m_mnuTools, "mnuSetOuterText", "生成外屏文字seem文件(&O)");
    addMenuItem(m_mnuTools, "mnuSetGPRS", "生成GPRS日期文字文件(&G)");
    m_mnuTools->addSeparator();
    addMenuItem(m_mnuTools, "mnuAccFile", "关联Seem文件(&A)");
    addMenuItem(m_mnuTools, "mnuUnAccFile", "解除文件关联(&U)");
    addMenuItem(m_mnuTools, "mnuSetFolder", "设置Seem文件夹(&S)");
    m_mnuTools->addSeparator();
    m_mnuEditFunction = newMenu(m_mnuTools, "mnuEditFunction", "修改Seem文件夹文件");
    const char* const items[][2] = {
        {"mnuFunction", "主功能表(00&32_0001)"},
        {"mnuStyle", "开关画面/显示外屏文字/(00&4a_0001)"},
        {"mnuOuterText", "修改外屏文字(00&61_0001)"},
        {"mnuGPRS", "修改GPRS日期文字(01a&8_0001)"},
        {"mnuVolume", "音量(&Grain_table.bin)"},
        {"mnuColor", "颜色样式(&C)"},
    };
    for (const auto& item : items)
        addMenuItem(m_mnuEditFunction, item[0], item[1])->setEnabled(false);
    m_mnuTools->addMenu(m_mnuEditFunction);
    m_mnuEditFunction->setEnabled(false);
}

void Form1::buildHelpMenu() {
    m_mnuHelp = newMenu(this, "mnuHelp", "帮助(&H)");
    QAction* topics = addMenuItem(m_mnuHelp, "mnuHelpTopic", "帮助主题(&H)");
    topics->setShortcut(QKeySequence(Qt::Key_F1));
    addMenuItem(m_mnuHelp, "mnuAbout", "关于(&A)");
    m_mnuHelp->addSeparator();
    m_mnuShowTip = addMenuItem(m_mnuHelp, "mnuShowTip", "显示功能提示");
    m_mnuShowTip->setCheckable(true);
    m_mnuShowTip->setChecked(true);
    connect(m_mnuShowTip, &QAction::triggered, this, &Form1::mnuShowTip_Click);
}

void Form1::connectEditors() {
    connect(m_picEdit, &ByteGridView::cellFocused, this, [this](int) {
        const int index = m_grid.lastSelect();
        setStatus(2, QString::fromStdString(cellStatusText(index, m_grid.text(index), strings())));
    });
    const auto focusCellThenReturn = [this](QWidget* editor) {
        return [this, editor](int index) {
            m_picEdit->focusCell(index);
            editor->setFocus();
        };
    };
    connect(m_tvwFuct, &FunctionTreeEditor::cellFocusRequested, this,
            focusCellThenReturn(m_tvwFuct));
    connect(m_tvwFuct, &FunctionTreeEditor::infoChanged, this,
            [this](const QString& caption, const QString& info) {
                m_frameSet->setTitle(caption);
                if (!info.isNull())
                    m_lblinfo->setText(info);
            });
    connect(m_tvwFuct, &FunctionTreeEditor::statusPathChanged, this,
            [this](const QString& path) { setStatus(1, path); });
    connect(m_tvwFuct, &FunctionTreeEditor::switchStateChanged, this,
            [this](bool isSwitch, const QString& caption) {
                m_mnuOnOff->setEnabled(isSwitch);
                m_frameSet->setEnabled(isSwitch);
                if (isSwitch)
                    m_mnuOnOff->setText(caption);
            });
    connect(m_tvwFuct, &FunctionTreeEditor::contextMenuRequested, this,
            [this](const QPoint& globalPos) { m_mnuEdit->popup(globalPos); });

    connect(m_lvwStyle, &StyleListEditor::cellFocusRequested, this,
            focusCellThenReturn(m_lvwStyle));
    connect(m_lvwStyle, &StyleListEditor::infoChanged, this,
            [this](const QString& info) { m_lblinfo->setText(info); });
    connect(m_lvwStyle, &StyleListEditor::failed, this,
            [this](const QString& message) { reportFailure(message); });
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

QString Form1::str(int n) const {
    return QString::fromStdString(strings().get(n));
}

} // namespace vantrel
