// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/editors/ColorEditor.h"

#include "core/i18n/BuiltinStrings.h"
#include "gui/NamedChild.h"
#include "gui/TestSession.h"
#include "gui/dialogs/ScriptedDialogs.h"
#include "gui/dialogs/StandardDialog.h"

#include <QAbstractButton>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace vantrel {
namespace {

using testing::namedChild;

class ColorEditorTest : public ::testing::Test {
  protected:
    void SetUp() override {
        StandardDialog::setAnswerer(&dialogs);
        std::vector<std::uint8_t> bytes(0x50, 0);
        bytes[0x09] = 'A';
        bytes[0x0B] = 'B';
        const std::uint8_t red[] = {0xFF, 0x00, 0x00, 0x80};
        const std::uint8_t blue[] = {0x10, 0x20, 0x30, 0x7F};
        std::copy(std::begin(red), std::end(red), bytes.begin() + 0x40);
        std::copy(std::begin(blue), std::end(blue), bytes.begin() + 0x20);
        test.open(R"(<seems><seem ID="c" size="80" type="color">
            <group ID="G"><c ID="Red" offset="40"/><c ID="Blue" offset="20"/></group>
        </seem></seems>)",
                  bytes);
        editor = std::make_unique<ColorEditor>(test.session);
        editor->resize(480, 120);
        editor->show();
        editor->load();
    }
    void TearDown() override {
        editor.reset();
        StandardDialog::setAnswerer(nullptr);
    }

    std::vector<std::string> cells(int from, int count) const {
        std::vector<std::string> texts;
        for (int i = from; i < from + count; ++i)
            texts.push_back(test.grid().text(i));
        return texts;
    }
    QSlider* slider(const char* name) const { return namedChild<QSlider>(editor.get(), name); }
    QLineEdit* box(const char* name) const { return namedChild<QLineEdit>(editor.get(), name); }
    QAbstractButton* button(const char* name) const {
        return namedChild<QAbstractButton>(editor.get(), name);
    }
    QColor preview() const {
        return namedChild<QFrame>(editor.get(), "picColor")->palette().color(QPalette::Window);
    }
    static void retype(QLineEdit* box, const QString& text) {
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, text);
    }

    const SeemDocument& document() const { return test.session.document(); }
    void undo() { test.session.undo(); }

    ScriptedDialogs dialogs;
    testing::TestSession test;
    std::unique_ptr<ColorEditor> editor;
};

TEST_F(ColorEditorTest, ChoosingAnEntryShowsItAndChangesNoCell) {
    EXPECT_FALSE(editor->isEnabled());
    EXPECT_EQ(box("txtColorName")->text(), QStringLiteral("AB"));

    editor->selectEntry(QStringLiteral("c_40"));
    EXPECT_TRUE(editor->isEnabled());
    EXPECT_EQ(preview(), QColor(255, 0, 0));
    EXPECT_EQ(slider("sldR")->value(), 255);
    EXPECT_EQ(slider("sldG")->value(), 0);
    EXPECT_EQ(box("txtR")->text(), QStringLiteral("255"));
    EXPECT_EQ(box("txtB")->text(), QStringLiteral("0"));
    EXPECT_EQ(box("txtT")->text(), QStringLiteral("50"));
    EXPECT_EQ(box("txtHex")->text(), QStringLiteral("#FF0000"));
    for (int i = 0x40; i < 0x44; ++i)
        EXPECT_TRUE(test.grid().hasBorder(i)) << i;

    // A transparency of 7F shows as 49 % and stays 7F.
    editor->selectEntry(QStringLiteral("c_20"));
    EXPECT_EQ(box("txtT")->text(), QStringLiteral("49"));
    EXPECT_EQ(cells(0x20, 4), (std::vector<std::string>{"10", "20", "30", "7F"}));
    EXPECT_FALSE(test.grid().hasBorder(0x40));
    EXPECT_TRUE(test.grid().hasBorder(0x23));

    editor->selectEntry(QString());
    EXPECT_FALSE(editor->isEnabled());
    EXPECT_TRUE(test.grid().hasBorder(0x20));
    EXPECT_FALSE(document().isModified());
    EXPECT_FALSE(document().canUndo());
}

TEST_F(ColorEditorTest, SliderDragWritesTheColourAndUndoesInOneStep) {
    editor->selectEntry(QStringLiteral("c_40"));
    QTest::mousePress(slider("sldG"), Qt::LeftButton, {}, QPoint(2, slider("sldG")->height() / 2));
    slider("sldG")->setSliderPosition(64);
    slider("sldG")->setSliderPosition(128);
    QTest::mouseRelease(slider("sldG"), Qt::LeftButton);
    EXPECT_EQ(cells(0x40, 4), (std::vector<std::string>{"FF", "80", "00", "80"}));
    EXPECT_EQ(box("txtG")->text(), QStringLiteral("128"));
    EXPECT_EQ(preview(), QColor(255, 128, 0));
    EXPECT_EQ(box("txtHex")->text(), QStringLiteral("#FF8000"));

    EXPECT_EQ(document().undoLabel(), UiString::UndoColor);
    undo();
    EXPECT_EQ(cells(0x40, 4), (std::vector<std::string>{"FF", "00", "00", "80"}));
    EXPECT_EQ(slider("sldG")->value(), 0);
    EXPECT_EQ(box("txtG")->text(), QStringLiteral("0"));
    EXPECT_EQ(preview(), QColor(255, 0, 0));
    EXPECT_FALSE(document().canUndo());
}

TEST_F(ColorEditorTest, BoxesKeepToTheirSliders) {
    editor->selectEntry(QStringLiteral("c_40"));
    box("txtR")->selectAll();
    QTest::keyClicks(box("txtR"), QStringLiteral("300"));
    EXPECT_EQ(slider("sldR")->value(), 30);
    EXPECT_EQ(box("txtR")->text(), QStringLiteral("30"));
    QTest::keyClick(box("txtR"), Qt::Key_A);
    EXPECT_EQ(box("txtR")->text(), QStringLiteral("30"));
    EXPECT_EQ(test.grid().text(0x40), "1E");

    // Emptying the box brings the slider's value back at once.
    box("txtR")->selectAll();
    QTest::keyClick(box("txtR"), Qt::Key_Backspace);
    EXPECT_EQ(box("txtR")->text(), QStringLiteral("30"));

    // One run of typing in one box is one step.
    box("txtR")->clearFocus();
    undo();
    EXPECT_EQ(test.grid().text(0x40), "FF");
    EXPECT_EQ(box("txtR")->text(), QStringLiteral("255"));
}

TEST_F(ColorEditorTest, TransparencyIsWrittenOnlyWhenTyped) {
    editor->selectEntry(QStringLiteral("c_40"));
    const struct {
        const char* typed;
        const char* shown;
        const char* cell;
    } cases[] = {{"101", "100", "FF"}, {"-3", "0", "00"}, {"12.5", "12.5", "20"}, {"", "", "00"}};
    for (const auto& c : cases) {
        retype(box("txtT"), QString::fromLatin1(c.typed));
        EXPECT_EQ(box("txtT")->text(), QString::fromLatin1(c.shown)) << c.typed;
        EXPECT_EQ(test.grid().text(0x43), c.cell) << c.typed;
    }
    EXPECT_EQ(cells(0x40, 3), (std::vector<std::string>{"FF", "00", "00"}));
}

TEST_F(ColorEditorTest, ChooserCancelledChangesNothingAndAColourIsOneStep) {
    editor->selectEntry(QStringLiteral("c_40"));
    dialogs.colors = {std::nullopt, QColor(0, 0, 255)};
    QTest::mouseClick(namedChild<QFrame>(editor.get(), "picColor"), Qt::LeftButton);
    EXPECT_EQ(dialogs.colorRequests.size(), 1u);
    EXPECT_FALSE(document().canUndo());

    button("cmdChooseColor")->click();
    EXPECT_EQ(cells(0x40, 4), (std::vector<std::string>{"00", "00", "FF", "80"}));
    EXPECT_EQ(box("txtHex")->text(), QStringLiteral("#0000FF"));
    EXPECT_EQ(slider("sldB")->value(), 255);
    EXPECT_EQ(box("txtR")->text(), QStringLiteral("0"));

    retype(box("txtT"), QStringLiteral("10"));
    box("txtT")->clearFocus();
    undo();
    undo();
    EXPECT_EQ(cells(0x40, 4), (std::vector<std::string>{"FF", "00", "00", "80"}));
    EXPECT_EQ(preview(), QColor(255, 0, 0));
    EXPECT_EQ(box("txtT")->text(), QStringLiteral("50"));
    EXPECT_FALSE(document().canUndo());
}

TEST_F(ColorEditorTest, TypedHexColourIsOneStepAndAnythingElseIsRefused) {
    editor->selectEntry(QStringLiteral("c_40"));
    retype(box("txtHex"), QStringLiteral("0b3d5c"));
    QTest::keyClick(box("txtHex"), Qt::Key_Return);
    EXPECT_EQ(cells(0x40, 4), (std::vector<std::string>{"0B", "3D", "5C", "80"}));
    EXPECT_EQ(box("txtHex")->text(), QStringLiteral("#0B3D5C"));
    EXPECT_EQ(slider("sldG")->value(), 0x3D);
    EXPECT_EQ(box("txtB")->text(), QStringLiteral("92"));
    EXPECT_TRUE(dialogs.messages.empty());

    retype(box("txtHex"), QStringLiteral("#12345"));
    QTest::keyClick(box("txtHex"), Qt::Key_Return);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Critical);
    EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("#12345")))
        << dialogs.messages[0].text.toStdString();
    EXPECT_EQ(box("txtHex")->text(), QStringLiteral("#0B3D5C"));
    EXPECT_EQ(cells(0x40, 3), (std::vector<std::string>{"0B", "3D", "5C"}));

    undo();
    EXPECT_EQ(cells(0x40, 3), (std::vector<std::string>{"FF", "00", "00"}));
    EXPECT_FALSE(document().canUndo());
}

TEST_F(ColorEditorTest, TitleIsWrittenAsFiveBigEndianUnits) {
    editor->selectEntry(QStringLiteral("c_40"));
    box("txtColorName")->setText(QStringLiteral("ABCDEF"));
    button("cmdChangeName")->click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(dialogs.messages[0].text, test.str(UiString::ColorTitleTooLong));
    EXPECT_FALSE(document().canUndo());

    box("txtColorName")->setText(QString::fromUtf8("海洋ABC"));
    button("cmdChangeName")->click();
    EXPECT_EQ(cells(8, 10), (std::vector<std::string>{"6D", "77", "6D", "0B", "00", "41", "00",
                                                      "42", "00", "43"}));
    box("txtColorName")->setText(QStringLiteral("AB"));
    button("cmdChangeName")->click();
    EXPECT_EQ(cells(8, 10), (std::vector<std::string>{"00", "41", "00", "42", "00", "00", "00",
                                                      "00", "00", "00"}));
    EXPECT_EQ(document().undoLabel(), UiString::UndoTitle);
    undo();
    EXPECT_EQ(box("txtColorName")->text(), QString::fromUtf8("海洋ABC"));
}

} // namespace
} // namespace vantrel
