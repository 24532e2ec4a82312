// SPDX-License-Identifier: GPL-3.0-or-later
#include "Form1Fixture.h"

#include "core/i18n/BuiltinStrings.h"
#include "gui/document/ByteGridView.h"
#include "gui/windows/TipWindow.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTest>
#include <QWindow>

using namespace vantrel;
using vantrel::testing::Form1Fixture;

namespace {

class Form1Startup : public Form1Fixture {};

QStringList titlesOf(const QList<QAction*>& actions) {
    QStringList titles;
    for (const QAction* action : actions)
        titles << action->text();
    return titles;
}

} // namespace

TEST_F(Form1Startup, EmptyStateAfterStartUp) {
    Form1& form = start();
    ASSERT_TRUE(loaded);
    EXPECT_FALSE(form.isLoaded());
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Vantrel  V1.1 Beta"));
    EXPECT_EQ(form.statusText(1), str(1));
    EXPECT_TRUE(form.statusText(2).isEmpty());
    EXPECT_TRUE(action("mnuOpen")->isEnabled());
    EXPECT_EQ(action("mnuOpen")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    EXPECT_EQ(action("mnuSave")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_EQ(action("mnuHelpTopic")->shortcut(), QKeySequence(Qt::Key_F1));
    for (const char* disabled :
         {"mnuSave", "mnuSaveAs", "mnuReload", "mnuClose", "mnuFileList", "mnuOnOff", "mnuFunction",
          "mnuStyle", "mnuOuterText", "mnuGPRS", "mnuVolume", "mnuColor"})
        EXPECT_FALSE(action(disabled)->isEnabled()) << disabled;
    EXPECT_TRUE(action("mnuShowTip")->isChecked());
    EXPECT_TRUE(form.findChild<QMenu*>(QStringLiteral("mnuLanguage"))->isEnabled());
    EXPECT_FALSE(form.gridView()->isVisible());
    EXPECT_TRUE(form.findChild<QLabel*>(QStringLiteral("lblSoftTip"))->isVisible());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Form1Startup, OnlyShowTipZeroLeavesTheMenuUnchecked) {
    for (const char* stored : {"0", "1", "2", "yes"}) {
        settings.setValue("ShowTip", stored);
        start();
        EXPECT_EQ(action("mnuShowTip")->isChecked(), std::string(stored) != "0") << stored;
    }
}

TEST_F(Form1Startup, SeemFolderDefaultsToTheProgramFolder) {
    Form1& form = start();
    EXPECT_TRUE(form.appDir().endsWith(QLatin1Char('/')));
    EXPECT_TRUE(form.findChild<QMenu*>(QStringLiteral("mnuEditFunction"))->isEnabled());
}

TEST_F(Form1Startup, CaptionsComeFromTheChosenLanguage) {
    systemLcid = 0x0404; // zh_TW: no exact match, but Chinese is listed
    start();
    EXPECT_EQ(settings.value("language"), "1");
    EXPECT_EQ(form->findChild<QMenu*>(QStringLiteral("mnuFile"))->title(),
              QString::fromUtf8("文件(&F)"));
    const QString english = QString::fromStdString(builtinEnglishStrings()[1]);
    EXPECT_NE(form->statusText(1), english);

    settings.setValue("language", "0");
    start();
    EXPECT_EQ(form->findChild<QMenu*>(QStringLiteral("mnuFile"))->title(), QStringLiteral("&File"));
    EXPECT_EQ(form->statusText(1), english);
}

TEST_F(Form1Startup, LanguageMenuHasOneCheckedItemPerLanguageAndSwitchingAddsNone) {
    start();
    auto* menu = form->findChild<QMenu*>(QStringLiteral("mnuLanguage"));
    emit menu->aboutToShow(); // the items go into the menu when it first opens
    ASSERT_EQ(menu->actions().size(), 2);
    EXPECT_EQ(titlesOf(menu->actions()),
              (QStringList{QStringLiteral("English"), QString::fromUtf8("简体中文")}));
    EXPECT_TRUE(menu->actions()[0]->isChecked());
    form->mnuLans_Click(1);
    emit menu->aboutToShow();
    EXPECT_EQ(settings.value("language"), "1");
    EXPECT_EQ(menu->actions().size(), 2);
    EXPECT_TRUE(menu->actions()[1]->isChecked());
    EXPECT_FALSE(menu->actions()[0]->isChecked());
    EXPECT_EQ(form->findChild<QMenu*>(QStringLiteral("mnuFile"))->title(),
              QString::fromUtf8("文件(&F)"));
    EXPECT_EQ(form->statusText(1), str(1));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Form1Startup, MissingDefinitionsShowStringThreeAndEnd) {
    QFile::remove(appFile(QStringLiteral("seem_en.xml")));
    start();
    EXPECT_FALSE(loaded);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Critical);
    EXPECT_TRUE(dialogs.messages[0].text.startsWith(str(3)));
    EXPECT_TRUE(dialogs.messages[0].text.contains(appFile(QStringLiteral("seem_en.xml"))));
}

TEST_F(Form1Startup, MalformedDefinitionsNameTheFileAndLine) {
    writeAppFile(QStringLiteral("seem_en.xml"), "<seems>\n<a ID=\"x\" size=\"4\">\n</seems>\n");
    start();
    EXPECT_FALSE(loaded);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("seem_en.xml")));
    EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("3")));
}

TEST_F(Form1Startup, MalformedLanguageFileReportsItsLineAndFallsBackToEnglish) {
    writeAppFile(QStringLiteral("language.xml"), "<languages>\n<lang id=\"0\">\n</languages>\n");
    start();
    ASSERT_FALSE(dialogs.messages.empty());
    const QString text = dialogs.messages[0].text;
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Critical);
    EXPECT_TRUE(text.contains(QStringLiteral("language.xml")));
    EXPECT_TRUE(text.contains(QStringLiteral("line 3")) || text.contains(QStringLiteral("3")));
    EXPECT_FALSE(str(1).isEmpty());
    // No language names a definitions document: one plain message, then the end.
    EXPECT_FALSE(loaded);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(text.startsWith(str(3)));
    EXPECT_TRUE(
        text.contains(QString::fromStdString(form->strings().format(StrLanguageUnusable, {"0"}))));
}

TEST_F(Form1Startup, MissingDefinitionsOnALanguageSwitchSayTheFileIsMissing) {
    start();
    ASSERT_TRUE(loaded);
    QFile::remove(appFile(QStringLiteral("seem_zh.xml")));
    form->mnuLans_Click(1);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    const QString text = dialogs.messages[0].text;
    EXPECT_TRUE(text.startsWith(str(3)));
    EXPECT_TRUE(text.contains(appFile(QStringLiteral("seem_zh.xml"))));
    EXPECT_TRUE(text.contains(QStringLiteral("does not exist")));
}

TEST_F(Form1Startup, BadCatalogIsAGenericStartUpFailureButTheWindowShows) {
    writeAppFile(QStringLiteral("seem_en.xml"),
                 "<seems><a ID=\"x\" tip=\"t\" type=\"style\"/></seems>");
    start();
    EXPECT_TRUE(loaded);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Information);
    EXPECT_TRUE(form->isVisible());
}

TEST_F(Form1Startup, RightClickPopsUpTheFileMenuOnlyWhileNoFileIsOpen) {
    start();
    auto* fileMenu = form->findChild<QMenu*>(QStringLiteral("mnuFile"));
    QWidget* surface = form->centralWidget();
    QTest::mouseClick(surface, Qt::RightButton, {}, QPoint(20, 300));
    EXPECT_TRUE(fileMenu->isVisible());
    fileMenu->hide();

    const QString path = writeSeem(QStringLiteral("s.seem"), QByteArray(40, '\0'));
    form->OpenSeemFile(path);
    ASSERT_TRUE(form->isLoaded());
    QTest::mouseClick(surface, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_FALSE(fileMenu->isVisible());
}

TEST_F(Form1Startup, CommandLineOpensAFileNamedWithAFolder) {
    // The type's alert comes once the window is on screen, so it can be centred on it.
    const QString path = writeSeem(QStringLiteral("0032_0001.seem"), QByteArray(120, '\x01'));
    start(path);
    EXPECT_TRUE(form->isLoaded());
    EXPECT_EQ(form->fileName(), path);
    EXPECT_TRUE(form->recentFiles().isEmpty());
    EXPECT_TRUE(dialogs.messages.empty());
    const TipWindow* tip = form->findChild<TipWindow*>();
    ASSERT_NE(tip, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([tip] { return tip->isVisible(); }, 2000));
    EXPECT_TRUE(form->windowHandle()->isExposed());
}

TEST_F(Form1Startup, CommandLineWithoutAFolderOrAMissingFileIsIgnored) {
    start(QStringLiteral("0032_0001.seem"));
    EXPECT_FALSE(form->isLoaded());
    start(work.filePath(QStringLiteral("missing.seem")));
    EXPECT_FALSE(form->isLoaded());
    EXPECT_TRUE(dialogs.messages.empty());
}
