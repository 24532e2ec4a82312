// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/document/SeemDocument.h"

#include "TempDir.h"
#include "core/document/GridCursor.h"
#include "core/i18n/BuiltinStrings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

using namespace vantrel;
namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr const char* kDefinitions = R"(<seems>
  <seem ID="a" size="4" tip="Four" type="Function"/>
  <seem ID="b" size="8" tip="Eight" type="style"/>
  <seem ID="c" size="9" tip="Nine" type="volume"/>
</seems>)";

class SeemDocumentTest : public ::testing::Test {
  protected:
    void SetUp() override {
        m_dir = vantrel::testing::makeTempFolder("vantrel-doc-");
        fs::create_directories(m_dir);
        std::ofstream(m_dir / "defs.xml") << kDefinitions;
        ASSERT_TRUE(doc.loadDefinitions((m_dir / "defs.xml").string()).ok);
        m_stateConnection = doc.addStateListener([this](const DocumentChange&) { ++stateNotices; });
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string file(const std::string& name, const Bytes& bytes) {
        const fs::path path = m_dir / name;
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        return path.string();
    }
    static Bytes contents(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    void openBytes(const Bytes& bytes) {
        ASSERT_EQ(doc.open(file("open.seem", bytes)).status, OpenOutcome::Status::Opened);
    }

    fs::path m_dir;
    SeemDocument doc;
    int stateNotices = 0;
    ListenerConnection m_stateConnection;
};

TEST_F(SeemDocumentTest, OpenAcceptsMatchesOrRefusesLeavingTheDocumentAsItWas) {
    const std::string first = file("first.seem", {1, 2, 3, 4, 5}); // size 4 + 1
    ASSERT_EQ(doc.open(first).status, OpenOutcome::Status::Opened);
    EXPECT_EQ(doc.path(), first);
    EXPECT_EQ(doc.savedBytes(), (Bytes{1, 2, 3, 4, 5}));
    EXPECT_EQ(doc.grid().text(4), "05");
    EXPECT_EQ(doc.typeName(), "function");
    doc.grid().writeByte(0, 0xEE);

    EXPECT_EQ(doc.open(file("big.seem", Bytes(5001))).status, OpenOutcome::Status::TooLarge);
    EXPECT_EQ(doc.open(file("empty.seem", {})).status, OpenOutcome::Status::Empty);
    const OpenOutcome missing = doc.open((m_dir / "missing.seem").string());
    EXPECT_EQ(missing.status, OpenOutcome::Status::Failed);
    EXPECT_FALSE(missing.reason.empty());
    EXPECT_EQ(doc.path(), first);
    EXPECT_EQ(doc.grid().text(0), "EE");
    EXPECT_TRUE(doc.isModified());
    EXPECT_TRUE(doc.canUndo());

    ASSERT_EQ(doc.open(file("none.seem", Bytes(20))).status, OpenOutcome::Status::Opened);
    EXPECT_TRUE(doc.type().isNull());
    EXPECT_EQ(doc.typeName(), "");
    EXPECT_FALSE(doc.isModified());
    EXPECT_FALSE(doc.canUndo());
}

TEST_F(SeemDocumentTest, ReloadDiscardsEditsAndCloseLeavesOneCell) {
    openBytes({1, 2, 3, 4, 5, 6, 7, 8});
    doc.grid().writeByte(7, 0);
    ASSERT_EQ(doc.reload().status, OpenOutcome::Status::Opened);
    EXPECT_EQ(doc.grid().text(7), "08");
    EXPECT_FALSE(doc.isModified());
    EXPECT_FALSE(doc.canUndo());

    doc.grid().writeByte(3, 0);
    doc.close();
    EXPECT_EQ(doc.grid().cellCount(), 1);
    EXPECT_EQ(doc.path(), "");
    EXPECT_TRUE(doc.type().isNull());
    EXPECT_FALSE(doc.isModified());
    EXPECT_FALSE(doc.canUndo());
    EXPECT_EQ(doc.reload().status, OpenOutcome::Status::Failed);
    EXPECT_EQ(doc.save().status, SaveOutcome::Status::WriteFailed);
}

TEST_F(SeemDocumentTest, EachStepUndoesExactlyItsCellsAndRedoesThem) {
    openBytes({0x10, 0x20, 0x30, 0x40});
    {
        EditScope step(doc, UiString::UndoStyle);
        doc.grid().setText(1, "1"); // as a style row spells it
        doc.grid().writeByte(3, 0xFF);
        doc.grid().focusCell(2); // a border is not an edit
    }
    {
        EditScope step(doc, UiString::UndoSwitch);
        doc.grid().writeByte(3, 0x7F);
    }
    EXPECT_EQ(doc.undoLabel(), UiString::UndoSwitch);
    doc.undo();
    EXPECT_EQ(doc.grid().bytes(), (Bytes{0x10, 0x01, 0x30, 0xFF}));
    EXPECT_EQ(doc.undoLabel(), UiString::UndoStyle);
    EXPECT_EQ(doc.redoLabel(), UiString::UndoSwitch);
    doc.undo();
    EXPECT_EQ(doc.grid().text(1), "20");
    EXPECT_EQ(doc.grid().bytes(), (Bytes{0x10, 0x20, 0x30, 0x40}));
    EXPECT_FALSE(doc.canUndo());
    EXPECT_FALSE(doc.isModified());

    doc.redo();
    EXPECT_EQ(doc.grid().text(1), "1");
    doc.redo();
    EXPECT_EQ(doc.grid().bytes(), (Bytes{0x10, 0x01, 0x30, 0x7F}));
    EXPECT_FALSE(doc.canRedo());

    // A new step ends what could be redone; a step that changes nothing is no step.
    doc.undo();
    { EditScope step(doc, UiString::UndoSwitch); }
    EXPECT_TRUE(doc.canRedo());
    doc.grid().writeByte(0, 0);
    EXPECT_FALSE(doc.canRedo());

    // Text no byte has, longer than a byte's, comes back whole.
    for (const char* text : {"pasted text", "31"}) {
        EditScope step(doc, UiString::UndoStyle);
        doc.grid().setText(2, text);
    }
    doc.undo();
    EXPECT_EQ(doc.grid().text(2), "pasted text");
    doc.undo();
    EXPECT_EQ(doc.grid().text(2), "30");
}

TEST_F(SeemDocumentTest, TypingRunningOnIntoTheNextCellUndoesOneWholeCellAtATime) {
    openBytes({0x10, 0x20, 0x30, 0x40});
    GridCursor cursor(doc.grid());
    cursor.focus(0);
    cursor.setCaret(1);
    for (const char typed : {'a', 'b', 'c', 'd'})
        cursor.typeCharacter(typed); // 1A, then BC, then D0 as cell 2 is entered
    EXPECT_EQ(doc.grid().bytes(), (Bytes{0x1A, 0xBC, 0xD0, 0x40}));
    EXPECT_EQ(doc.undoLabel(), UiString::UndoTyping);
    doc.undo();
    EXPECT_EQ(doc.grid().bytes(), (Bytes{0x1A, 0xBC, 0x30, 0x40}));
    doc.undo();
    EXPECT_EQ(doc.grid().bytes(), (Bytes{0x1A, 0x20, 0x30, 0x40}));
    doc.undo();
    EXPECT_EQ(doc.grid().bytes(), (Bytes{0x10, 0x20, 0x30, 0x40}));
    EXPECT_FALSE(doc.canUndo());

    // Coming back to a cell is another edit of it.
    cursor.focus(1);
    cursor.typeCharacter('1');
    cursor.focus(2);
    cursor.focus(1);
    cursor.typeCharacter('2');
    doc.undo();
    EXPECT_EQ(doc.grid().text(1), "10");
}

TEST_F(SeemDocumentTest, AGestureIsOneStepAndUndoEndsIt) {
    openBytes({0x10, 0x20, 0x30, 0x40});
    doc.beginGesture(UiString::UndoVolume);
    for (std::uint8_t value : {1, 2, 3}) {
        EditScope step(doc, UiString::UndoVolume);
        doc.grid().writeByte(0, value);
    }
    doc.beginGesture(UiString::UndoVolume); // already open: no second level
    {
        EditScope step(doc, UiString::UndoStyle); // another kind of action ends the gesture
        doc.grid().writeByte(0, 9);
    }
    doc.endGesture();
    doc.undo();
    EXPECT_EQ(doc.grid().text(0), "03");
    EXPECT_EQ(doc.undoLabel(), UiString::UndoVolume);
    doc.undo();
    EXPECT_EQ(doc.grid().text(0), "10");

    // Undo in the middle of a gesture keeps what it made as one step and undoes that.
    doc.beginGesture(UiString::UndoVolume);
    for (const int cell : {1, 2}) {
        EditScope step(doc, UiString::UndoVolume);
        doc.grid().writeByte(cell, 0x11);
    }
    doc.undo();
    doc.endGesture(); // the release after it changes nothing
    EXPECT_EQ(doc.grid().bytes(), (Bytes{0x10, 0x20, 0x30, 0x40}));
    doc.grid().writeByte(3, 0x41);
    doc.undo();
    EXPECT_EQ(doc.grid().text(3), "40");
    EXPECT_FALSE(doc.canUndo());
}

// Ctrl+Z while the slider is still held: the moves after it are no part of
// the undone step, nor of one step with each other.
TEST_F(SeemDocumentTest, MovesAfterAnUndoInTheMiddleOfAGestureAreStepsOfTheirOwn) {
    openBytes({0x10, 0x20});
    doc.beginGesture(UiString::UndoVolume);
    const auto move = [this](std::uint8_t value) {
        EditScope step(doc, UiString::UndoVolume);
        doc.grid().writeByte(0, value);
    };
    move(1);
    move(2);
    doc.undo();
    move(3);
    move(4);
    doc.endGesture();
    doc.undo();
    EXPECT_EQ(doc.grid().text(0), "03");
    doc.undo();
    EXPECT_EQ(doc.grid().text(0), "10");
    EXPECT_FALSE(doc.canUndo());
}

TEST_F(SeemDocumentTest, StateNoticesSayWhatChanged) {
    DocumentChange last;
    const ListenerConnection connection =
        doc.addStateListener([&last](const DocumentChange& change) { last = change; });
    openBytes({0x10, 0x20, 0x30, 0x40});
    EXPECT_TRUE(last.type && last.file && last.history && last.modified);
    doc.grid().writeByte(0, 0x11);
    EXPECT_TRUE(last.history && last.modified);
    EXPECT_FALSE(last.type || last.file);
    doc.grid().writeByte(1, 0x21);
    EXPECT_FALSE(last.modified); // it already was
    doc.save();
    EXPECT_TRUE(last.file && last.modified);
    EXPECT_FALSE(last.type);
}

TEST_F(SeemDocumentTest, ModifiedFollowsTheCleanPointThroughSaveAndUndo) {
    const std::string path = file("save.seem", {0x0A, 0x0B});
    ASSERT_EQ(doc.open(path).status, OpenOutcome::Status::Opened);
    doc.grid().setText(0, "0a"); // the same byte in other letters
    EXPECT_FALSE(doc.isModified());
    doc.grid().writeByte(1, 0xCC);
    EXPECT_TRUE(doc.isModified());
    stateNotices = 0;
    ASSERT_EQ(doc.save().status, SaveOutcome::Status::Saved);
    EXPECT_GT(stateNotices, 0);
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(contents(path), (Bytes{0x0A, 0xCC}));
    EXPECT_EQ(doc.savedBytes(), (Bytes{0x0A, 0xCC}));

    doc.grid().writeByte(1, 0xDD);
    EXPECT_TRUE(doc.isModified());
    doc.undo();
    EXPECT_FALSE(doc.isModified());
    doc.undo(); // past the clean point
    EXPECT_TRUE(doc.isModified());
}

TEST_F(SeemDocumentTest, FailedSavesKeepTheFileAndThePath) {
    const std::string path = file("keep.seem", {1, 2, 3});
    ASSERT_EQ(doc.open(path).status, OpenOutcome::Status::Opened);
    doc.grid().setText(2, "");
    const SaveOutcome invalid = doc.save();
    EXPECT_EQ(invalid.status, SaveOutcome::Status::InvalidCell);
    EXPECT_EQ(invalid.invalidCell, 2);
    EXPECT_EQ(contents(path), (Bytes{1, 2, 3}));

    doc.grid().writeByte(2, 9);
    const SaveOutcome failed = doc.saveAs((m_dir / "no" / "such.seem").string());
    EXPECT_EQ(failed.status, SaveOutcome::Status::WriteFailed);
    EXPECT_FALSE(failed.reason.empty());
    EXPECT_EQ(doc.path(), path);
    EXPECT_TRUE(doc.isModified());

    const std::string other = (m_dir / "other.seem").string();
    ASSERT_EQ(doc.saveAs(other).status, SaveOutcome::Status::Saved);
    EXPECT_EQ(doc.path(), other);
    EXPECT_EQ(contents(other), (Bytes{1, 2, 9}));
    EXPECT_EQ(contents(path), (Bytes{1, 2, 3}));
}

TEST_F(SeemDocumentTest, FailedDefinitionsKeepTheOldOnesAndNewOnesRematchTheType) {
    openBytes({1, 2, 3, 4, 5, 6, 7, 8});
    EXPECT_EQ(doc.typeName(), "style");
    EXPECT_FALSE(doc.loadDefinitions((m_dir / "missing.xml").string()).ok);
    EXPECT_EQ(doc.type().attribute("tip"), "Eight");

    std::ofstream(m_dir / "other.xml")
        << R"(<seems><seem ID="x" size="7" tip="Seven" type="GPRS"/></seems>)";
    ASSERT_TRUE(doc.loadDefinitions((m_dir / "other.xml").string()).ok);
    EXPECT_EQ(doc.typeName(), "gprs");

    // Bytes a web page hands over need no name to be an open file.
    ASSERT_EQ(doc.openBytes("", Bytes(7)).status, OpenOutcome::Status::Opened);
    EXPECT_TRUE(doc.hasFile());
    ASSERT_TRUE(doc.loadDefinitionsText(kDefinitions).ok);
    EXPECT_TRUE(doc.type().isNull());
    ASSERT_TRUE(doc.loadDefinitions((m_dir / "other.xml").string()).ok);
    EXPECT_EQ(doc.typeName(), "gprs");
    doc.close();
    EXPECT_FALSE(doc.hasFile());
}

TEST(ByteGridListeners, EveryListenerIsToldAndMayLeaveWhileTold) {
    ByteGrid grid;
    std::vector<std::string> told;
    ListenerConnection second;
    ListenerConnection first = grid.addListener([&](int index) {
        told.push_back("first " + std::to_string(index));
        second.disconnect(); // removed before its turn: not told
    });
    second =
        grid.addListener([&](int index) { told.push_back("second " + std::to_string(index)); });
    grid.writeByte(0, 1);
    first.disconnect();
    first.disconnect();
    grid.writeByte(0, 2);
    {
        // A connection that goes takes its listener with it, and may outlive its list.
        const ListenerConnection scoped = grid.addListener([&](int) { told.push_back("scoped"); });
        auto shortLived = std::make_unique<ByteGrid>();
        ListenerConnection orphan = shortLived->addListener([](int) {});
        shortLived.reset();
    }
    grid.writeByte(0, 3);
    EXPECT_EQ(told, (std::vector<std::string>{"first 0"}));

    // A copy of a document's grid has no listeners: it may outlive the document.
    auto doc = std::make_unique<SeemDocument>();
    doc->grid().rebuild(3);
    ByteGrid copy = doc->grid();
    doc.reset();
    copy.writeByte(1, 0xFF);
    EXPECT_EQ(copy.text(1), "FF");
}

} // namespace

TEST_F(SeemDocumentTest, ASaveOverAFileChangedOnDiskIsRefusedUntilTheUserChoosesToOverwrite) {
    const std::string path = file("changed.seem", {1, 2, 3, 4});
    ASSERT_EQ(doc.open(path).status, OpenOutcome::Status::Opened);
    doc.grid().setText(0, "AA");
    std::ofstream(path, std::ios::binary) << "other program";
    EXPECT_EQ(doc.diskState(), DiskState::Changed);
    EXPECT_EQ(doc.save().status, SaveOutcome::Status::ChangedOnDisk);
    EXPECT_EQ(doc.saveAs(path).status, SaveOutcome::Status::ChangedOnDisk);
    const std::string other = "other program";
    EXPECT_EQ(contents(path), Bytes(other.begin(), other.end()));
    ASSERT_EQ(doc.save(true).status, SaveOutcome::Status::Saved);
    EXPECT_EQ(contents(path), (Bytes{0xAA, 2, 3, 4}));
    EXPECT_EQ(doc.diskState(), DiskState::Same);

    fs::remove(path);
    EXPECT_EQ(doc.diskState(), DiskState::Missing);
    EXPECT_EQ(doc.save().status, SaveOutcome::Status::ChangedOnDisk);
    EXPECT_FALSE(fs::exists(path));
}
