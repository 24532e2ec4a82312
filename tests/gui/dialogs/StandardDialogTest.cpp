// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dialogs/StandardDialog.h"

#include "desktop/files/FileDialogOptions.h"
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

class StandardDialogTest : public ::testing::Test {
  protected:
    void SetUp() override { StandardDialog::setAnswerer(&dialogs); }

    ScriptedDialogs dialogs;
};

TEST_F(StandardDialogTest, OpenDialogGetsTitleQtFiltersAndFlags) {
    StandardDialog dlg;
    dlg.setTitle("Open seem file");
    dlg.setFilter("Seem files|*.seem|Seem and binary|*.seem;*.bin|All files|*.*");
    dlg.setFilterIndex(2);
    dlg.setInitialDir("/tmp/phones");
    dlg.setOptions(FileDialogOption::MustExist | FileDialogOption::HideReadOnly);
    dlg.show(StandardDialog::Action::Open);

    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    const FileDialogRequest& request = dialogs.fileRequests.front();
    EXPECT_EQ(request.kind, FileDialogKind::Open);
    EXPECT_EQ(request.title, "Open seem file");
    EXPECT_EQ(
        request.nameFilters,
        QStringList({"Seem files (*.seem)", "Seem and binary (*.seem *.bin)", "All files (*.*)"}));
    EXPECT_EQ(request.filterIndex, 2);
    EXPECT_EQ(request.initialDir, "/tmp/phones");
    EXPECT_EQ(request.options, FileDialogOption::MustExist | FileDialogOption::HideReadOnly);
    EXPECT_TRUE(request.presetFileName.isEmpty());
}

TEST_F(StandardDialogTest, ChosenFileSetsPathAndTitle) {
    dialogs.openFiles = {"/tmp/phones/v3 skin.seem"};
    dialogs.saveFiles = {"/tmp/out/copy.seem"};
    StandardDialog dlg;
    dlg.show(StandardDialog::Action::Open);
    EXPECT_EQ(dlg.fileName(), "/tmp/phones/v3 skin.seem");
    EXPECT_EQ(dlg.fileTitle(), "v3 skin.seem");
    dlg.show(StandardDialog::Action::Save);
    EXPECT_EQ(dlg.fileName(), "/tmp/out/copy.seem");
    EXPECT_EQ(dlg.fileTitle(), "copy.seem");
}

TEST_F(StandardDialogTest, CancelledFileDialogEmptiesPresetName) {
    dialogs.saveFiles = {std::nullopt};
    StandardDialog dlg;
    dlg.setFileName("/tmp/open.seem");
    dlg.setOptions(FileDialogOption::ConfirmOverwrite);
    dlg.show(StandardDialog::Action::Save);

    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests.front().kind, FileDialogKind::Save);
    EXPECT_EQ(dialogs.fileRequests.front().presetFileName, "/tmp/open.seem");
    EXPECT_EQ(dialogs.fileRequests.front().options, FileDialogOption::ConfirmOverwrite);
    EXPECT_TRUE(dlg.fileName().isEmpty());
    EXPECT_TRUE(dlg.fileTitle().isEmpty());

    // An unscripted dialog is a cancel too, so a forgetful test never blocks.
    dlg.setFileName("/tmp/open.seem");
    dlg.show(StandardDialog::Action::Open);
    EXPECT_TRUE(dlg.fileName().isEmpty());
}

TEST_F(StandardDialogTest, ColourStartsAsSetAndComesBackAsChosen) {
    dialogs.colors = {QColor(0x12, 0x34, 0x56), std::nullopt};
    StandardDialog dlg;
    dlg.setColor(Rgb{0xFF, 0, 0});
    dlg.show(StandardDialog::Action::Color);
    ASSERT_EQ(dialogs.colorRequests.size(), 1u);
    EXPECT_EQ(dialogs.colorRequests.front().initialColor, QColor(Qt::red));
    EXPECT_EQ(dlg.color(), (Rgb{0x12, 0x34, 0x56}));

    // A cancel answers no colour whatever was there before.
    dlg.show(StandardDialog::Action::Color);
    EXPECT_EQ(dlg.color(), std::nullopt);
}

TEST_F(StandardDialogTest, MissingOwnerBecomesTheActiveWindowAndStays) {
    QWidget first;
    first.show();
    QApplication::setActiveWindow(&first);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&first));

    StandardDialog dlg;
    dlg.show(StandardDialog::Action::Color);
    EXPECT_EQ(dlg.owner(), &first);
    EXPECT_EQ(dialogs.colorRequests.at(0).owner, &first);

    QWidget second;
    second.show();
    QApplication::setActiveWindow(&second);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&second));
    dlg.show(StandardDialog::Action::Open);
    EXPECT_EQ(dlg.owner(), &first);
    EXPECT_EQ(dialogs.fileRequests.at(0).owner, &first);
}

TEST_F(StandardDialogTest, MessagesAreRecordedWithIconAndApplicationTitle) {
    showMessage(nullptr, MessageIcon::Critical, "File is too large.");
    showMessage(nullptr, MessageIcon::Information, "Done.");
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(dialogs.messages[0].text, "File is too large.");
    EXPECT_EQ(dialogs.messages[0].title, "Vantrel");
    EXPECT_EQ(dialogs.messages[1].icon, MessageIcon::Information);
}

TEST_F(StandardDialogTest, AnswererUninstallsItselfWhenDestroyed) {
    {
        ScriptedDialogs shortLived;
        StandardDialog::setAnswerer(&shortLived);
    }
    EXPECT_EQ(StandardDialog::answerer(), nullptr);
}

// The real dialogs, driven from inside their own event loop.
class RealDialogTest : public ::testing::Test {
  protected:
    enum class Expect { Appears, MayAppear };

    void SetUp() override { StandardDialog::setAnswerer(nullptr); }

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
    bool saveOntoExistingFileAsks(FileDialogOption options) {
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
        StandardDialog dlg;
        dlg.setOptions(options);
        dlg.setFileName(path);
        dlg.show(StandardDialog::Action::Save);
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
    StandardDialog dlg;
    dlg.setTitle("Open seem file");
    dlg.setFilter("Seem files|*.seem|All files|*.*");
    dlg.setFileName("/tmp/proposed.seem");
    dlg.show(StandardDialog::Action::Open);

    EXPECT_EQ(title, "Open seem file");
    EXPECT_EQ(filters, QStringList({"Seem files (*.seem)", "All files (*.*)"}));
    EXPECT_TRUE(dlg.fileName().isEmpty());
}

TEST_F(RealDialogTest, OpenDialogReturnsTheProposedExistingFile) {
    QTemporaryDir dir;
    const QString path = makeFile(dir, "flex.seem");
    // Through QDialog, as the Open button does; QFileDialog hides accept().
    onNextModal<QFileDialog>([](QFileDialog* dialog) { static_cast<QDialog*>(dialog)->accept(); });
    StandardDialog dlg;
    dlg.setOptions(FileDialogOption::MustExist | FileDialogOption::HideReadOnly);
    dlg.setFileName(path);
    dlg.show(StandardDialog::Action::Open);

    EXPECT_EQ(QFileInfo(dlg.fileName()).canonicalFilePath(), QFileInfo(path).canonicalFilePath());
    EXPECT_EQ(dlg.fileTitle(), "flex.seem");
}

TEST_F(RealDialogTest, SaveAsksBeforeReplacingOnlyWhenToldTo) {
    EXPECT_TRUE(saveOntoExistingFileAsks(FileDialogOption::ConfirmOverwrite));
    EXPECT_FALSE(saveOntoExistingFileAsks(FileDialogOption::None));
}

TEST_F(RealDialogTest, ColourDialogStartsOnTheColourSetAndReturnsChoice) {
    QColor shown;
    onNextModal<QColorDialog>([&](QColorDialog* dialog) {
        shown = dialog->currentColor();
        dialog->setCurrentColor(QColor(1, 2, 3));
        dialog->accept();
    });
    StandardDialog dlg;
    dlg.setColor(Rgb{0x12, 0x34, 0x56});
    dlg.show(StandardDialog::Action::Color);

    EXPECT_EQ(shown, QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(dlg.color(), (Rgb{1, 2, 3}));
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
