// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/editors/VolumeEditor.h"

#include "core/i18n/BuiltinStrings.h"
#include "gui/NamedChild.h"
#include "gui/TestSession.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

namespace vantrel {
namespace {

using testing::namedChild;

const char* const kVolumeType = R"(<seem ID="vol" size="32" type="volume" tip="Volume Adjustment">
    <gain ID="Microphone:" tip="Recording level" offset="1A" default="5" min="0" max="15"/>
    <gain ID="System:" tip="Alerts" offset="04" default="5" min="0" max="8"/>
    <gain ID="Music:" tip="Playback" offset="08" default="10" min="0" max="15"/>
    <gain ID="Keys:" tip="Key tones" offset="0C" default="3" min="0" max="8"/>
    <gain ID="Earpiece:" tip="Calls" offset="10" default="8" min="0" max="15"/>
</seem>)";

class VolumeEditorTest : public ::testing::Test {
  protected:
    void SetUp() override {
        bytes[0x1A] = 0x0C;
        bytes[0x04] = 0x05;
        bytes[0x08] = 0x07;
        bytes[0x0C] = 0x03;
        bytes[0x10] = 0x08;
        editor = std::make_unique<VolumeEditor>(test.session);
        editor->resize(400, 400);
        editor->show();
    }

    // Opens the file with a type of these definitions; true when every item
    // found a row.
    bool load(const char* type) {
        const std::string definitions = std::string("<seems>") + type + "</seems>";
        return !test.open(definitions, bytes).message;
    }

    QPoint handleCentre(QSlider* slider) const {
        QStyleOptionSlider option;
        option.initFrom(slider);
        option.orientation = slider->orientation();
        option.minimum = slider->minimum();
        option.maximum = slider->maximum();
        option.sliderPosition = slider->sliderPosition();
        option.sliderValue = slider->value();
        return slider->style()
            ->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider)
            .center();
    }

    const ByteGrid& grid() { return test.grid(); }
    const SeemDocument& document() const { return test.session.document(); }

    std::vector<std::uint8_t> bytes = std::vector<std::uint8_t>(0x20);
    testing::TestSession test;
    std::unique_ptr<VolumeEditor> editor;
};

TEST_F(VolumeEditorTest, RowsFollowDocumentOrderAndSpareRowsAreHidden) {
    ASSERT_TRUE(load(R"(<seem ID="vol" size="32" type="volume" tip="Gains">
        <gain ID="Microphone:" tip="Recording level" offset="1A" default="5" min="0" max="15"/>
        <gain ID="System:" tip="Alerts" offset="04" default="5" min="0" max="8"/>
    </seem>)"));
    EXPECT_EQ(editor->title(), QStringLiteral("Gains"));
    EXPECT_EQ(editor->caption(0)->text(), QStringLiteral("Microphone:"));
    EXPECT_EQ(editor->infoLabel(0)->text(), QStringLiteral("Recording level"));
    EXPECT_EQ(editor->slider(0)->maximum(), 15);
    EXPECT_EQ(editor->slider(0)->value(), 12);
    EXPECT_EQ(editor->slider(0)->property("tag").toString(), QStringLiteral("26_5"));
    EXPECT_EQ(editor->slider(1)->value(), 5);
    for (int row = 2; row < VolumeEditor::kRows; ++row) {
        EXPECT_TRUE(editor->slider(row)->isHidden()) << row;
        EXPECT_TRUE(editor->caption(row)->isHidden()) << row;
    }
    EXPECT_FALSE(document().isModified());
    EXPECT_FALSE(document().canUndo());

    // Reset skips the rows no item fills.
    namedChild<QPushButton>(editor.get(), "cmdReset")->click();
    EXPECT_EQ(grid().text(0x1A), "05");
    EXPECT_EQ(grid().text(0x08), "07");
}

TEST_F(VolumeEditorTest, DragWritesEveryPositionAndUndoesInOneStep) {
    ASSERT_TRUE(load(kVolumeType));
    QSlider* slider = editor->slider(0);
    QSignalSpy focusRequests(editor.get(), &VolumeEditor::cellFocusRequested);
    const QPoint start = handleCentre(slider);
    QTest::mousePress(slider, Qt::LeftButton, {}, start);
    ASSERT_EQ(focusRequests.count(), 1);
    EXPECT_EQ(focusRequests.at(0).at(0).toInt(), 0x1A);
    EXPECT_FALSE(document().isModified());

    std::vector<std::string> seen;
    ListenerConnection listener = test.session.addListener([&](const SessionChange& change) {
        if (std::find(change.cells.begin(), change.cells.end(), 0x1A) != change.cells.end())
            seen.push_back(grid().text(0x1A));
    });
    const int step = slider->width() / 16;
    QTest::mouseMove(slider, start + QPoint(step, 0));
    QTest::mouseMove(slider, start + QPoint(3 * step, 0));
    QTest::mouseRelease(slider, Qt::LeftButton, {}, start + QPoint(3 * step, 0));
    listener.disconnect();
    ASSERT_GE(seen.size(), 2u);
    EXPECT_EQ(seen.back(), grid().text(0x1A));
    EXPECT_GT(slider->value(), 12);

    test.session.undo();
    EXPECT_EQ(grid().text(0x1A), "0C");
    EXPECT_EQ(slider->value(), 12);
    EXPECT_FALSE(document().canUndo());
}

TEST_F(VolumeEditorTest, AByteAboveTheRangeIsShownUntilTheSliderMoves) {
    bytes[0x1A] = 0xFF;
    ASSERT_TRUE(load(kVolumeType));
    QSlider* slider = editor->slider(0);
    QLabel* info = editor->infoLabel(0);
    const QColor normal = editor->infoLabel(1)->palette().color(QPalette::WindowText);
    EXPECT_EQ(slider->value(), 15);
    EXPECT_TRUE(info->text().startsWith(QStringLiteral("Recording level\n")));
    EXPECT_TRUE(info->text().contains(QStringLiteral("255"))) << info->text().toStdString();
    EXPECT_TRUE(info->text().contains(QStringLiteral("outside the range")));
    EXPECT_NE(info->palette().color(QPalette::WindowText), normal);

    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_Down);
    EXPECT_EQ(grid().text(0x1A), "0E");
    EXPECT_EQ(info->text(), QStringLiteral("Recording level"));
    EXPECT_EQ(info->palette().color(QPalette::WindowText), normal);

    // Undo brings the stored byte, and its note, back.
    test.session.undo();
    EXPECT_TRUE(info->text().contains(QStringLiteral("255")));
}

TEST_F(VolumeEditorTest, KeyRunIsOneStepAndTheCellIsSavedAsWritten) {
    ASSERT_TRUE(load(kVolumeType));
    QSlider* slider = editor->slider(0);
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_Right);
    EXPECT_EQ(grid().text(0x1A), "0D");
    QTest::keyClick(slider, Qt::Key_Home);
    EXPECT_EQ(grid().text(0x1A), "00");
    for (int i = 0; i < 9; ++i)
        QTest::keyClick(slider, Qt::Key_Right);
    EXPECT_EQ(grid().text(0x1A), "09");
    EXPECT_EQ(document().undoLabel(), UiString::UndoVolume);
    test.session.undo();
    EXPECT_EQ(grid().text(0x1A), "0C");
    EXPECT_EQ(slider->value(), 12);

    QTest::keyClick(slider, Qt::Key_Right);
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("saved.seem")).toStdString();
    ASSERT_EQ(test.session.saveAs(path).status, SaveResult::Status::Saved);
    std::ifstream in(path, std::ios::binary);
    const std::vector<char> saved{std::istreambuf_iterator<char>(in), {}};
    ASSERT_EQ(saved.size(), 0x20u);
    EXPECT_EQ(saved[0x1A], 0x0D);
}

// The keys of one visit to a slider are one step; leaving it ends the step,
// however the keys go on afterwards.
TEST_F(VolumeEditorTest, KeysAfterTheSliderLostTheFocusAreAStepOfTheirOwn) {
    ASSERT_TRUE(load(kVolumeType));
    editor->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor.get()));
    QSlider* slider = editor->slider(0);
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_Right);
    QTest::keyClick(slider, Qt::Key_Right);
    namedChild<QPushButton>(editor.get(), "cmdReset")->setFocus();
    ASSERT_FALSE(slider->hasFocus());
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_Right);
    EXPECT_EQ(grid().text(0x1A), "0F");
    test.session.undo();
    EXPECT_EQ(grid().text(0x1A), "0E");
    test.session.undo();
    EXPECT_EQ(grid().text(0x1A), "0C");
}

TEST_F(VolumeEditorTest, ResetWritesAllFiveCellsAsOneStep) {
    ASSERT_TRUE(load(kVolumeType));
    test.type(0x04, "01");
    test.type(0x08, "02");
    EXPECT_EQ(editor->slider(1)->value(), 1); // sliders follow typing too

    namedChild<QPushButton>(editor.get(), "cmdReset")->click();
    const std::vector<std::string> expected = {"05", "05", "0A", "03", "08"};
    const int offsets[] = {0x1A, 0x04, 0x08, 0x0C, 0x10};
    for (int row = 0; row < VolumeEditor::kRows; ++row) {
        EXPECT_EQ(grid().text(offsets[row]), expected[static_cast<std::size_t>(row)]) << row;
        EXPECT_EQ(editor->slider(row)->value(), std::stoi(expected[row], nullptr, 16)) << row;
    }
    EXPECT_EQ(document().undoLabel(), UiString::UndoVolumeReset);
    test.session.undo();
    EXPECT_EQ(grid().text(0x1A), "0C");
    EXPECT_EQ(grid().text(0x04), "01");
    EXPECT_EQ(grid().text(0x08), "02");
    EXPECT_EQ(editor->slider(0)->value(), 12);
    EXPECT_EQ(editor->slider(2)->value(), 2);
}

TEST_F(VolumeEditorTest, SixItemsFillFiveRowsAndReport) {
    std::string xml = R"(<seem ID="vol" size="32" type="volume">)";
    for (int i = 0; i < 6; ++i)
        xml += "<g ID=\"Row " + std::to_string(i) + "\" offset=\"" + std::to_string(i) +
               "\" default=\"1\" min=\"0\" max=\"8\"/>";
    EXPECT_FALSE(load((xml + "</seem>").c_str()));
    EXPECT_EQ(editor->caption(4)->text(), QStringLiteral("Row 4"));
    EXPECT_FALSE(editor->slider(4)->isHidden());
}

} // namespace
} // namespace vantrel
