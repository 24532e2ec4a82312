// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/i18n/DesignCaptions.h"

#include <algorithm>
#include <array>

namespace vantrel {

namespace {

constexpr std::array kDesignCaptions = {
    // The main window: menus and their items
    DesignCaption{"Form1", "mnuFile", "文件(&F)"},
    DesignCaption{"Form1", "mnuOpen", "打开(&O)..."},
    DesignCaption{"Form1", "mnuSave", "保存(&S)"},
    DesignCaption{"Form1", "mnuSaveAs", "另存为(&A)..."},
    DesignCaption{"Form1", "mnuReload", "重新载入(&R)"},
    DesignCaption{"Form1", "mnuClose", "关闭(&C)"},
    DesignCaption{"Form1", "mnuExit", "退出(&X)"},
    DesignCaption{"Form1", "mnuEdit", "编辑(&E)"},
    DesignCaption{"Form1", "mnuOnOff", "开启功能(&O)"},
    DesignCaption{"Form1", "mnuCompare", "比较(&W)..."},
    DesignCaption{"Form1", "mnuCloseCompare", "关闭比较(&M)"},
    DesignCaption{"Form1", "mnuTakeOther", "采用另一个文件的值(&T)"},
    DesignCaption{"Form1", "mnuTools", "工具(&T)"},
    DesignCaption{"Form1", "mnuSetOuterText", "生成外屏文字seem文件(&O)"},
    DesignCaption{"Form1", "mnuSetGPRS", "生成GPRS日期文字文件(&G)"},
    DesignCaption{"Form1", "mnuAccFile", "关联Seem文件(&A)"},
    DesignCaption{"Form1", "mnuUnAccFile", "解除文件关联(&U)"},
    DesignCaption{"Form1", "mnuSetFolder", "设置Seem文件夹(&S)"},
    DesignCaption{"Form1", "mnuEditFunction", "修改Seem文件夹文件"},
    DesignCaption{"Form1", "mnuFunction", "主功能表(00&32_0001)"},
    DesignCaption{"Form1", "mnuStyle", "开关画面/显示外屏文字/(00&4a_0001)"},
    DesignCaption{"Form1", "mnuOuterText", "修改外屏文字(00&61_0001)"},
    DesignCaption{"Form1", "mnuGPRS", "修改GPRS日期文字(01a&8_0001)"},
    DesignCaption{"Form1", "mnuVolume", "音量(&Grain_table.bin)"},
    DesignCaption{"Form1", "mnuColor", "颜色样式(&C)"},
    DesignCaption{"Form1", "mnuLanguage", "语言(&L)"},
    DesignCaption{"Form1", "mnuHelp", "帮助(&H)"},
    DesignCaption{"Form1", "mnuHelpTopic", "帮助主题(&H)"},
    DesignCaption{"Form1", "mnuAbout", "关于(&A)"},
    DesignCaption{"Form1", "mnuShowTip", "显示功能提示"},
    // The main window: the information frame and the editors
    DesignCaption{"Form1", "frameSet", "信息"},
    DesignCaption{"Form1", "lblinfo", "单击左边的一个开关，这里会显示它的说明。"},
    DesignCaption{"Form1", "frameColor", "颜色"},
    DesignCaption{"Form1", "cmdChooseColor", "颜色(&P)..."},
    DesignCaption{"Form1", "lblR", "R:"},
    DesignCaption{"Form1", "lblG", "G:"},
    DesignCaption{"Form1", "lblB", "B:"},
    DesignCaption{"Form1", "lblHex", "十六进制颜色:"},
    DesignCaption{"Form1", "lblT", "透明:"},
    DesignCaption{"Form1", "lblPercent", "%"},
    DesignCaption{"Form1", "lblColorName", "文件标题:"},
    DesignCaption{"Form1", "cmdChangeName", "更改"},
    DesignCaption{"Form1", "frameVolume", "音量调节"},
    DesignCaption{"Form1", "cmdReset", "默认设置(&R)"},
    // The outer-screen text generator
    DesignCaption{"frmOuterText", "Frame1", "文字"},
    DesignCaption{"frmOuterText", "lblTip", "最多显示6个汉字"},
    DesignCaption{"frmOuterText", "cmdSave", "保存(&S)"},
    DesignCaption{"frmOuterText", "cmdCancel", "取消(&I)"},
    // The GPRS date text generator
    DesignCaption{"frmGPRS", "Frame1", "显示方式"},
    DesignCaption{"frmGPRS", "Label1", "可以显示12个Unicode字符,10汉字满屏"},
    DesignCaption{"frmGPRS", "Command1", "保存(&O)"},
    DesignCaption{"frmGPRS", "Command2", "取消(&I)"},
    // The feature tip
    DesignCaption{"frmTip", "Label2", "Seem"},
    DesignCaption{"frmTip", "Check1", "启动时显示"},
    DesignCaption{"frmTip", "Command1", "确定"},
    // About
    DesignCaption{"frmAbout", "Frame1", "版本信息"},
    DesignCaption{"frmAbout", "Label1", "Vantrel"},
    DesignCaption{"frmAbout", "Label2", "作者：Vantrel 开发组"},
    DesignCaption{"frmAbout", "Label3", "联系：欢迎到网站论坛留言"},
    DesignCaption{"frmAbout", "Label4", "Website:"},
    DesignCaption{"frmAbout", "cmdClose", "关闭(&C)"},
    // The web page's own controls, which the window does not have
    DesignCaption{"web", "mnuDefinitions", "打开定义文件(&D)..."},
    DesignCaption{
        "web", "lblSoftTip",
        "按 Ctrl+O、点“打开”按钮或用“文件”菜单打开 Seem 文件，也可以把文件拖到本页上。"
        "在“工具”菜单中设置 Seem 文件夹，即可直接打开手机的文件。Vantrel 按文件大小识别每个文件。"
        "修改之前请先备份原始文件。"},
    DesignCaption{"web", "lblFileName", "文件名："},
    DesignCaption{"web", "staDownloaded", "已保存为下载文件：%1"},
    DesignCaption{"web", "lnkSkip", "跳到编辑区"},
    DesignCaption{"web", "staWritten", "已保存到原文件：%1"},
    DesignCaption{"web", "cmdChooseRecipe", "选择配方文件(&F)..."},
    // The reading notice
    DesignCaption{"frmReading", "Label1", "正在读取"},
};

} // namespace

std::span<const DesignCaption> designCaptions() {
    return kDesignCaptions;
}

const DesignCaption* findDesignCaption(std::string_view window, std::string_view control) {
    const auto found =
        std::find_if(kDesignCaptions.begin(), kDesignCaptions.end(), [&](const DesignCaption& c) {
            return c.window == window && c.control == control;
        });
    return found == kDesignCaptions.end() ? nullptr : &*found;
}

} // namespace vantrel
