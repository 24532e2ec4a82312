// SPDX-License-Identifier: GPL-3.0-or-later
// The menu bar: its items, their captions and the commands that only touch menus.
#include "gui/app/Form1.h"

#include "core/i18n/BuiltinStrings.h"
#include "gui/coverage/CoverageController.h"
#include "gui/document/ByteGridView.h"
#include "core/settings/TipSetting.h"
#include "gui/document/FunctionTreeEditor.h"
#include "gui/i18n/ApplyLanguage.h"
#include "gui/shell/RecentFilesMenu.h"
#include "gui/windows/GoToOffsetDialog.h"
#include "gui/windows/AboutWindow.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace vantrel {

namespace {

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

void Form1::buildMenus() {
    buildFileMenu();
    buildEditMenu();
    buildToolsMenu();
    m_mnuLanguage = newMenu(this, "mnuLanguage", "语言(&L)");
    connect(m_mnuLanguage, &QMenu::aboutToShow, this, &Form1::fillLanguageMenu);
    buildHelpMenu();
    for (QMenu* menu : {m_mnuFile, m_mnuEdit, m_mnuTools, m_mnuLanguage, m_mnuHelp})
        menuBar()->addMenu(menu);
    connectShellMenus();
}

void Form1::buildFileMenu() {
    m_mnuFile = newMenu(this, "mnuFile", "文件(&F)");
    m_mnuOpen = addMenuItem(m_mnuFile, "mnuOpen", "打开(&O)...");
    m_mnuOpen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    m_mnuSave = addMenuItem(m_mnuFile, "mnuSave", "保存(&S)");
    m_mnuSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    m_mnuSaveAs = addMenuItem(m_mnuFile, "mnuSaveAs", "另存为(&A)...");
    m_mnuFile->addSeparator();
    m_mnuCompare = addMenuItem(m_mnuFile, "mnuCompare", "比较(&W)...");
    m_mnuCloseCompare = addMenuItem(m_mnuFile, "mnuCloseCompare", "关闭比较(&M)");
    m_mnuFile->addSeparator();
    m_mnuReload = addMenuItem(m_mnuFile, "mnuReload", "重新载入(&R)");
    m_mnuClose = addMenuItem(m_mnuFile, "mnuClose", "关闭(&C)");
    m_mnuFile->addSeparator();
    QAction* exitSeparator = m_mnuFile->addSeparator();
    m_mnuFileList = new RecentFilesMenu(m_mnuFile, exitSeparator, m_settings);
    m_mnuExit = addMenuItem(m_mnuFile, "mnuExit", "退出(&X)");
    for (QAction* action : {m_mnuSave, m_mnuSaveAs, m_mnuReload, m_mnuCompare, m_mnuCloseCompare})
        action->setEnabled(false);

    connect(m_mnuOpen, &QAction::triggered, this, &Form1::mnuOpen_Click);
    connect(m_mnuSave, &QAction::triggered, this, &Form1::mnuSave_Click);
    connect(m_mnuSaveAs, &QAction::triggered, this, &Form1::mnuSaveAs_Click);
    connect(m_mnuReload, &QAction::triggered, this, &Form1::mnuReload_Click);
    connect(m_mnuClose, &QAction::triggered, this, &Form1::mnuClose_Click);
    connect(m_mnuCompare, &QAction::triggered, this, &Form1::mnuCompare_Click);
    connect(m_mnuCloseCompare, &QAction::triggered, this, &Form1::mnuCloseCompare_Click);
    connect(m_mnuExit, &QAction::triggered, this, &Form1::mnuExit_Click);
}

void Form1::buildEditMenu() {
    m_mnuEdit = newMenu(this, "mnuEdit", "编辑(&E)");
    m_mnuUndo = addMenuItem(m_mnuEdit, "mnuUndo", "");
    m_mnuUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_mnuRedo = addMenuItem(m_mnuEdit, "mnuRedo", "");
    m_mnuRedo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    m_mnuEdit->addSeparator();
    m_mnuOnOff = addMenuItem(m_mnuEdit, "mnuOnOff", "开启功能(&O)");
    m_mnuOnOff->setEnabled(false);
    m_mnuTakeOther = addMenuItem(m_mnuEdit, "mnuTakeOther", "采用另一个文件的值(&T)");
    m_mnuTakeOther->setEnabled(false);
    connect(m_mnuTakeOther, &QAction::triggered, this, &Form1::mnuTakeOther_Click);
    m_mnuEdit->addSeparator();
    m_mnuGoTo = addMenuItem(m_mnuEdit, "mnuGoTo", "");
    m_mnuGoTo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    m_mnuGoTo->setEnabled(false);
    connect(m_mnuGoTo, &QAction::triggered, this, &Form1::mnuGoTo_Click);
    connect(m_mnuUndo, &QAction::triggered, this, &Form1::mnuUndo_Click);
    connect(m_mnuRedo, &QAction::triggered, this, &Form1::mnuRedo_Click);
    connect(m_mnuOnOff, &QAction::triggered, this, &Form1::mnuOnOff_Click);
    updateUndoMenu();
}

void Form1::buildToolsMenu() {
    m_mnuTools = newMenu(this, "mnuTools", "工具(&T)");
    QAction* setOuterText = addMenuItem(m_mnuTools, "mnuSetOuterText", "生成外屏文字seem文件(&O)");
    QAction* setGprs = addMenuItem(m_mnuTools, "mnuSetGPRS", "生成GPRS日期文字文件(&G)");
    connect(setOuterText, &QAction::triggered, this, &Form1::mnuSetOuterText_Click);
    connect(setGprs, &QAction::triggered, this, &Form1::mnuSetGPRS_Click);
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
    QAction* about = addMenuItem(m_mnuHelp, "mnuAbout", "关于(&A)");
    connect(about, &QAction::triggered, this, &Form1::mnuAbout_Click);
    m_mnuHelp->addSeparator();
    m_mnuShowTip = addMenuItem(m_mnuHelp, "mnuShowTip", "显示功能提示");
    m_mnuShowTip->setCheckable(true);
    m_mnuShowTip->setChecked(true);
    connect(m_mnuShowTip, &QAction::triggered, this, &Form1::mnuShowTip_Click);
}

// The items are made here but put into the menu only when it first opens:
// adding an item to a menu (or to an action group) looks through every item
// already there, which would make start-up quadratic in the number of languages.
void Form1::rebuildLanguageMenu() {
    const auto& languages = m_language.languages();
    for (std::size_t i = 0; i < languages.size(); ++i) {
        if (i == m_mnuLans.size())
            m_mnuLans.push_back(newLanguageItem(static_cast<int>(i)));
        m_mnuLans[i]->setText(QString::fromStdString(languages[i].caption));
        m_mnuLans[i]->setData(QString::fromStdString(languages[i].definitionsFile));
    }
    if (m_mnuLans.empty()) {
        // Without a readable language.xml the menu still offers the one language we have.
        m_mnuLans.push_back(newLanguageItem(0));
        m_mnuLans.back()->setText(QStringLiteral("English"));
    }
    const std::size_t chosen = static_cast<std::size_t>(m_language.index());
    for (std::size_t i = 0; i < m_mnuLans.size(); ++i)
        m_mnuLans[i]->setChecked(i == chosen);
}

QAction* Form1::newLanguageItem(int index) {
    auto* item = new QAction(m_mnuLanguage);
    item->setObjectName(QStringLiteral("mnuLans"));
    item->setCheckable(true);
    connect(item, &QAction::triggered, this, [this, index] { mnuLans_Click(index); });
    return item;
}

void Form1::fillLanguageMenu() {
    for (std::size_t i = m_languageItemsShown; i < m_mnuLans.size(); ++i)
        m_mnuLanguage->addAction(m_mnuLans[i]);
    m_languageItemsShown = m_mnuLans.size();
}

void Form1::applyCaptions() {
    ApplyLanguage(this, m_language);
    m_mnuGoTo->setText(str(StrGoToOffsetMenu));
    const auto& languages = m_language.languages();
    const auto chosen = static_cast<std::size_t>(m_language.index());
    m_qtTranslations.apply(chosen < languages.size() ? languages[chosen].lcid : std::nullopt);
    m_mnuFileList->setEmptyText(str(StrRecentFilesEmpty));
    m_coverage->retranslate();
    if (m_folderComparison)
        m_folderComparison->retranslate();
    updateUndoMenu();
    if (!m_isLoaded)
        setStatus(1, str(1));
}

// "Undo <step>" and "Redo <step>" in the chosen language, enabled only when
// there is such a step.
void Form1::updateUndoMenu() {
    const auto caption = [this](int menuString, int label) {
        const std::string step = label >= 0 ? strings().get(label) : std::string();
        return QString::fromStdString(strings().format(menuString, {step})).trimmed();
    };
    m_mnuUndo->setText(caption(StrUndoMenu, m_document.undoLabel()));
    m_mnuUndo->setEnabled(m_document.canUndo());
    m_mnuRedo->setText(caption(StrRedoMenu, m_document.redoLabel()));
    m_mnuRedo->setEnabled(m_document.canRedo());
}

void Form1::mnuUndo_Click() {
    m_document.undo();
}

void Form1::mnuRedo_Click() {
    m_document.redo();
}

void Form1::mnuOnOff_Click() {
    if (!m_tvwFuct->isHidden() && m_tvwFuct->switchSelected())
        m_tvwFuct->toggleSelected();
}

void Form1::mnuGoTo_Click() {
    if (!m_isLoaded)
        return;
    GoToOffsetDialog dialog(strings(), m_settings, grid().cellCount(), this);
    if (dialog.exec() == QDialog::Accepted && dialog.offset())
        m_picEdit->focusCell(*dialog.offset());
}

void Form1::mnuAbout_Click() {
    auto* about = findChild<AboutWindow*>();
    if (!about)
        about = new AboutWindow(this, m_language);
    about->showOverOwner();
}

void Form1::mnuShowTip_Click() {
    storeTipsEnabled(m_settings, m_mnuShowTip->isChecked());
}

} // namespace vantrel
