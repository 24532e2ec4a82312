// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dialogs/CommDlg.h"

#include "gui/dialogs/MessageBox.h"
#include "gui/dialogs/ScriptedDialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace vantrel {
namespace {

class CommDlgTest : public ::testing::Test {
  protected:
    void SetUp() override { CommDlg::setAnswerer(&dialogs); }

    [[nodiscard]] bool nothingRequested() const {
        return dialogs.fileRequests.empty() && dialogs.colorRequests.empty() &&
               dialogs.fontRequests.empty() && dialogs.printerRequests.empty() &&
               dialogs.helpRequests.empty() && dialogs.messages.empty();
    }

    ScriptedDialogs dialogs;
};

TEST_F(CommDlgTest, ActionsOtherThanOneToSixDoNothing) {
    CommDlg dlg;
    dlg.setFileName("/tmp/kept.seem");
    dlg.setRGBResult(0x123456);
    dlg.setHelpKey("not a number");
    for (const int action : {0, 7, -1, 100})
        dlg.setAction(action);
    EXPECT_TRUE(nothingRequested());
    EXPECT_EQ(dlg.fileName(), "/tmp/kept.seem");
    EXPECT_EQ(dlg.RGBResult(), 0x123456);
    EXPECT_EQ(dlg.Owner(), nullptr);
}

TEST_F(CommDlgTest, DefaultExtIsDroppedAndNeverReachesTheDialog) {
    CommDlg dlg;
    dlg.setDefaultExt("*.seem");
    EXPECT_TRUE(dlg.DefaultExt().isEmpty());
    dialogs.saveFiles = {"/tmp/new"};
    dlg.setAction(CommDlg::Save);
    EXPECT_EQ(dlg.fileName(), "/tmp/new");
    EXPECT_TRUE(dlg.DefaultExt().isEmpty());
}

TEST_F(CommDlgTest, OpenDialogGetsTitleQtFiltersAndFlags) {
    CommDlg dlg;
    dlg.setDialogTitle("Open seem file");
    dlg.setFilter("Seem files|*.seem|Seem and binary|*.seem;*.bin|All files|*.*");
    dlg.setFilterIndex(2);
    dlg.setInitDir("/tmp/phones");
    dlg.setFlags(4100);
    dlg.setAction(CommDlg::Open);

    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    const FileDialogRequest& request = dialogs.fileRequests.front();
    EXPECT_EQ(request.kind, FileDialogKind::Open);
    EXPECT_EQ(request.title, "Open seem file");
    EXPECT_EQ(
        request.nameFilters,
        QStringList({"Seem files (*.seem)", "Seem and binary (*.seem *.bin)", "All files (*.*)"}));
    EXPECT_EQ(request.filterIndex, 2);
    EXPECT_EQ(request.initialDir, "/tmp/phones");
    EXPECT_EQ(request.flags, 4100);
    EXPECT_TRUE(request.presetFileName.isEmpty());
}

TEST_F(CommDlgTest, ChosenFileSetsPathAndTitle) {
    dialogs.openFiles = {"/tmp/phones/v3 skin.seem"};
    dialogs.saveFiles = {"/tmp/out/copy.seem"};
    CommDlg dlg;
    dlg.setAction(CommDlg::Open);
    EXPECT_EQ(dlg.fileName(), "/tmp/phones/v3 skin.seem");
    EXPECT_EQ(dlg.FileTitle(), "v3 skin.seem");
    dlg.setAction(CommDlg::Save);
    EXPECT_EQ(dlg.fileName(), "/tmp/out/copy.seem");
    EXPECT_EQ(dlg.FileTitle(), "copy.seem");
}

TEST_F(CommDlgTest, CancelledFileDialogEmptiesPresetName) {
    dialogs.saveFiles = {std::nullopt};
    CommDlg dlg;
    dlg.setFileName("/tmp/open.seem");
    dlg.setFileTitle("open.seem");
    dlg.setFlags(2);
    dlg.setAction(CommDlg::Save);

    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests.front().kind, FileDialogKind::Save);
    EXPECT_EQ(dialogs.fileRequests.front().presetFileName, "/tmp/open.seem");
    EXPECT_EQ(dialogs.fileRequests.front().flags, 2);
    EXPECT_TRUE(dlg.fileName().isEmpty());
    EXPECT_TRUE(dlg.FileTitle().isEmpty());

    // An unscripted dialog is a cancel too, so a forgetful test never blocks.
    dlg.setFileName("/tmp/open.seem");
    dlg.setAction(CommDlg::Open);
    EXPECT_TRUE(dlg.fileName().isEmpty());
}

TEST_F(CommDlgTest, ColourIsReadAndReturnedWithRedInTheLowByte) {
    dialogs.colors = {QColor(0x12, 0x34, 0x56), std::nullopt};
    CommDlg dlg;
    dlg.setRGBResult(0x0000FF);
    dlg.setAction(CommDlg::Color);
    ASSERT_EQ(dialogs.colorRequests.size(), 1u);
    EXPECT_EQ(dialogs.colorRequests.front().initialColor, QColor(Qt::red));
    EXPECT_EQ(dlg.RGBResult(), 0x563412);

    // A cancel answers -1 whatever was there before.
    dlg.setAction(CommDlg::Color);
    EXPECT_EQ(dlg.RGBResult(), -1);
}

TEST_F(CommDlgTest, MissingOwnerBecomesTheActiveWindowAndStays) {
    QWidget first;
    first.show();
    QApplication::setActiveWindow(&first);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&first));

    CommDlg dlg;
    dlg.setAction(CommDlg::Color);
    EXPECT_EQ(dlg.Owner(), &first);
    EXPECT_EQ(dialogs.colorRequests.at(0).owner, &first);

    QWidget second;
    second.show();
    QApplication::setActiveWindow(&second);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&second));
    dlg.setAction(CommDlg::Open);
    EXPECT_EQ(dlg.Owner(), &first);
    EXPECT_EQ(dialogs.fileRequests.at(0).owner, &first);
}

TEST_F(CommDlgTest, FontDialogStartsFromPropertiesAndReturnsChoice) {
    QFont chosen("DejaVu Serif");
    chosen.setPointSizeF(10.7);
    chosen.setBold(true);
    chosen.setStrikeOut(true);
    dialogs.fonts = {chosen};

    CommDlg dlg;
    dlg.setFontName("DejaVu Sans");
    dlg.setFontSize(12);
    dlg.setItalic(true);
    dlg.setUnderline(true);
    dlg.setRGBResult(0x00FF00);
    dlg.setAction(CommDlg::Font);

    ASSERT_EQ(dialogs.fontRequests.size(), 1u);
    const QFont& initial = dialogs.fontRequests.front().initialFont;
    EXPECT_EQ(initial.family(), "DejaVu Sans");
    EXPECT_EQ(initial.pointSize(), 12);
    EXPECT_FALSE(initial.bold());
    EXPECT_TRUE(initial.italic());
    EXPECT_TRUE(initial.underline());
    EXPECT_FALSE(initial.strikeOut());

    EXPECT_EQ(dlg.FontName(), "DejaVu Serif");
    EXPECT_EQ(dlg.FontSize(), 10); // cut, not rounded
    EXPECT_TRUE(dlg.Bold());
    EXPECT_FALSE(dlg.Italic());
    EXPECT_FALSE(dlg.Underline());
    EXPECT_TRUE(dlg.StrikeThru());
    EXPECT_EQ(dlg.RGBResult(), 0x00FF00);
}

TEST_F(CommDlgTest, CancelledFontOrPrinterDialogThrowsAndChangesNothing) {
    CommDlg dlg;
    dlg.setFontName("DejaVu Sans");
    dlg.setFontSize(9);
    dlg.setBold(true);
    dlg.setRGBResult(0x112233);
    EXPECT_THROW(dlg.setAction(CommDlg::Font), CommDlgCancelled);
    EXPECT_EQ(dlg.FontName(), "DejaVu Sans");
    EXPECT_EQ(dlg.FontSize(), 9);
    EXPECT_TRUE(dlg.Bold());
    EXPECT_FALSE(dlg.Italic());
    EXPECT_FALSE(dlg.Underline());
    EXPECT_FALSE(dlg.StrikeThru());
    EXPECT_EQ(dlg.RGBResult(), 0x112233);

    EXPECT_THROW(dlg.setAction(CommDlg::Printer), CommDlgCancelled);
    dialogs.printerConfirmations = {true};
    EXPECT_NO_THROW(dlg.setAction(CommDlg::Printer));
    EXPECT_EQ(dialogs.printerRequests.size(), 2u);
}

TEST_F(CommDlgTest, HelpNeedsANumericKey) {
    CommDlg dlg;
    dlg.setHelpFile("/opt/vantrel/help.chm");
    dlg.setHelpCommand(1);
    dlg.setFileName("/tmp/open.seem");
    dlg.setFileTitle("open.seem");
    for (const char* key : {"", "abc", "12abc"}) {
        dlg.setHelpKey(key);
        EXPECT_THROW(dlg.setAction(CommDlg::Help), CommDlgError) << key;
    }
    EXPECT_TRUE(dialogs.helpRequests.empty());

    dlg.setHelpKey(" 42 ");
    dlg.setAction(CommDlg::Help);
    ASSERT_EQ(dialogs.helpRequests.size(), 1u);
    EXPECT_EQ(dialogs.helpRequests.front().helpFile, "/opt/vantrel/help.chm");
    EXPECT_EQ(dialogs.helpRequests.front().command, 1);
    EXPECT_EQ(dialogs.helpRequests.front().key, 42);
    EXPECT_TRUE(dlg.FileTitle().isEmpty());
    EXPECT_EQ(dlg.fileName(), "/tmp/open.seem");
}

TEST_F(CommDlgTest, MessagesAreRecordedWithIconAndApplicationTitle) {
    showMessage(nullptr, MessageIcon::Critical, "File is too large.");
    showMessage(nullptr, MessageIcon::Information, "Done.");
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(dialogs.messages[0].text, "File is too large.");
    EXPECT_EQ(dialogs.messages[0].title, "Vantrel");
    EXPECT_EQ(dialogs.messages[1].icon, MessageIcon::Information);
}

TEST_F(CommDlgTest, AnswererUninstallsItselfWhenDestroyed) {
    {
        ScriptedDialogs shortLived;
        CommDlg::setAnswerer(&shortLived);
    }
    EXPECT_EQ(CommDlg::answerer(), nullptr);
}

// The real dialogs, driven from inside their own event loop.
class RealDialogTest : public ::testing::Test {
  protected:
    enum class Expect { Appears, MayAppear };

    void SetUp() override { CommDlg::setAnswerer(nullptr); }

    void TearDown() override {
        for (const auto& [timer, expect] : m_watchers) {
            if (timer && timer->isActive() && expect == Expect::Appears)
                ADD_FAILURE() << "an expected dialog never appeared";
            delete timer.data();
        }
    }

    // Calls handle with the next modal dialog of type Dialog once it is up.
    // A dialog of another type is closed after a few seconds, so that a
    // failing test cannot hang the run.
    template <typename Dialog>
    void onNextModal(std::function<void(Dialog*)> handle, Expect expect = Expect::Appears) {
        auto* timer = new QTimer;
        m_watchers.emplace_back(timer, expect);
        auto ticks = std::make_shared<int>(0);
        QObject::connect(timer, &QTimer::timeout, [timer, ticks, handle] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* dialog = qobject_cast<Dialog*>(modal)) {
                timer->stop();
                handle(dialog);
            } else if (modal && ++*ticks > 500) {
                ADD_FAILURE() << "an unexpected dialog appeared: "
                              << modal->metaObject()->className();
                timer->stop();
                if (auto* other = qobject_cast<QDialog*>(modal))
                    other->reject();
            }
        });
        timer->start(10);
    }

    [[nodiscard]] static QString makeFile(const QTemporaryDir& dir, const QString& name) {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        return path;
    }

    // Whether saving onto an existing file asked first; a question is answered Yes.
    bool saveOntoExistingFileAsks(std::int32_t flags) {
        QTemporaryDir dir;
        const QString path = makeFile(dir, "old.seem");
        bool asked = false;
        onNextModal<QFileDialog>([&](QFileDialog* dialog) {
            onNextModal<QMessageBox>(
                [&](QMessageBox* box) {
                    asked = true;
                    box->button(QMessageBox::Yes)->click();
                },
                Expect::MayAppear);
            static_cast<QDialog*>(dialog)->accept();
        });
        CommDlg dlg;
        dlg.setFlags(flags);
        dlg.setFileName(path);
        dlg.setAction(CommDlg::Save);
        EXPECT_EQ(QFileInfo(dlg.fileName()).canonicalFilePath(),
                  QFileInfo(path).canonicalFilePath());
        return asked;
    }

  private:
    std::vector<std::pair<QPointer<QTimer>, Expect>> m_watchers;
};

TEST_F(RealDialogTest, CancelledOpenDialogShowsTitleAndFilters) {
    QString title;
    QStringList filters;
    onNextModal<QFileDialog>([&](QFileDialog* dialog) {
        title = dialog->windowTitle();
        filters = dialog->nameFilters();
        dialog->reject();
    });
    CommDlg dlg;
    dlg.setDialogTitle("Open seem file");
    dlg.setFilter("Seem files|*.seem|All files|*.*");
    dlg.setFileName("/tmp/proposed.seem");
    dlg.setAction(CommDlg::Open);

    EXPECT_EQ(title, "Open seem file");
    EXPECT_EQ(filters, QStringList({"Seem files (*.seem)", "All files (*.*)"}));
    EXPECT_TRUE(dlg.fileName().isEmpty());
}

TEST_F(RealDialogTest, OpenDialogReturnsTheProposedExistingFile) {
    QTemporaryDir dir;
    const QString path = makeFile(dir, "flex.seem");
    // Through QDialog, as the Open button does; QFileDialog hides accept().
    onNextModal<QFileDialog>([](QFileDialog* dialog) { static_cast<QDialog*>(dialog)->accept(); });
    CommDlg dlg;
    dlg.setFlags(4100);
    dlg.setFileName(path);
    dlg.setAction(CommDlg::Open);

    EXPECT_EQ(QFileInfo(dlg.fileName()).canonicalFilePath(), QFileInfo(path).canonicalFilePath());
    EXPECT_EQ(dlg.FileTitle(), "flex.seem");
}

TEST_F(RealDialogTest, SaveAsksBeforeReplacingOnlyWithFlagTwo) {
    EXPECT_TRUE(saveOntoExistingFileAsks(2));
    EXPECT_FALSE(saveOntoExistingFileAsks(0));
}

TEST_F(RealDialogTest, ColourDialogStartsOnRGBResultAndReturnsChoice) {
    QColor shown;
    onNextModal<QColorDialog>([&](QColorDialog* dialog) {
        shown = dialog->currentColor();
        dialog->setCurrentColor(QColor(1, 2, 3));
        dialog->accept();
    });
    CommDlg dlg;
    dlg.setRGBResult(0x563412);
    dlg.setAction(CommDlg::Color);

    EXPECT_EQ(shown, QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(dlg.RGBResult(), 0x030201);
}

TEST_F(RealDialogTest, MessageBoxShowsIconTextAndApplicationTitle) {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title;
    QString text;
    onNextModal<QMessageBox>([&](QMessageBox* box) {
        icon = box->icon();
        title = box->windowTitle();
        text = box->text();
        box->accept();
    });
    showMessage(nullptr, MessageIcon::Warning, "Careful.");

    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_EQ(title, "Vantrel");
    EXPECT_EQ(text, "Careful.");
}

} // namespace
} // namespace vantrel
