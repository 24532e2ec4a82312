// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindowFixture.h"
#include "core/i18n/BuiltinStrings.h"
#include "gui/compare/DifferenceList.h"
#include "gui/coverage/ByteInfoDock.h"
#include "gui/dialogs/GoToOffsetDialog.h"
#include "gui/document/ByteGridView.h"
#include "gui/editors/FunctionTreeEditor.h"
#include "gui/widgets/MainSurface.h"
#include "gui/widgets/ScreenFit.h"
#include "gui/widgets/Twips.h"

#include <QApplication>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

using namespace vantrel;
using vantrel::testing::StartedMainWindowFixture;

namespace {

class MainWindowDesktop : public StartedMainWindowFixture {
  protected:
    QWidget* child(const char* name) const {
        return mainWindow->findChild<QWidget*>(QString::fromLatin1(name));
    }

    // Gives the client canvas exactly size. The test screen is too small for
    // a window that large, so the canvas is made to need it and scrolls.
    void resizeCanvas(const QSize& size) {
        QWidget* canvas = mainWindow->findChild<MainSurface*>()->canvas();
        canvas->setMinimumSize(size);
        canvas->resize(size);
        ASSERT_EQ(canvas->size(), size);
    }

    void drop(const QStringList& paths) {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& path : paths)
            urls << QUrl::fromLocalFile(path);
        data.setUrls(urls);
        // Straight to the window: outside a real drag, the application would
        // not hand a drop to anyone.
        QObject* window = mainWindow.get();
        QDragEnterEvent enter(QPoint(200, 200), Qt::CopyAction, &data, Qt::LeftButton, {});
        window->event(&enter);
        ASSERT_TRUE(enter.isAccepted());
        QDropEvent event(QPointF(200, 200), Qt::CopyAction, &data, Qt::LeftButton, {});
        window->event(&event);
        QTest::qWait(20); // the window opens the files once the drop is over
    }
};

TEST_F(MainWindowDesktop, TheDesignedSizeKeepsTheDesignedPlacesAndALargerWindowGrows) {
    mainWindow->openFile(sample("0032_0001.seem"));
    resizeCanvas(MainSurface::designedSize());
    EXPECT_EQ(child("tvwFuct")->geometry(), twipRect(105, 315, 4600, 6300));
    EXPECT_EQ(child("frameSet")->geometry(), twipRect(4815, 255, 7155, 1300));
    EXPECT_EQ(child("picEdit")->geometry(), twipRect(4815, 1650, 7155, 4950));

    resizeCanvas(MainSurface::designedSize() * 3 / 2);
    EXPECT_GT(child("tvwFuct")->width(), twipRect(105, 315, 4600, 6300).width());
    EXPECT_GT(child("picEdit")->height(), twipRect(4815, 1650, 7155, 4950).height());
    EXPECT_GT(child("frameSet")->width(), twipRect(4815, 255, 7155, 1300).width());
    // Sixteen cells a row, all of them in view.
    auto* grid = probe().gridView();
    EXPECT_TRUE(grid->viewport()->rect().contains(grid->cellRect(15)));
    EXPECT_EQ(grid->cellRect(16).left(), grid->cellRect(0).left());
}

TEST_F(MainWindowDesktop, TheBarAndTheComparisonTakeTheirRoomFromTheScreenNotTheEditors) {
    const QString mine = sample("0032_0001.seem");
    QByteArray theirs = readAll(mine);
    theirs[0x1A] = static_cast<char>(theirs[0x1A] ^ 0x01);
    const QString other = writeSeem(QStringLiteral("other.seem"), theirs);
    mainWindow->openFile(mine);
    auto* surface = mainWindow->findChild<MainSurface*>();
    // The test screen is a little narrower than the designed client area.
    mainWindow->resize(mainWindow->size() + MainSurface::designedSize() - surface->size());
    ASSERT_TRUE(
        QTest::qWaitFor([surface] { return surface->size() == MainSurface::designedSize(); }));
    const auto scrolls = [surface] {
        return surface->horizontalScrollBar()->isVisible() ||
               surface->verticalScrollBar()->isVisible();
    };
    QTest::qWait(50);
    ASSERT_FALSE(scrolls());

    dialogs.openFiles = {other};
    action("mnuCompare")->trigger();
    comparisonController().differenceList()->setCurrentDifference(0);
    action("mnuTakeOther")->trigger(); // none left: the list says so in a line of its own
    QTest::qWait(50);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !scrolls(); }, 1000));

    writeSeem(QStringLiteral("0032_0001.seem"), theirs); // another program, over an edit
    QEvent activated(QEvent::WindowActivate);
    QCoreApplication::sendEvent(mainWindow.get(), &activated);
    ASSERT_TRUE(QTest::qWaitFor(
        [this] {
            const auto* bar = mainWindow->findChild<QToolBar*>("changeBar");
            return bar != nullptr && !bar->isHidden();
        },
        5000));
    QTest::qWait(50);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !scrolls(); }, 1000));
}

TEST_F(MainWindowDesktop, TheFirstWindowFitsA1280By800ScreenAtScaleTwo) {
    const QRect available(0, 0, 1280 / 2, 800 / 2 - 24); // less a panel
    QTest::qWait(0); // the window has settled on the test screen
    fitWindowToScreen(mainWindow.get(), mainWindow->size(), available);
    QTest::qWait(0);
    EXPECT_TRUE(available.contains(mainWindow->frameGeometry()));
    const QStatusBar* status = mainWindow->statusBar();
    EXPECT_TRUE(status->isVisible());
    EXPECT_LE(status->geometry().bottom(), mainWindow->height() - 1);
}

// What Is This Byte? gives way to the grid: beside it where the screen has
// room, below it where it has not; all sixteen columns and the status line
// stay whole.
TEST_F(MainWindowDesktop, TheByteDockLeavesTheGridItsSixteenColumns) {
    mainWindow->openFile(sample("0032_0001.seem"));
    showActive();
    action("mnuWhatIsThisByte")->trigger();
    auto* dock = mainWindow->findChild<ByteInfoDock*>();
    ASSERT_NE(dock, nullptr);
    const auto* surface = mainWindow->findChild<MainSurface*>();
    const ByteGridView* grid = probe().gridView();
    for (const auto& [available, area] :
         {std::pair{QRect(0, 0, 1024, 600), Qt::RightDockWidgetArea},
          std::pair{QRect(0, 0, 800, 600), Qt::BottomDockWidgetArea}}) {
        dock->placeInWindow(available);
        QTest::qWait(0);
        EXPECT_EQ(mainWindow->dockWidgetArea(dock), area);
        EXPECT_TRUE(available.contains(mainWindow->frameGeometry()));
        for (const int index : {0, 15}) {
            const QRect cell = grid->cellRect(index).translated(
                grid->viewport()->mapTo(surface->viewport(), QPoint(0, 0)));
            EXPECT_TRUE(surface->viewport()->rect().contains(cell)) << available.width();
        }
        for (const QLabel* panel : mainWindow->statusBar()->findChildren<QLabel*>()) {
            if (panel->isVisible()) {
                EXPECT_GE(panel->width(), panel->sizeHint().width()) << available.width();
            }
        }
    }
}

TEST_F(MainWindowDesktop, GoToOffsetFocusesTheCell) {
    mainWindow->openFile(sample("0032_0001.seem"));
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<GoToOffsetDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->offsetEdit()->setText(QStringLiteral("0x1A"));
        dialog->accept();
    });
    action("mnuGoTo")->trigger();
    EXPECT_EQ(probe().gridView()->editIndex(), 26);
    EXPECT_EQ(probe().session().document().grid().currentCell(), 26);
    EXPECT_TRUE(probe().statusText(2).contains(QStringLiteral("A5")));
    EXPECT_EQ(action("mnuGoTo")->text(), str(UiString::GoToOffsetMenu));
}

TEST_F(MainWindowDesktop, SpaceOnASwitchTogglesOneBitAndCtrlZUndoesIt) {
    mainWindow->openFile(sample("0032_0001.seem"));
    showActive();
    auto* tree = mainWindow->findChild<FunctionTreeEditor*>(QStringLiteral("tvwFuct"));
    QTreeWidgetItem* sound = tree->itemByKey(QStringLiteral("n_1A_0"));
    ASSERT_NE(sound, nullptr);
    tree->scrollToItem(sound);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(sound).center());
    ASSERT_EQ(probe().session().document().grid().text(26), "A5");

    QTest::keyClick(tree, Qt::Key_Space);
    EXPECT_EQ(probe().session().document().grid().text(26), "A4");
    EXPECT_TRUE(probe().session().document().canUndo());
    QTest::keyClick(tree, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(probe().session().document().grid().text(26), "A5");
    EXPECT_FALSE(probe().session().document().isModified());
}

TEST_F(MainWindowDesktop, QtsOwnTextsSwitchWithTheLanguage) {
    const auto cancel = [] { return QCoreApplication::translate("QPlatformTheme", "Cancel"); };
    EXPECT_EQ(cancel(), "Cancel");          // started in English
    languageController().chooseLanguage(1); // Chinese
    EXPECT_EQ(cancel(), QString::fromUtf8("取消"));
    EXPECT_EQ(QCoreApplication::translate("QAbstractFileIconProvider", "Folder"),
              str(UiString::FolderType));
    languageController().chooseLanguage(0);
    EXPECT_EQ(cancel(), "Cancel");
}

TEST_F(MainWindowDesktop, SwitchingLanguagesKeepsTheDesignedClientHeight) {
    showActive();
    const auto* surface = mainWindow->findChild<QScrollArea*>(QStringLiteral("surface"));
    for (const int language : {1, 0}) { // Chinese, then back to English
        languageController().chooseLanguage(language);
        QTest::qWait(50); // the bars settle
        // The test screen is narrower than the window: only its height is whole.
        EXPECT_GE(surface->maximumViewportSize().height(), MainSurface::designedSize().height())
            << language;
    }
}

TEST_F(MainWindowDesktop, ADroppedFileOpensAndSeveralOpenTheFirst) {
    const QString function = sample("0032_0001.seem");
    drop({function});
    EXPECT_TRUE(probe().session().fileOpen());
    EXPECT_EQ(probe().fileName(), function);
    EXPECT_TRUE(mainWindow->windowTitle().contains(function));
    EXPECT_EQ(probe().statusText(2), QString()) << "one file is no several";

    const QString style = sample("004a_0001.seem");
    drop({style, function});
    EXPECT_EQ(probe().fileName(), style);
    EXPECT_EQ(probe().statusText(2).toStdString(),
              probe().strings().format(UiString::DroppedSeveral, {"2", style.toStdString()}));
}

TEST_F(MainWindowDesktop, ADropOverUnsavedChangesAsksFirst) {
    const QString function = sample("0032_0001.seem");
    mainWindow->openFile(function);
    typeInto(0, "FF");
    ASSERT_TRUE(probe().session().document().isModified());
    drop({sample("004a_0001.seem")}); // the question is cancelled
    EXPECT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(probe().fileName(), function);
    EXPECT_EQ(probe().session().document().grid().text(0), "FF");
}

} // namespace
