// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindowFixture.h"
#include "gui/ModalAnswer.h"
#include "gui/NamedChild.h"
#include "gui/generators/GprsTextDialog.h"
#include "gui/generators/OuterTextDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace vantrel;
using vantrel::testing::ModalAnswer;
using vantrel::testing::namedChild;
using vantrel::testing::StartedMainWindowFixture;

namespace {

class MainWindowGenerators : public StartedMainWindowFixture {
  protected:
    // Writes the outer-text file the window makes of typed, through Tools.
    QString generateOuterText(const QString& typed) {
        const QString path = work.filePath(QStringLiteral("outer.seem"));
        dialogs.saveFiles = {path};
        ModalAnswer<OuterTextDialog> answer([&](OuterTextDialog& window) {
            namedChild<QLineEdit>(&window, "Text1")->setText(typed);
            namedChild<QPushButton>(&window, "cmdSave")->click();
        });
        action("mnuSetOuterText")->trigger();
        return path;
    }

    QString generateGprs(GprsDisplayMode mode, const QString& text = QString()) {
        const QString path = work.filePath(QStringLiteral("gprs.seem"));
        dialogs.saveFiles = {path};
        ModalAnswer<GprsTextDialog> answer([&](GprsTextDialog& window) {
            window.modeButton(mode)->click();
            namedChild<QLineEdit>(&window, "Text1")->setText(text);
            namedChild<QPushButton>(&window, "Command1")->click();
        });
        action("mnuSetGPRS")->trigger();
        return path;
    }

    // Opens path and reports the setting the GPRS window shows for it.
    GprsSetting openedGprsSetting(const QString& path, bool* textShown = nullptr) {
        GprsSetting shown;
        ModalAnswer<GprsTextDialog> answer([&](GprsTextDialog& window) {
            shown = {window.mode(),
                     namedChild<QLineEdit>(&window, "Text1")->text().toStdU16String()};
            if (textShown)
                *textShown = !namedChild<QLineEdit>(&window, "Text1")->isHidden() &&
                             !namedChild<QLabel>(&window, "Label1")->isHidden();
        });
        mainWindow->openFile(path);
        return shown;
    }
};

} // namespace

TEST_F(MainWindowGenerators, ToolsOpensTheWindowModallyAndCancelLeavesTheMainCaption) {
    const QString path = writeSeem(QStringLiteral("fn.seem"), QByteArray(120, '\0'));
    mainWindow->openFile(path);
    ASSERT_TRUE(probe().session().fileOpen());
    {
        ModalAnswer<OuterTextDialog> answer([&](OuterTextDialog& window) {
            EXPECT_EQ(window.parentWidget(), mainWindow.get());
            EXPECT_TRUE(namedChild<QLineEdit>(&window, "Text1")->text().isEmpty());
            namedChild<QPushButton>(&window, "cmdCancel")->click();
        });
        action("mnuSetOuterText")->trigger();
    }
    EXPECT_EQ(mainWindow->windowTitle(), probe().programName());
    EXPECT_EQ(probe().fileName(), path);
    EXPECT_TRUE(probe().session().fileOpen());
}

TEST_F(MainWindowGenerators, AWrittenOuterTextFileOpensIntoTheWindowWithItsText) {
    const QString path = generateOuterText(QStringLiteral("  摩托罗拉 V3i!  "));
    EXPECT_EQ(readAll(path).size(), 34);
    EXPECT_EQ(mainWindow->windowTitle(), probe().programName());

    QString shown;
    {
        ModalAnswer<OuterTextDialog> answer([&](OuterTextDialog& window) {
            shown = namedChild<QLineEdit>(&window, "Text1")->text();
            namedChild<QPushButton>(&window, "cmdCancel")->click();
        });
        mainWindow->openFile(path);
    }
    EXPECT_EQ(shown, QStringLiteral("摩托罗拉 V3i"));
    EXPECT_FALSE(probe().session().fileOpen());
    EXPECT_EQ(probe().session().document().typeName(), "outertext");
    EXPECT_EQ(mainWindow->windowTitle(), probe().programName());
}

TEST_F(MainWindowGenerators, AWrittenGprsFileOpensIntoTheWindowWithItsMode) {
    bool textShown = true;
    const QString date = generateGprs(GprsDisplayMode::AlwaysDate);
    EXPECT_EQ(openedGprsSetting(date, &textShown), (GprsSetting{GprsDisplayMode::AlwaysDate, u""}));
    EXPECT_FALSE(textShown);
    EXPECT_FALSE(probe().session().fileOpen());

    const QString custom = generateGprs(GprsDisplayMode::CustomText, QStringLiteral(" 你好 GPRS "));
    EXPECT_EQ(openedGprsSetting(custom, &textShown),
              (GprsSetting{GprsDisplayMode::CustomText, u" 你好 GPRS "}));
    EXPECT_TRUE(textShown);

    const QString nothing = generateGprs(GprsDisplayMode::ShowNothing);
    EXPECT_EQ(openedGprsSetting(nothing), (GprsSetting{GprsDisplayMode::CustomText, u" "}));
    EXPECT_EQ(readAll(nothing), QByteArray("\x00\x20", 2) + QByteArray(24, '\0'));
}
