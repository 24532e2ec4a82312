// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindowFixture.h"
#include "core/i18n/BuiltinStrings.h"
#include "gui/dialogs/TipWindow.h"
#include "gui/document/ByteGridView.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTest>
#include <QWindow>

#include <pugixml.hpp>

using namespace vantrel;
using vantrel::testing::MainWindowFixture;

namespace {

class MainWindowStartup : public MainWindowFixture {};

QStringList titlesOf(const QList<QAction*>& actions) {
    QStringList titles;
    for (const QAction* action : actions)
        titles << action->text();
    return titles;
}

} // namespace

TEST_F(MainWindowStartup, EmptyStateAfterStartUp) {
    MainWindow& mainWindow = start();
    ASSERT_TRUE(loaded);
    EXPECT_FALSE(probe().session().fileOpen());
    EXPECT_EQ(mainWindow.windowTitle(), QStringLiteral("Vantrel  V1.1 Beta"));
    EXPECT_EQ(probe().statusText(1), str(UiString::StatusNoFile));
    EXPECT_TRUE(probe().statusText(2).isEmpty());
    EXPECT_TRUE(action("mnuOpen")->isEnabled());
    EXPECT_EQ(action("mnuOpen")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    EXPECT_EQ(action("mnuSave")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_EQ(action("mnuHelpTopic")->shortcut(), QKeySequence(Qt::Key_F1));
    for (const char* disabled :
         {"mnuSave", "mnuSaveAs", "mnuReload", "mnuClose", "mnuFileList", "mnuOnOff", "mnuFunction",
          "mnuStyle", "mnuOuterText", "mnuGPRS", "mnuVolume", "mnuColor"})
        EXPECT_FALSE(action(disabled)->isEnabled()) << disabled;
    EXPECT_TRUE(action("mnuShowTip")->isChecked());
    EXPECT_TRUE(mainWindow.findChild<QMenu*>(QStringLiteral("mnuLanguage"))->isEnabled());
    EXPECT_FALSE(probe().gridView()->isVisible());
    EXPECT_TRUE(mainWindow.findChild<QLabel*>(QStringLiteral("lblSoftTip"))->isVisible());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MainWindowStartup, OnlyShowTipZeroLeavesTheMenuUnchecked) {
    for (const char* stored : {"0", "1", "2", "yes"}) {
        settings.setValue("ShowTip", stored);
        start();
        EXPECT_EQ(action("mnuShowTip")->isChecked(), std::string(stored) != "0") << stored;
    }
}

TEST_F(MainWindowStartup, SeemFolderDefaultsToTheProgramFolder) {
    MainWindow& mainWindow = start();
    EXPECT_TRUE(probe().appDir().endsWith(QLatin1Char('/')));
    EXPECT_TRUE(mainWindow.findChild<QMenu*>(QStringLiteral("mnuEditFunction"))->isEnabled());
}

TEST_F(MainWindowStartup, CaptionsComeFromTheChosenLanguage) {
    systemLcid = 0x0404; // zh_TW: no exact match, but Chinese is listed
    start();
    EXPECT_EQ(settings.value("language"), "1");
    EXPECT_EQ(mainWindow->findChild<QMenu*>(QStringLiteral("mnuFile"))->title(),
              QString::fromUtf8("文件(&F)"));
    const QString english = QString::fromStdString(builtinEnglishStrings()[1]);
    EXPECT_NE(probe().statusText(1), english);

    settings.setValue("language", "0");
    start();
    EXPECT_EQ(mainWindow->findChild<QMenu*>(QStringLiteral("mnuFile"))->title(),
              QStringLiteral("&File"));
    EXPECT_EQ(probe().statusText(1), english);
}

// Every main-window caption of language.xml reaches its control, the editors
// made only when their type is first shown among them.
TEST_F(MainWindowStartup, EveryCaptionOfTheWindowReachesItsControl) {
    systemLcid = 0x0804;
    start();
    for (const char* file :
         {"0032_0001.seem", "004a_0001.seem", "0a1c_0001.seem", "0d51_0001.seem"})
        mainWindow->openFile(sample(file));
    fileController().close();

    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_file(VANTREL_DATA_DIR "/language.xml"));
    const pugi::xml_node chinese = doc.child("languages").find_child_by_attribute("id", "1");
    // Texts the window sets itself once it has been captioned, the volume
    // rows' from the definitions.
    const QStringList setByTheWindow{QStringLiteral("lblSoftTip"), QStringLiteral("lblinfo"),
                                     QStringLiteral("frameSet"),   QStringLiteral("mnuOnOff"),
                                     QStringLiteral("lblVolume"),  QStringLiteral("lblVolumeInfo")};
    int checked = 0;
    for (const pugi::xml_node caption : chinese.children()) {
        const QString key = QString::fromUtf8(caption.name());
        if (!key.startsWith(QStringLiteral("Form1_")))
            continue;
        const QString name = key.mid(6);
        QObject* control = mainWindow->findChild<QObject*>(name);
        ASSERT_NE(control, nullptr) << name.toStdString();
        if (setByTheWindow.contains(name))
            continue;
        const QString expected = QString::fromUtf8(caption.attribute("Caption").value())
                                     .replace(QLatin1Char('$'), QLatin1Char('&'));
        QString shown;
        if (auto* frame = qobject_cast<QGroupBox*>(control))
            shown = frame->title();
        else if (auto* label = qobject_cast<QLabel*>(control))
            shown = label->text();
        else if (auto* menu = qobject_cast<QMenu*>(control))
            shown = menu->title();
        else if (auto* button = qobject_cast<QAbstractButton*>(control))
            shown = button->text();
        else if (auto* action = qobject_cast<QAction*>(control))
            shown = action->text();
        else
            continue;
        EXPECT_EQ(shown, expected) << name.toStdString();
        ++checked;
    }
    EXPECT_GT(checked, 40);
}

TEST_F(MainWindowStartup, LanguageMenuHasOneCheckedItemPerLanguageAndSwitchingAddsNone) {
    start();
    auto* menu = mainWindow->findChild<QMenu*>(QStringLiteral("mnuLanguage"));
    emit menu->aboutToShow(); // the items go into the menu when it first opens
    ASSERT_EQ(menu->actions().size(), 2);
    EXPECT_EQ(titlesOf(menu->actions()),
              (QStringList{QStringLiteral("English"), QString::fromUtf8("简体中文")}));
    EXPECT_TRUE(menu->actions()[0]->isChecked());
    languageController().chooseLanguage(1);
    emit menu->aboutToShow();
    EXPECT_EQ(settings.value("language"), "1");
    ASSERT_EQ(menu->actions().size(), 2);
    EXPECT_TRUE(menu->actions()[1]->isChecked());
    EXPECT_FALSE(menu->actions()[0]->isChecked());
    EXPECT_EQ(mainWindow->findChild<QMenu*>(QStringLiteral("mnuFile"))->title(),
              QString::fromUtf8("文件(&F)"));
    EXPECT_EQ(probe().statusText(1), str(UiString::StatusNoFile));
    EXPECT_TRUE(dialogs.messages.empty());
    // Back again, the hint is the whole of the string, not a caption of part of it.
    languageController().chooseLanguage(0);
    EXPECT_EQ(mainWindow->findChild<QLabel*>(QStringLiteral("lblSoftTip"))->text().toStdString(),
              probe().strings().multiline(UiString::StartPageHint));
}

TEST_F(MainWindowStartup, MissingDefinitionsShowStringThreeAndEnd) {
    QFile::remove(appFile(QStringLiteral("seem_en.xml")));
    start();
    EXPECT_FALSE(loaded);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Critical);
    EXPECT_TRUE(dialogs.messages[0].text.startsWith(str(UiString::DefinitionsUnloadable)));
    EXPECT_TRUE(dialogs.messages[0].text.contains(appFile(QStringLiteral("seem_en.xml"))));
}

TEST_F(MainWindowStartup, MalformedDefinitionsNameTheFileAndLine) {
    writeAppFile(QStringLiteral("seem_en.xml"), "<seems>\n<a ID=\"x\" size=\"4\">\n</seems>\n");
    start();
    EXPECT_FALSE(loaded);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("seem_en.xml")));
    EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("3")));
}

TEST_F(MainWindowStartup, MalformedLanguageFileReportsItsLineAndFallsBackToEnglish) {
    writeAppFile(QStringLiteral("language.xml"), "<languages>\n<lang id=\"0\">\n</languages>\n");
    start();
    ASSERT_FALSE(dialogs.messages.empty());
    const QString text = dialogs.messages[0].text;
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Critical);
    EXPECT_TRUE(text.contains(QStringLiteral("language.xml")));
    EXPECT_TRUE(text.contains(QStringLiteral("line 3")) || text.contains(QStringLiteral("3")));
    EXPECT_FALSE(str(UiString::StatusNoFile).isEmpty());
    // No language names a definitions document: one plain message, then the end.
    EXPECT_FALSE(loaded);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(text.startsWith(str(UiString::DefinitionsUnloadable)));
    EXPECT_TRUE(text.contains(
        QString::fromStdString(probe().strings().format(UiString::LanguageUnusable, {"0"}))));
}

TEST_F(MainWindowStartup, MissingDefinitionsOnALanguageSwitchSayTheFileIsMissing) {
    start();
    ASSERT_TRUE(loaded);
    QFile::remove(appFile(QStringLiteral("seem_zh.xml")));
    languageController().chooseLanguage(1);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    const QString text = dialogs.messages[0].text;
    EXPECT_TRUE(text.startsWith(str(UiString::DefinitionsUnloadable)));
    EXPECT_TRUE(text.contains(appFile(QStringLiteral("seem_zh.xml"))));
    EXPECT_TRUE(text.contains(QStringLiteral("does not exist")));
}

TEST_F(MainWindowStartup, BadCatalogIsAGenericStartUpFailureButTheWindowShows) {
    writeAppFile(QStringLiteral("seem_en.xml"),
                 "<seems><a ID=\"x\" tip=\"t\" type=\"style\"/></seems>");
    start();
    EXPECT_TRUE(loaded);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Information);
    EXPECT_TRUE(mainWindow->isVisible());
}

TEST_F(MainWindowStartup, RightClickPopsUpTheFileMenuOnlyWhileNoFileIsOpen) {
    start();
    auto* fileMenu = mainWindow->findChild<QMenu*>(QStringLiteral("mnuFile"));
    QWidget* surface = mainWindow->centralWidget();
    QTest::mouseClick(surface, Qt::RightButton, {}, QPoint(20, 300));
    EXPECT_TRUE(fileMenu->isVisible());
    fileMenu->hide();

    const QString path = writeSeem(QStringLiteral("s.seem"), QByteArray(40, '\0'));
    mainWindow->openFile(path);
    ASSERT_TRUE(probe().session().fileOpen());
    QTest::mouseClick(surface, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_FALSE(fileMenu->isVisible());
}

TEST_F(MainWindowStartup, CommandLineOpensAFileNamedWithAFolder) {
    // The type's alert comes once the window is on screen, so it can be centred on it.
    const QString path = writeSeem(QStringLiteral("0032_0001.seem"), QByteArray(120, '\x01'));
    start(path);
    EXPECT_TRUE(probe().session().fileOpen());
    EXPECT_EQ(probe().fileName(), path);
    EXPECT_TRUE(fileController().recentFiles().isEmpty());
    EXPECT_TRUE(dialogs.messages.empty());
    const TipWindow* tip = mainWindow->findChild<TipWindow*>();
    ASSERT_NE(tip, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([tip] { return tip->isVisible(); }, 2000));
    EXPECT_TRUE(mainWindow->windowHandle()->isExposed());
}

TEST_F(MainWindowStartup, CommandLineWithoutAFolderOrAMissingFileIsIgnored) {
    start(QStringLiteral("0032_0001.seem"));
    EXPECT_FALSE(probe().session().fileOpen());
    start(work.filePath(QStringLiteral("missing.seem")));
    EXPECT_FALSE(probe().session().fileOpen());
    EXPECT_TRUE(dialogs.messages.empty());
}
