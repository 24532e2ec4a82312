// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindowFixture.h"
#include "core/document/ByteGrid.h"
#include "core/i18n/BuiltinStrings.h"
#include "gui/NamedChild.h"
#include "gui/document/ByteGridView.h"
#include "gui/editors/ColorEditor.h"
#include "gui/editors/ColorTreeEditor.h"
#include "gui/editors/VolumeEditor.h"
#include "gui/widgets/MainSurface.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QTest>

#include <string>

using namespace vantrel;
using vantrel::testing::MainWindowFixture;
using vantrel::testing::namedChild;

namespace {

class MainWindowVolumeColor : public MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        settings.setValue("ShowTip", "0");
    }

    void startShown() {
        start();
        ASSERT_TRUE(loaded);
        mainWindow->show();
        mainWindow->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(mainWindow.get()));
    }

    VolumeEditor* volume() const { return mainWindow->findChild<VolumeEditor*>("frameVolume"); }
    ColorTreeEditor* colorTree() const {
        return mainWindow->findChild<ColorTreeEditor*>("tvwColor");
    }
    ColorEditor* colorPanel() const { return mainWindow->findChild<ColorEditor*>("frameColor"); }

    void clickEntry(const char* key) {
        QTreeWidgetItem* item = colorTree()->itemByKey(QString::fromLatin1(key));
        ASSERT_NE(item, nullptr) << key;
        colorTree()->scrollToItem(item);
        QTest::mouseClick(colorTree()->viewport(), Qt::LeftButton, {},
                          colorTree()->visualItemRect(item).center());
    }

    void undo() { action("mnuUndo")->trigger(); }
};

// Typing runs on from one cell into the next; each Undo gives back one whole cell.
TEST_F(MainWindowVolumeColor, TypingAcrossCellsUndoesOneWholeCellAtATime) {
    startShown();
    const QString path = sample("0a1c_0001.seem");
    mainWindow->openFile(path);
    ByteGridView* view = probe().gridView();
    const QByteArray original = readAll(path);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->cellRect(0x0C).center());
    ASSERT_EQ(view->editIndex(), 0x0C);
    ASSERT_EQ(view->caret(), 1); // between the two digits
    QTest::keyClicks(view, QStringLiteral("ABCD"));
    const ByteGrid& grid = probe().session().document().grid();
    const auto hex = [](char byte) { return QByteArray(1, byte).toHex().toUpper().toStdString(); };
    EXPECT_EQ(grid.text(0x0C), hex(original.at(0x0C)).substr(0, 1) + "A");
    EXPECT_EQ(grid.text(0x0D), "BC");
    EXPECT_EQ(grid.text(0x0E), "D" + hex(original.at(0x0E)).substr(1));

    QByteArray expected = original;
    expected[0x0C] = static_cast<char>(std::stoi(grid.text(0x0C), nullptr, 16));
    expected[0x0D] = static_cast<char>(0xBC);
    for (const int cell : {0x0E, 0x0D, 0x0C}) {
        undo();
        expected[cell] = original.at(cell);
        action("mnuSave")->trigger();
        EXPECT_EQ(readAll(path), expected) << "after undoing cell " << cell;
    }
    EXPECT_FALSE(probe().session().document().canUndo());
}

TEST_F(MainWindowVolumeColor, VolumeSlidersWriteSaveAndUndoThroughTheWindow) {
    startShown();
    const QString path = sample("0a1c_0001.seem");
    mainWindow->openFile(path);
    ASSERT_EQ(probe().session().document().typeName(), "volume");
    ASSERT_TRUE(volume()->isVisible());
    EXPECT_EQ(volume()->title(), QStringLiteral("Volume Adjustment"));
    EXPECT_EQ(volume()->caption(2)->text(), QStringLiteral("Microphone:"));
    EXPECT_EQ(volume()->slider(1)->value(), 12);

    // Pressing the microphone slider marks and describes its cell before anything moves.
    QSlider* microphone = volume()->slider(2);
    QTest::mousePress(microphone, Qt::LeftButton, {}, QPoint(1, microphone->height() / 2));
    EXPECT_EQ(probe().session().document().grid().currentCell(), 0x0C);
    EXPECT_TRUE(probe().session().document().grid().hasBorder(0x0C));
    EXPECT_TRUE(probe().statusText(2).contains(QStringLiteral("00000100")));
    QTest::mouseRelease(microphone, Qt::LeftButton, {}, QPoint(1, microphone->height() / 2));
    EXPECT_TRUE(microphone->hasFocus());

    QTest::keyClick(microphone, Qt::Key_Right);
    QTest::keyClick(microphone, Qt::Key_Right);
    EXPECT_EQ(probe().session().document().grid().text(0x0C), "06");
    action("mnuSave")->trigger();
    EXPECT_EQ(readAll(path).at(0x0C), 0x06);
    undo();
    EXPECT_EQ(probe().session().document().grid().text(0x0C), "04");
    EXPECT_EQ(microphone->value(), 4);

    namedChild<QPushButton>(volume(), "cmdReset")->click();
    EXPECT_EQ(action("mnuUndo")->text(),
              QString::fromStdString(probe().strings().format(
                  UiString::UndoMenu, {probe().strings().get(UiString::UndoVolumeReset)})));
    for (const int offset : {0x04, 0x08, 0x0C, 0x10, 0x14})
        EXPECT_EQ(probe().session().document().grid().text(offset).size(), 2u) << offset;
    EXPECT_EQ(probe().session().document().grid().text(0x08), "0A");
    undo();
    EXPECT_EQ(probe().session().document().grid().text(0x04), "06");
    EXPECT_EQ(probe().session().document().grid().text(0x08), "0C");
    EXPECT_EQ(volume()->slider(1)->value(), 12);
}

TEST_F(MainWindowVolumeColor, AKeyboardMovedSliderShowsItsNumberAndItsCell) {
    startShown();
    mainWindow->openFile(sample("0a1c_0001.seem"));
    QSlider* earpiece = volume()->slider(4);
    auto numberOf = [this](QSlider* slider) {
        // The number stands in the slider's row, to its right.
        for (QLabel* label : volume()->findChildren<QLabel*>(QStringLiteral("lblVolumeValue"))) {
            if (label->isVisible() && qAbs(label->geometry().center().y() -
                                           slider->geometry().center().y()) < slider->height())
                return label->text();
        }
        return QString();
    };
    EXPECT_EQ(numberOf(earpiece), QString::number(earpiece->value()));
    earpiece->setFocus(Qt::TabFocusReason);
    QTest::keyClick(earpiece, Qt::Key_Left);
    QCoreApplication::processEvents();
    EXPECT_EQ(numberOf(earpiece), QString::number(earpiece->value()));
    EXPECT_EQ(probe().gridView()->editIndex(), 0x14); // the earpiece's byte
    EXPECT_TRUE(earpiece->hasFocus());
}

TEST_F(MainWindowVolumeColor, SixthVolumeItemIsReportedAndFiveRowsShow) {
    QByteArray definitions = readAll(appFile(QStringLiteral("seem_en.xml")));
    const QByteArray earpiece = "<gain ID=\"Earpiece:\"";
    const int at = definitions.indexOf(earpiece);
    ASSERT_GE(at, 0);
    definitions.insert(at, "<gain ID=\"Extra:\" offset=\"01\" default=\"1\" min=\"0\" max=\"8\"/>");
    writeAppFile(QStringLiteral("seem_en.xml"), definitions);
    startShown();
    mainWindow->openFile(sample("0a1c_0001.seem"));
    EXPECT_TRUE(saidCritical(UiString::EditorIncomplete));
    EXPECT_TRUE(volume()->isVisible());
    EXPECT_EQ(volume()->caption(4)->text(), QStringLiteral("Extra:"));
}

TEST_F(MainWindowVolumeColor, ColourEntriesAreShownWithoutWritingAndEditedInOneStep) {
    startShown();
    const QString path = sample("0d51_0001.seem");
    mainWindow->openFile(path);
    ASSERT_EQ(probe().session().document().typeName(), "color");
    EXPECT_TRUE(colorTree()->isVisible());
    EXPECT_TRUE(colorPanel()->isVisible());
    EXPECT_FALSE(colorPanel()->isEnabled());
    EXPECT_FALSE(probe().gridView()->cellsEnabled());
    EXPECT_EQ(namedChild<QLineEdit>(colorPanel(), "txtColorName")->text(), QStringLiteral("Ocean"));

    clickEntry("c_38"); // 3C B4 DC 80
    ASSERT_TRUE(colorPanel()->isEnabled());
    EXPECT_EQ(namedChild<QLineEdit>(colorPanel(), "txtHex")->text(), QStringLiteral("#3CB4DC"));
    EXPECT_EQ(namedChild<QLineEdit>(colorPanel(), "txtT")->text(), QStringLiteral("50"));
    EXPECT_TRUE(probe().session().document().grid().hasBorder(0x3B));
    clickEntry("f_1");
    EXPECT_FALSE(colorPanel()->isEnabled());
    clickEntry("c_40"); // 7F C8 E6 40
    EXPECT_FALSE(probe().session().document().grid().hasBorder(0x38));
    EXPECT_TRUE(probe().session().document().grid().hasBorder(0x43));
    EXPECT_EQ(namedChild<QLineEdit>(colorPanel(), "txtT")->text(), QStringLiteral("25"));
    EXPECT_FALSE(probe().session().document().isModified());

    namedChild<QSlider>(colorPanel(), "sldB")->setFocus();
    QTest::keyClick(namedChild<QSlider>(colorPanel(), "sldB"), Qt::Key_End);
    EXPECT_EQ(probe().session().document().grid().text(0x42), "FF");
    EXPECT_EQ(namedChild<QLineEdit>(colorPanel(), "txtHex")->text(), QStringLiteral("#7FC8FF"));
    undo();
    EXPECT_EQ(probe().session().document().grid().text(0x42), "E6");
    EXPECT_EQ(namedChild<QLineEdit>(colorPanel(), "txtB")->text(), QStringLiteral("230"));

    namedChild<QLineEdit>(colorPanel(), "txtColorName")->setText(QStringLiteral("AB"));
    namedChild<QAbstractButton>(colorPanel(), "cmdChangeName")->click();
    action("mnuSave")->trigger();
    EXPECT_EQ(readAll(path).mid(8, 10), QByteArray("\0A\0B\0\0\0\0\0\0", 10));
}

// The boxes' own undo would take Ctrl+Z from the document without a word.
TEST_F(MainWindowVolumeColor, UndoAndRedoKeysInTheColourBoxesWalkTheDocumentsHistory) {
    startShown();
    mainWindow->openFile(sample("0d51_0001.seem"));
    clickEntry("c_38"); // 3C B4 DC 80
    auto* hex = namedChild<QLineEdit>(colorPanel(), "txtHex");
    hex->setFocus();
    hex->selectAll();
    QTest::keyClicks(hex, QStringLiteral("#123456"));
    QTest::keyClick(hex, Qt::Key_Return);
    const ByteGrid& grid = probe().session().document().grid();
    ASSERT_EQ(grid.text(0x38), "12");

    QTest::keyClick(hex, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(grid.text(0x38), "3C");
    EXPECT_EQ(hex->text(), QStringLiteral("#3CB4DC"));
    QTest::keyClick(hex, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(grid.text(0x38), "12");
    QTest::keyClick(hex, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(hex, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(grid.text(0x38), "12");

    auto* title = namedChild<QLineEdit>(colorPanel(), "txtColorName");
    title->setFocus();
    title->end(false);
    QTest::keyClick(title, Qt::Key_X);
    QTest::keyClick(title, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(grid.text(0x38), "3C");
    EXPECT_FALSE(probe().session().document().canUndo());
    QTest::keyClick(title, Qt::Key_Z, Qt::ControlModifier); // nothing left to undo
    EXPECT_EQ(title->text(), QStringLiteral("Oceanx"));
}

TEST_F(MainWindowVolumeColor, OnlyTheColourEditorLocksTheCellsAndAShorterFileIsSafe) {
    startShown();
    mainWindow->openFile(sample("0d51_0001.seem"));
    clickEntry("c_78");
    mainWindow->openFile(sample("0a1c_0001.seem"));
    EXPECT_TRUE(probe().gridView()->cellsEnabled());
    EXPECT_FALSE(colorPanel()->isVisible());
    // The colour entry's cells are gone; marking a new cell must not trip over them.
    QSlider* first = volume()->slider(0);
    QTest::mouseClick(first, Qt::LeftButton, {}, QPoint(1, first->height() / 2));
    EXPECT_TRUE(probe().session().document().grid().hasBorder(0x04));

    mainWindow->openFile(sample("0d51_0001.seem"));
    EXPECT_FALSE(probe().gridView()->cellsEnabled());
    clickEntry("c_14");
    EXPECT_TRUE(probe().session().document().grid().hasBorder(0x14));
    EXPECT_FALSE(probe().session().document().grid().hasBorder(0x04));
}

// A 1280 by 800 screen at scale 2 holds a window of 640 by 400: the grid keeps
// its sixteen columns in view without the window scrolling sideways, and the
// volume rows stack their captions and scroll, every slider and number whole.
TEST_F(MainWindowVolumeColor, AWindowOfHalfA1280By800ScreenShowsTheWholeGridAndTheVolumeRows) {
    startShown();
    mainWindow->openFile(sample("0a1c_0001.seem"));
    mainWindow->resize(640, 400);
    QTest::qWait(0);
    const auto* surface = mainWindow->findChild<MainSurface*>();
    EXPECT_FALSE(surface->horizontalScrollBar()->isVisible());
    const ByteGridView* grid = probe().gridView();
    for (const int index : {0, 15}) {
        const QRect cell = grid->cellRect(index).translated(
            grid->viewport()->mapTo(surface->viewport(), QPoint(0, 0)));
        EXPECT_TRUE(surface->viewport()->rect().contains(cell)) << index;
    }
    auto* rows = volume()->findChild<QScrollArea*>();
    ASSERT_NE(rows, nullptr);
    const int pxLeastSlider = volume()->fontMetrics().averageCharWidth() * 6;
    for (int row = 0; row < VolumeEditor::kRows; ++row) {
        QSlider* slider = volume()->slider(row);
        if (!slider->isVisibleTo(volume()))
            continue;
        EXPECT_GE(slider->width(), pxLeastSlider) << row;
        EXPECT_GT(slider->y(), volume()->caption(row)->y()) << row; // the caption above
        rows->ensureWidgetVisible(slider);
        EXPECT_TRUE(rows->viewport()->rect().contains(
            QRect(slider->mapTo(rows->viewport(), QPoint(0, 0)), slider->size())))
            << row;
    }
    for (const QLabel* number : volume()->findChildren<QLabel*>(QStringLiteral("lblVolumeValue"))) {
        if (number->isVisibleTo(volume())) {
            EXPECT_LE(number->mapTo(rows->viewport(), QPoint(number->width(), 0)).x(),
                      rows->viewport()->width());
        }
    }
}

// A large system font: the panel grows to fit its rows and the grid moves down
// under it; no slider is squeezed and no caption cut.
TEST_F(MainWindowVolumeColor, ALargeFontKeepsTheColourControlsWhole) {
    struct FontRestorer {
        QFont original = QApplication::font();
        ~FontRestorer() { QApplication::setFont(original); }
    } restorer;
    QFont large = restorer.original;
    large.setPointSize(16);
    QApplication::setFont(large);
    startShown();
    mainWindow->openFile(sample("0d51_0001.seem"));
    clickEntry("c_38");
    const int pxLeastSlider = QFontMetrics(large).averageCharWidth() * 6;
    for (const QSlider* slider : colorPanel()->findChildren<QSlider*>())
        EXPECT_GE(slider->width(), pxLeastSlider) << slider->objectName().toStdString();
    for (const QAbstractButton* button : colorPanel()->findChildren<QAbstractButton*>())
        EXPECT_GE(button->width(), button->sizeHint().width())
            << button->objectName().toStdString();
    for (const QWidget* control : colorPanel()->findChildren<QLineEdit*>()) {
        const QRect inPanel(control->mapTo(colorPanel(), QPoint(0, 0)), control->size());
        EXPECT_LE(inPanel.bottom(), colorPanel()->contentsRect().bottom())
            << control->objectName().toStdString();
    }
    EXPECT_GT(probe().gridView()->y(), colorPanel()->geometry().bottom());
}

} // namespace
