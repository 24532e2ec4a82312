// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/session/EditingSession.h"

#include "TempDir.h"
#include "core/generators/OuterTextRecord.h"
#include "core/i18n/Captions.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>

using namespace vantrel;

namespace {

using Bytes = std::vector<std::uint8_t>;

// Sizes: function 4, style 8, volume 12, colour 20, outer text 34, a type
// without an editor 40; 3 bytes match nothing.
constexpr const char* kDefinitions = R"(<seems>
  <seem ID="0032_0001" size="4" tip="Functions" type="function" alert="Back it up\nfirst">
    <item ID="Keys" offset="0" bit="7">
      <item ID="Sound" offset="0" bit="1"/>
      <item ID="Light" offset="1" bit="0"/>
    </item>
    <item ID="Calls"><item ID="Vibrate" offset="2" bit="3"/></item>
  </seem>
  <seem ID="004a_0001" size="8" tip="Styles" type="style"/>
  <seem ID="0a1c_0001" size="12" tip="Volumes" type="volume">
    <item ID="Ring:" offset="1" min="0" max="7" default="3"/>
  </seem>
  <seem ID="0d51_0001" size="20" tip="Colours" type="color">
    <group ID="Menus"><item ID="Back" offset="0"/><item ID="Text" offset="4"/></group>
  </seem>
  <seem ID="0061_0001" size="34" tip="Outer" type="outertext"/>
  <seem ID="0bad_0001" size="40" tip="Odd" type="mystery"/>
</seems>)";

class EditingSessionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(session.loadDefinitionsText(kDefinitions, "defs.xml"));
        m_connection =
            session.addListener([this](const SessionChange& change) { changes.push_back(change); });
    }

    OpenResult open(const Bytes& bytes, OpenReason reason = OpenReason::Open) {
        const std::string path = dir / "file.seem";
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        return session.open(path, reason);
    }

    vantrel::testing::TempDir dir;
    LanguageFile language; // nothing loaded: the built-in strings, no captions
    MemorySettingsStore settings;
    EditingSession session{language, settings};
    std::vector<SessionChange> changes;
    ListenerConnection m_connection;
};

TEST_F(EditingSessionTest, OpeningDecidesTheEditorTheMessageAndTheOneAnswerToIsAFileOpen) {
    EXPECT_FALSE(session.fileOpen());
    EXPECT_EQ(open({0x80, 0, 0, 0}).editor, EditorKind::Function);
    EXPECT_TRUE(session.fileOpen());

    const OpenResult bytesOnly = open(Bytes(40));
    EXPECT_EQ(bytesOnly.editor, EditorKind::None);
    EXPECT_EQ(bytesOnly.message, (UiMessage{UiString::TypeWithoutEditor, {}}));
    EXPECT_TRUE(session.fileOpen()) << "its bytes are shown and can be saved";
    EXPECT_EQ(session.statusLine().id, UiString::StatusNoEditor);

    EXPECT_EQ(open(Bytes(34)).editor, EditorKind::OuterText);
    EXPECT_FALSE(session.fileOpen()) << "a generator's file opens the generator instead";

    const OpenResult refused = open(Bytes(5001));
    EXPECT_FALSE(refused.opened);
    EXPECT_EQ(refused.message->id, UiString::TooLarge);
    EXPECT_EQ(session.model().kind, EditorKind::OuterText) << "a refusal changes nothing";

    open(Bytes(3));
    EXPECT_TRUE(session.fileOpen());
    EXPECT_EQ(session.statusLine().id, UiString::StatusNoTypeMatches);
    session.close();
    EXPECT_FALSE(session.fileOpen());
}

TEST_F(EditingSessionTest, AGeneratorOpensWithTheTextOfAFileOfItsOwnKindOnly) {
    Bytes record = encodeOuterTextRecord(u"MOTO");
    record.resize(34);
    open(record);
    EXPECT_EQ(session.outerTextPrefill(), u"MOTO");
    EXPECT_EQ(session.gprsPrefill(), GprsSetting{});
    open({0x80, 0, 0, 0});
    EXPECT_EQ(session.outerTextPrefill(), u"");
}

TEST_F(EditingSessionTest, WithoutAKeyboardTheStatusLineNamesWhatToTapNotKeys) {
    session.setWithoutKeyboard(true);
    EXPECT_EQ(session.statusLine().id, UiString::StatusNoFileTouch);
    open({0x80, 0, 0, 0});
    EXPECT_EQ(session.statusLine().id, UiString::StatusFileOpenTouch);
    session.setWithoutKeyboard(false);
    EXPECT_EQ(session.statusLine().id, UiString::StatusFileOpen);
}

TEST_F(EditingSessionTest, TheTipComesWithOpeningAndReloadButNotWithAQuietReadOrTipsOff) {
    const OpenResult opened = open({0, 0, 0, 0});
    ASSERT_TRUE(opened.tip);
    EXPECT_EQ(opened.tip->text, "Back it up\nfirst");
    EXPECT_EQ(opened.tip->typeId, "0032_0001");
    EXPECT_TRUE(session.reload(OpenReason::Reload).tip);
    EXPECT_FALSE(session.reload(OpenReason::QuietReload).tip);
    session.setTipsOn(false);
    EXPECT_FALSE(session.reload(OpenReason::Reload).tip);
}

TEST_F(EditingSessionTest, SwitchesUnderASwitchAreReachableAndKeysStayWhileTheFileIsOpen) {
    open({0x80, 0, 0, 0});
    const FunctionNode& keys = session.model().functions.children.at(0);
    ASSERT_TRUE(keys.isSwitch());
    ASSERT_EQ(keys.children.size(), 2u);
    const std::string sound = keys.children[0].key;
    const std::string folder = session.model().functions.children.at(1).key;

    EXPECT_FALSE(session.setSwitch(sound, true));
    EXPECT_EQ(session.grid().text(0), "82");
    EXPECT_EQ(session.model().functions.children.at(1).key, folder);
    EXPECT_TRUE(session.model().switchByKey(sound)->on);

    // A leaf whose offset and bit read alike is a switch, not a folder.
    FunctionTreeBuilder builder;
    XmlDocument definitions;
    ASSERT_TRUE(
        definitions.loadFromString(R"(<s><t><item ID="x" offset="1" bit="1"/></t></s>)").ok);
    ByteGrid grid;
    grid.load({0, 2});
    EXPECT_TRUE(
        builder.build(definitions.root().children().front(), grid).children.at(0).isSwitch());
}

TEST_F(EditingSessionTest, EachActionPushesOneChangeNamingItsCellsAndSettings) {
    open({0x80, 0, 0, 0});
    const std::string light = session.model().functions.children[0].children[1].key;
    changes.clear();
    ASSERT_FALSE(session.setSwitch(light, true));
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].cells, std::vector<int>{1});
    EXPECT_EQ(changes[0].settings, std::vector<std::string>{light});
    EXPECT_TRUE(changes[0].modified && changes[0].history);

    changes.clear();
    session.undo();
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].settings, std::vector<std::string>{light});
    EXPECT_FALSE(session.model().switchByKey(light)->on);

    changes.clear();
    session.focusCell(3);
    session.typeCharacter('4');
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_EQ(changes[1].cells, std::vector<int>{3});
    EXPECT_TRUE(changes[1].settings.empty()) << "no setting lives in cell 3";
}

TEST_F(EditingSessionTest, MarkedCellsTakeTheBorderFromEveryOtherCell) {
    open(Bytes(20));
    session.focusCell(9);
    changes.clear();
    session.markCells(4, 4);
    EXPECT_EQ(session.grid().currentCell(), 4);
    for (int cell = 0; cell < 20; ++cell)
        EXPECT_EQ(session.grid().hasBorder(cell), cell >= 4 && cell < 8) << cell;
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_TRUE(changes[0].cursor);
    EXPECT_TRUE(changes[0].cells.empty()) << "no text changed";

    session.markCells(session.grid().currentCell(), 0);
    EXPECT_EQ(session.grid().currentCell(), 4);
    for (int cell = 0; cell < 20; ++cell)
        EXPECT_FALSE(session.grid().hasBorder(cell)) << cell;
}

TEST_F(EditingSessionTest, AGestureIsOneStepForOneSettingAndUndoEndsIt) {
    open(Bytes(20));
    session.setColor("c_0", {1, 2, 3}, "drag");
    session.setColor("c_0", {4, 5, 6}, "drag");
    session.setColor("c_4", {7, 8, 9}, "drag");
    session.undo();
    EXPECT_EQ(session.grid().text(4), "00") << "another entry's drag is a step of its own";
    EXPECT_EQ(session.grid().text(0), "04");
    session.undo();
    EXPECT_EQ(session.grid().text(0), "00") << "one entry's drag is one step";

    session.setColor("c_0", {1, 1, 1}, "drag");
    session.undo();
    session.setColor("c_0", {2, 2, 2}, "drag");
    session.setColor("c_0", {3, 3, 3}, "drag");
    session.undo();
    EXPECT_EQ(session.grid().text(0), "00") << "after an undo the same drag starts a new step";

    session.setColor("c_0", {5, 5, 5}, "drag");
    std::vector<std::uint8_t> bytes;
    ASSERT_EQ(session.bytesToSave(bytes).status, SaveResult::Status::Saved);
    session.markSaved(bytes);
    session.setColor("c_0", {6, 6, 6}, "drag");
    session.undo();
    EXPECT_EQ(session.grid().text(0), "05") << "a save ends the drag's step";
}

TEST_F(EditingSessionTest, RefusedEditsSayWhyInTheWindowsWordsAndChangeNothing) {
    open(Bytes(20));
    EXPECT_EQ(session.setColorText("c_0", " 12345 ")->message,
              (UiMessage{UiString::ColorNotHex, {"12345"}}));
    EXPECT_EQ(session.setSwitch("n_0_1", true)->message->id, UiString::TypeWithoutEditor);
    EXPECT_EQ(session.setTitle(u"Too long")->message->id, UiString::ColorTitleTooLong);
    EXPECT_FALSE(session.document().isModified());
    open(Bytes(12));
    EXPECT_TRUE(session.setVolume("v_0", 8));
    EXPECT_FALSE(session.setVolume("v_0", 7));
    EXPECT_EQ(session.model().volumes.items[0].position, 7);
    // The number beside the slider and what a screen reader hears come from the model.
    changes.clear();
    session.undo();
    EXPECT_EQ(session.model().volumes.items[0].position, 0);
    EXPECT_EQ(session.model().volumes.items[0].storedByte, 0);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].settings, std::vector<std::string>{"v_0"});

    // A colour typed as it already is changes nothing, so there is nothing to undo.
    open(Bytes(20));
    EXPECT_FALSE(session.setColorText("c_4", "#000000"));
    EXPECT_FALSE(session.document().canUndo());
    EXPECT_FALSE(session.setColorText("c_4", "#000001"));
    EXPECT_TRUE(session.document().canUndo());
}

// A text or a run of hex digits is taken up to its last allowed unit and no further.
TEST_F(EditingSessionTest, TextsAndBytesAreTakenUpToTheirLimitAndNotOneUnitMore) {
    open(Bytes(34));
    ASSERT_EQ(session.model().kind, EditorKind::OuterText);
    EXPECT_TRUE(session.setOuterText(std::u16string(kOuterTextUnits + 1, u'A')));
    EXPECT_EQ(session.grid().text(0), "00") << "a refused text writes nothing";
    EXPECT_FALSE(session.setOuterText(std::u16string(kOuterTextUnits, u'A')));
    EXPECT_EQ(session.grid().text(1), "41");

    open(Bytes(40));
    for (const char* odd : {"A5 0", "A", "A5F"}) {
        EXPECT_TRUE(session.setSetting({SettingKind::Bytes, "", odd, "", 0})) << odd;
        EXPECT_EQ(session.grid().text(0), "00") << odd;
        EXPECT_EQ(session.grid().text(1), "00") << odd;
    }
    EXPECT_FALSE(session.setSetting({SettingKind::Bytes, "", "A5 0F", "", 0}));
    EXPECT_EQ(session.grid().text(1), "0F");

    const auto gprsWarns = [&](std::size_t units) {
        return session.generateGprs(GprsDisplayMode::CustomText, std::u16string(units, u'g'))
            .warning;
    };
    EXPECT_FALSE(gprsWarns(kGprsTextUnits)) << "a text of exactly the maximum fits";
    EXPECT_TRUE(gprsWarns(kGprsTextUnits + 1));
}

TEST_F(EditingSessionTest, QuestionsComeOnlyWhenSomethingCouldBeLost) {
    open({0, 0, 0, 0});
    EXPECT_FALSE(session.questionBefore(Leaving::Close));
    session.focusCell(0);
    session.typeCharacter('1');
    const auto close = session.questionBefore(Leaving::Close);
    ASSERT_TRUE(close);
    EXPECT_EQ(close->text.id, UiString::AskSaveChanges);
    EXPECT_EQ(close->answers, (std::vector{Answer::Save, Answer::Discard, Answer::Cancel}));
    EXPECT_EQ(close->defaultAnswer, Answer::Save);
    EXPECT_EQ(close->cancelAnswer, Answer::Cancel);
    const auto reload = session.questionBefore(Leaving::Reload);
    ASSERT_TRUE(reload);
    EXPECT_EQ(reload->text.id, UiString::AskReload);
    EXPECT_EQ(reload->defaultAnswer, Answer::Cancel) << "Enter must not throw the edits away";
    EXPECT_EQ(reload->cancelAnswer, Answer::Cancel);

    std::ofstream(dir / "file.seem") << "other!";
    const SaveResult asked = session.save();
    ASSERT_EQ(asked.status, SaveResult::Status::Asked);
    EXPECT_EQ(asked.question->answers,
              (std::vector{Answer::Overwrite, Answer::Reload, Answer::Cancel}));
    EXPECT_EQ(dir.read("file.seem"), "other!") << "nothing written before the answer";
    EXPECT_EQ(session.answerSave(session.document().path(), Answer::Cancel).status,
              SaveResult::Status::Cancelled);
    EXPECT_EQ(session.answerSave(session.document().path(), Answer::Overwrite).status,
              SaveResult::Status::Saved);
    EXPECT_EQ(dir.read("file.seem"), std::string("\x10\0\0\0", 4));
    EXPECT_FALSE(session.namedBySaveAs()) << "a plain Save over the change";

    // Save As onto the file's own name, over another program's change: the
    // caption shows a name given by Save As once Overwrite is answered.
    session.typeCharacter('2');
    std::ofstream(dir / "file.seem") << "again!";
    const std::string own = session.document().path();
    ASSERT_EQ(session.saveAs(own).status, SaveResult::Status::Asked);
    EXPECT_FALSE(session.namedBySaveAs());
    EXPECT_EQ(session.answerSave(own, Answer::Overwrite).status, SaveResult::Status::Saved);
    EXPECT_TRUE(session.namedBySaveAs());
}

TEST_F(EditingSessionTest, NamesForFilesWithoutAPathComeFromTheirTypeOrWhereTheyWereStored) {
    session.openBytes("", Bytes(4));
    EXPECT_EQ(session.fileNameToSave(), "0032_0001.seem");
    session.openBytes("mine.bin", Bytes(3));
    EXPECT_EQ(session.fileNameToSave(), "mine.bin");
    session.markSaved(Bytes(3), "copy.seem");
    EXPECT_EQ(session.fileNameToSave(), "copy.seem");
    session.markSaved(Bytes(3));
    EXPECT_EQ(session.fileNameToSave(), "copy.seem") << "no name keeps the one it has";
    EXPECT_EQ(session.generatedFileName(EditorKind::OuterText), "0061_0001.seem");
    EXPECT_EQ(session.generatedFileName(EditorKind::Gprs), "gprs.seem");
}

TEST_F(EditingSessionTest, CaptionsFallBackToTheDesignAndLoseTheirAccessKeysWhereNoneAreShown) {
    EXPECT_EQ(session.caption("Form1", "mnuFile"), "文件(&F)");
    EXPECT_EQ(session.caption("Form1", "noSuchControl"), "");
    EXPECT_EQ(withoutAccessKey("&Save && Quit"), "Save & Quit");
}

} // namespace

// Every move of the caret is told, inside a cell too, and so is a new value
// of the current cell: a face never asks where the caret went.
TEST_F(EditingSessionTest, ACaretMoveInsideACellIsToldAsACursorChange) {
    open(Bytes(20));
    session.focusCell(5);
    for (const auto& move : std::vector<std::function<void(GridCursor&)>>{
             [](GridCursor& cursor) { cursor.moveEnd(); },
             [](GridCursor& cursor) { cursor.moveHome(); },
             [](GridCursor& cursor) { cursor.setCaret(1); },
             [](GridCursor& cursor) { (void)cursor.moveLeft(); }}) {
        changes.clear();
        move(session.cursor());
        ASSERT_EQ(changes.size(), 1u);
        EXPECT_TRUE(changes[0].cursor);
    }
    changes.clear();
    session.cursor().moveHome();
    EXPECT_TRUE(changes.empty()) << "the caret stayed where it was";
    session.typeCharacter('A');
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_TRUE(changes[0].cursor);
    EXPECT_EQ(session.cursor().caret(), 1);
}
