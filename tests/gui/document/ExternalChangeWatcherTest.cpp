// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/document/ExternalChangeWatcher.h"

#include "TempDir.h"
#include "core/i18n/BuiltinStrings.h"
#include "gui/TestSession.h"
#include "gui/dialogs/ScriptedDialogs.h"
#include "gui/dialogs/StandardDialog.h"

#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace vantrel {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

// A document open on a file of its own, watched in a window, with dialogs
// answered by script.
class ExternalChangeWatcherTest : public ::testing::Test {
  protected:
    void SetUp() override {
        path = m_folder / "watched.seem";
        write({1, 2, 3, 4});
        ASSERT_TRUE(test.session.open(path).opened);
        StandardDialog::setAnswerer(&dialogs);
        watcher = new ExternalChangeWatcher(
            test.session, [this] { test.session.reload(OpenReason::QuietReload); }, &window);
        window.show();
    }
    void TearDown() override { delete watcher; }
    void write(const Bytes& bytes) const {
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }
    [[nodiscard]] QToolBar* bar() const {
        return window.findChild<QToolBar*>(QStringLiteral("changeBar"));
    }
    [[nodiscard]] QString barText() const { return bar()->findChild<QLabel*>()->text(); }
    QPushButton* button(UiString textString) const {
        const QString text = test.str(textString);
        for (auto* button : bar()->findChildren<QPushButton*>())
            if (button->text() == text)
                return button;
        return nullptr;
    }

    vantrel::testing::TempDir m_folder;
    std::string path;
    testing::TestSession test;
    const SeemDocument& document = test.session.document();
    ScriptedDialogs dialogs;
    QMainWindow window;
    ExternalChangeWatcher* watcher = nullptr;
};

TEST_F(ExternalChangeWatcherTest, AnUnmodifiedDocumentReloadsAndSaysSo) {
    QSignalSpy status(watcher, &ExternalChangeWatcher::statusMessage);
    write({9, 8, 7, 6});
    // Through the file watcher, without any call of ours.
    ASSERT_TRUE(QTest::qWaitFor([&] { return document.savedBytes() == Bytes{9, 8, 7, 6}; }, 5000));
    ASSERT_EQ(status.count(), 1);
    EXPECT_TRUE(status.at(0).at(0).toString().contains(QStringLiteral("reloaded")));
    EXPECT_TRUE(watcher->isHidden());
}

TEST_F(ExternalChangeWatcherTest, AModifiedDocumentGetsTheBarAndKeepsItsEdits) {
    test.type(0, "AA");
    write({9, 8, 7, 6});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !watcher->isHidden(); }, 5000));
    EXPECT_TRUE(barText().contains(QStringLiteral("changed on disk")));
    EXPECT_EQ(document.grid().text(0), "AA");
    ASSERT_NE(button(UiString::ButtonKeepMine), nullptr);
    button(UiString::ButtonKeepMine)->click();
    EXPECT_TRUE(watcher->isHidden());
    watcher->checkNow();
    EXPECT_TRUE(watcher->isHidden()) << "Keep Mine holds for the same change";

    write({5, 5, 5, 5});
    watcher->checkNow();
    ASSERT_FALSE(watcher->isHidden());
    button(UiString::ButtonReload)->click();
    EXPECT_EQ(document.savedBytes(), (Bytes{5, 5, 5, 5}));
    EXPECT_FALSE(document.isModified());
}

TEST_F(ExternalChangeWatcherTest, AFileGoneFromDiskIsToldWithoutAReloadButton) {
    fs::remove(path);
    watcher->checkNow();
    ASSERT_FALSE(watcher->isHidden());
    EXPECT_TRUE(barText().contains(QStringLiteral("deleted or renamed")));
    EXPECT_TRUE(button(UiString::ButtonReload)->isHidden());
}

} // namespace
} // namespace vantrel
