// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindowFixture.h"
#include "core/i18n/BuiltinStrings.h"
#include "desktop/style/ReadableColor.h"
#include "gui/compare/ComparisonMarks.h"
#include "gui/compare/DifferenceList.h"
#include "gui/document/ByteGridView.h"
#include "gui/editors/ColorTreeEditor.h"
#include "gui/editors/FunctionTreeEditor.h"
#include "gui/editors/VolumeEditor.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDockWidget>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include <map>

using namespace vantrel;
using vantrel::testing::StartedMainWindowFixture;

namespace {

Rgb rgbOf(QRgb pixel) {
    return Rgb{static_cast<std::uint8_t>(qRed(pixel)), static_cast<std::uint8_t>(qGreen(pixel)),
               static_cast<std::uint8_t>(qBlue(pixel))};
}

// The contrast of the text painted on a mark: the picture's most common
// colour is the ground, its pixel farthest from that the text.
double paintedContrast(const QImage& picture) {
    std::map<QRgb, int> counts;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            ++counts[picture.pixel(x, y) | 0xFF000000u];
    QRgb ground = 0;
    int most = 0;
    for (const auto& [pixel, count] : counts) {
        if (count > most) {
            ground = pixel;
            most = count;
        }
    }
    double best = 1.0;
    for (const auto& [pixel, count] : counts)
        best = std::max(best, contrastRatio(rgbOf(pixel), rgbOf(ground)));
    return best;
}

QPalette darkPalette() {
    QPalette dark;
    for (const auto& [role, color] : {std::pair{QPalette::Window, 0x2b2b2b},
                                      {QPalette::WindowText, 0xe6e6e6},
                                      {QPalette::Base, 0x1e1e1e},
                                      {QPalette::Text, 0xe6e6e6},
                                      {QPalette::Button, 0x353535},
                                      {QPalette::ButtonText, 0xe6e6e6},
                                      {QPalette::Highlight, 0x3d6fb4},
                                      {QPalette::HighlightedText, 0xffffff}})
        dark.setColor(role, QColor::fromRgb(static_cast<QRgb>(color)));
    return dark;
}

class MainWindowCompare : public StartedMainWindowFixture {
  protected:
    void SetUp() override {
        StartedMainWindowFixture::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        original = readAll(QStringLiteral(VANTREL_DATA_DIR "/samples/0032_0001.seem"));
        mine = writeSeem(QStringLiteral("mine.seem"), original);
        QByteArray edited = original;
        edited[0x1A] = static_cast<char>(edited[0x1A] ^ 0x05); // Keys/Sound and Keys/Smart Key
        edited[0x70] = 0x33;                                   // no setting there
        other = writeSeem(QStringLiteral("other.seem"), edited);
        mainWindow->openFile(mine);
    }

    void compareWithOther() {
        dialogs.openFiles = {other};
        action("mnuCompare")->trigger();
    }

    QListWidget* lines() const { return comparisonController().differenceList()->list(); }
    FunctionTreeEditor* tree() const {
        return mainWindow->findChild<FunctionTreeEditor*>(QStringLiteral("tvwFuct"));
    }
    QDockWidget* dock() const {
        return mainWindow->findChild<QDockWidget*>(QStringLiteral("dockCompare"));
    }
    bool marked(const char* key) const {
        return tree()->itemByKey(QString::fromLatin1(key))->background(0).color() ==
               kDifferenceGround;
    }

    QByteArray original;
    QString mine;
    QString other;
};

TEST_F(MainWindowCompare, MarksListsJumpsAndTakesTheOtherValueAsOneUndoStep) {
    compareWithOther();
    ASSERT_EQ(lines()->count(), 3);
    EXPECT_EQ(lines()->item(0)->text(), QStringLiteral("Keys/Sound: on → off"));
    EXPECT_TRUE(lines()->item(2)->text().startsWith(QStringLiteral("byte 0x70 differs")));
    EXPECT_FALSE(dock()->isHidden());
    EXPECT_TRUE(marked("n_1A_0"));
    EXPECT_FALSE(marked("n_1A_1"));
    EXPECT_EQ(tree()->itemByKey(QStringLiteral("n_1A_0"))->toolTip(0),
              QString::fromStdString(probe().strings().format(UiString::DiffTooltip, {"off"})));

    QTest::mouseClick(lines()->viewport(), Qt::LeftButton, {},
                      lines()->visualItemRect(lines()->item(0)).center());
    EXPECT_EQ(tree()->selectedKey(), QStringLiteral("n_1A_0"));
    EXPECT_EQ(probe().gridView()->editIndex(), 0x1A);

    ASSERT_TRUE(action("mnuTakeOther")->isEnabled());
    action("mnuTakeOther")->trigger();
    const auto bytes = probe().session().document().grid().bytes();
    EXPECT_EQ(bytes[0x1A], static_cast<std::uint8_t>(original[0x1A] ^ 0x01)); // only Sound's bit
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size())),
              [&] {
                  QByteArray expected = original;
                  expected[0x1A] = static_cast<char>(expected[0x1A] ^ 0x01);
                  return expected;
              }());
    EXPECT_EQ(lines()->count(), 2);
    EXPECT_FALSE(marked("n_1A_0"));

    action("mnuUndo")->trigger();
    EXPECT_FALSE(probe().session().document().canUndo());
    EXPECT_FALSE(probe().session().document().isModified());
    EXPECT_EQ(lines()->count(), 3);
    EXPECT_TRUE(marked("n_1A_0"));
}

TEST_F(MainWindowCompare, MarkedTextReadsOnLightAndDarkPalettes) {
    const QPalette light = QApplication::palette();
    showActive();
    for (const QPalette& palette : {light, darkPalette()}) {
        QApplication::setPalette(palette);
        compareWithOther();
        QTreeWidgetItem* sound = tree()->itemByKey(QStringLiteral("n_1A_0"));
        ASSERT_NE(sound, nullptr);
        tree()->scrollToItem(sound);
        const QRect item = tree()->visualItemRect(sound);
        const QImage treePicture = tree()->viewport()->grab().toImage();
        const QImage treeMark = treePicture.copy(item.adjusted(item.height(), 0, 0, 0));
        EXPECT_GE(paintedContrast(treeMark), 4.5)
            << palette.color(QPalette::Base).name().toStdString();

        ByteGridView* grid = probe().gridView();
        const QImage gridPicture = grid->viewport()->grab().toImage();
        EXPECT_GE(paintedContrast(gridPicture.copy(grid->cellRect(0x70).adjusted(2, 2, -2, -2))),
                  4.5)
            << palette.color(QPalette::Base).name().toStdString();
        EXPECT_EQ(gridPicture.pixel(grid->cellRect(0x70).topLeft() + QPoint(2, 2)) | 0xFF000000u,
                  differenceGround(grid->palette()).rgb());
        action("mnuCloseCompare")->trigger();
    }
    QApplication::setPalette(light);
}

TEST_F(MainWindowCompare, ALinesContextMenuTakesTheOtherValue) {
    showActive();
    compareWithOther();
    lines()->setFocus();
    QTest::keyClick(lines(), Qt::Key_Home);
    ASSERT_EQ(lines()->currentRow(), 0);
    bool offered = false;
    // The menu runs its own loop; the keys reach it once it shows.
    QTimer::singleShot(0, [&offered] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        offered = menu->actions().contains(
            menu->parentWidget()->window()->findChild<QAction*>(QStringLiteral("mnuTakeOther")));
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    // What the menu key sends.
    QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(1, 1),
                              lines()->mapToGlobal(QPoint(1, 1)));
    QApplication::sendEvent(lines(), &request);
    EXPECT_TRUE(offered);
    EXPECT_EQ(lines()->count(), 2); // Sound's value was taken
    EXPECT_EQ(probe().session().document().grid().bytes()[0x1A],
              static_cast<std::uint8_t>(original[0x1A] ^ 0x01));
}

TEST_F(MainWindowCompare, ClosingTheComparisonOrOpeningAnotherFileRemovesTheMarks) {
    showActive();
    const QSize startSize = mainWindow->size();
    compareWithOther();
    ASSERT_TRUE(marked("n_1A_0"));
    action("mnuCloseCompare")->trigger();
    EXPECT_TRUE(dock()->isHidden());
    EXPECT_EQ(mainWindow->size(), startSize);
    EXPECT_FALSE(marked("n_1A_0"));
    EXPECT_FALSE(action("mnuCloseCompare")->isEnabled());

    compareWithOther();
    ASSERT_TRUE(marked("n_1A_0"));
    mainWindow->openFile(other);
    EXPECT_TRUE(dock()->isHidden());
    EXPECT_EQ(mainWindow->size(), startSize);
    EXPECT_FALSE(marked("n_1A_0"));
    EXPECT_FALSE(action("mnuTakeOther")->isEnabled());

    action("mnuClose")->trigger();
    EXPECT_FALSE(action("mnuCompare")->isEnabled());
}

TEST_F(MainWindowCompare, VolumeAndColourSettingsAreMarkedAndShownWhenChosen) {
    const QByteArray volume = readAll(QStringLiteral(VANTREL_DATA_DIR "/samples/0a1c_0001.seem"));
    QByteArray louder = volume;
    louder[0x0C] = static_cast<char>(louder[0x0C] + 1); // Microphone, the third row
    mainWindow->openFile(writeSeem(QStringLiteral("volume.seem"), volume));
    dialogs.openFiles = {writeSeem(QStringLiteral("louder.seem"), louder)};
    action("mnuCompare")->trigger();
    auto* volumes = mainWindow->findChild<VolumeEditor*>();
    ASSERT_EQ(lines()->count(), 1);
    EXPECT_TRUE(volumes->caption(2)->autoFillBackground());
    EXPECT_FALSE(volumes->caption(0)->autoFillBackground());
    lines()->setCurrentRow(0);
    EXPECT_EQ(probe().gridView()->editIndex(), 0x0C);

    const QByteArray colors = readAll(QStringLiteral(VANTREL_DATA_DIR "/samples/0d51_0001.seem"));
    QByteArray bluer = colors;
    bluer[0x36] = static_cast<char>(0x00);
    mainWindow->openFile(writeSeem(QStringLiteral("colors.seem"), colors));
    EXPECT_FALSE(volumes->caption(2)->autoFillBackground());
    dialogs.openFiles = {writeSeem(QStringLiteral("bluer.seem"), bluer)};
    action("mnuCompare")->trigger();
    auto* tree = mainWindow->findChild<ColorTreeEditor*>();
    ASSERT_EQ(lines()->count(), 1);
    EXPECT_TRUE(lines()->item(0)->text().startsWith(QStringLiteral("Menus/Menu Text: ")));
    QTreeWidgetItem* entry = tree->itemByKey(QStringLiteral("c_34"));
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->background(0).color(), kDifferenceGround);
    lines()->setCurrentRow(0);
    EXPECT_EQ(tree->currentItem(), entry);
    action("mnuTakeOther")->trigger();
    EXPECT_EQ(lines()->count(), 0);
    EXPECT_EQ(probe().session().document().grid().text(0x36), "00");
}

} // namespace
