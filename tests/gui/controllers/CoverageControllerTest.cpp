// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/controllers/CoverageController.h"

#include "desktop/compare/DocumentComparison.h"
#include "gui/TestSession.h"
#include "gui/controllers/SuggestDefinitionsController.h"
#include "gui/coverage/CoverageShading.h"
#include "gui/document/ByteGridView.h"

#include <QAction>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace vantrel {
namespace {

const QString kData = QStringLiteral(VANTREL_DATA_DIR);
const QString kDefinitions = kData + QStringLiteral("/seem_en.xml");

// A window with a grid over one open sample and the coverage tools on it.
class CoverageControllerTest : public ::testing::Test {
  protected:
    CoverageControllerTest() : comparison(session.document(), session.strings()) {
        EXPECT_FALSE(session.loadDefinitions(kDefinitions.toStdString()));
        view = new ByteGridView(session);
        window.setCentralWidget(view);
    }
    ~CoverageControllerTest() override { delete window.takeCentralWidget(); }

    void open(const QString& sample) {
        ASSERT_TRUE(session.open((kData + "/samples/" + sample).toStdString()).opened);
        view->setNavigationEnabled(true);
        if (!controller)
            controller = std::make_unique<CoverageController>(CoverageParts{
                window, session, *view, settings, session.strings(), comparison,
                [] { return kDefinitions; }, [this](const CoveredItem& item) { chosen = item; }});
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    // How many pixels of the cell are painted in the palette's Mid colour.
    int midPixels(int index) const {
        const QImage image = view->viewport()->grab(view->cellRect(index)).toImage();
        const QRgb mid = view->palette().color(QPalette::Mid).rgb();
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += image.pixel(x, y) == mid ? 1 : 0;
        return count;
    }

    testing::TestSession test;
    EditingSession& session = test.session;
    MemorySettingsStore& settings = test.settings;
    DocumentComparison comparison;
    QMainWindow window;
    ByteGridView* view = nullptr;
    std::unique_ptr<CoverageController> controller;
    CoveredItem chosen;
};

TEST_F(CoverageControllerTest, ShowCoverageShadesUndescribedCellsAndIsRemembered) {
    open(QStringLiteral("0032_0001.seem"));
    QAction* show = controller->shading().showAction();
    EXPECT_FALSE(show->isChecked());
    const int plain[] = {midPixels(0), midPixels(0x1A), midPixels(0x21)};

    show->trigger();
    EXPECT_EQ(settings.read(CoverageShading::kSettingsKey, ""), "1");
    EXPECT_GT(midPixels(0), plain[0] + 10);   // no item reads byte 00
    EXPECT_EQ(midPixels(0x1A), plain[1]);     // Keys reads all of 1A
    EXPECT_GT(midPixels(0x21), plain[2] + 3); // the strip of a partly read byte
    // A legend under the rows says what the marks mean, leaving the cells whole.
    const QWidget* legend = controller->shading().legend();
    EXPECT_TRUE(legend->isVisible());
    EXPECT_GE(legend->geometry().top(), view->viewport()->geometry().bottom());
    EXPECT_LE(legend->geometry().bottom(), view->contentsRect().bottom());
    EXPECT_GE(legend->height(), legend->heightForWidth(legend->width()));
    view->focusCell(0x21);
    EXPECT_EQ(controller->shading().statusLabel()->text().toStdString(),
              "bit 0: Calls/Any-Key Answer, bit 1: Calls/Automatic Redial, "
              "bit 2: Calls/Hide Own Number Menu, bit 4: Calls/Call Recording; "
              "bits 3, 5–7: not described");

    show->trigger();
    EXPECT_FALSE(legend->isVisible());
    show->trigger();
    controller.reset();
    open(QStringLiteral("0032_0001.seem"));
    EXPECT_TRUE(controller->shading().showAction()->isChecked());
}

// The items and their bits follow the type and the size: typing, undo and
// saving work none of it out again.
TEST_F(CoverageControllerTest, TypingUndoAndSavingLeaveTheCoverageAsWorkedOut) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("copy.seem"));
    ASSERT_TRUE(QFile::copy(kData + "/samples/0032_0001.seem", path));
    open(QStringLiteral("0032_0001.seem"));
    ASSERT_TRUE(session.open(path.toStdString()).opened);
    controller->shading().showAction()->trigger();
    controller->dock().show();
    const int computed = controller->shading().computations();
    view->focusCell(0x1A);
    QTest::keyClicks(view, QStringLiteral("0F0E"));
    session.undo();
    session.redo();
    ASSERT_EQ(session.save().status, SaveResult::Status::Saved);
    EXPECT_EQ(controller->shading().computations(), computed);

    ASSERT_TRUE(session.open(path.toStdString()).opened);
    EXPECT_EQ(controller->shading().computations(), computed + 1);
}

TEST_F(CoverageControllerTest, ByteInfoListsItemsWithPlaceAndOverlapAndChoosesThem) {
    open(QStringLiteral("004a_0001.seem"));
    // The panel is made by its menu item, on the cell focused before it was.
    EXPECT_EQ(window.findChild<ByteInfoDock*>(), nullptr);
    view->focusCell(0x0C);
    auto* showPanel = window.findChild<QAction*>(QStringLiteral("mnuWhatIsThisByte"));
    ASSERT_NE(showPanel, nullptr);
    showPanel->trigger();
    ASSERT_NE(window.findChild<ByteInfoDock*>(), nullptr);
    QListWidget* list = controller->dock().list();
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(1)->text().toStdString(),
              "bits 0–7: Outer Clock: Digital = on\nseem_en.xml:65; "
              "overlaps Outer Clock: Analogue");
    EXPECT_FALSE(list->item(0)->icon().isNull());

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(1)).center());
    QCoreApplication::processEvents();
    EXPECT_EQ(chosen.key, "0C_02_00");

    // Typing into the cell changes the value read at once.
    test.type(0x0C, "01");
    EXPECT_NE(list->item(1)->text().indexOf(QStringLiteral("= off")), -1);

    // Its own close button takes the menu's tick, but not the choice kept.
    controller->dock().close();
    EXPECT_FALSE(showPanel->isChecked());
    EXPECT_EQ(settings.read(CoverageController::kByteInfoSettingsKey, ""), "1");
}

TEST_F(CoverageControllerTest, SuggestDefinitionsWritesASwitchForAChangedFreeBit) {
    open(QStringLiteral("0032_0001.seem"));
    QAction* suggest = controller->suggestAction();
    EXPECT_FALSE(suggest->isEnabled());

    QTemporaryDir folder;
    QFile sample(kData + "/samples/0032_0001.seem");
    ASSERT_TRUE(sample.open(QIODevice::ReadOnly));
    QByteArray bytes = sample.readAll();
    bytes[0x21] = static_cast<char>(bytes[0x21] ^ 0x08);
    QFile after(folder.filePath(QStringLiteral("after.seem")));
    ASSERT_TRUE(after.open(QIODevice::WriteOnly));
    after.write(bytes);
    after.close();
    ASSERT_EQ(comparison.start(kDefinitions.toStdString(), after.fileName().toStdString()).status,
              OpenOutcome::Status::Opened);
    ASSERT_TRUE(suggest->isEnabled());

    suggest->trigger();
    QDialog* dialog = controller->suggestions().dialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->findChild<QPlainTextEdit*>()->toPlainText().toStdString(),
              "<!-- Paste inside the seem type 0032_0001 (line 2 of seem_en.xml) -->\n"
              "<item ID=\"Unnamed 21 bit 3\" offset=\"21\" bit=\"3\" tip=\"\"/>\n");
    // A line above the XML says what to do with it, also to a screen reader.
    const auto* hint = dialog->findChild<QLabel*>(QStringLiteral("lblSuggestionHint"));
    ASSERT_NE(hint, nullptr);
    EXPECT_TRUE(hint->isVisible());
    EXPECT_EQ(dialog->findChild<QPlainTextEdit*>()->accessibleDescription(), hint->text());
    comparison.stop();
    EXPECT_FALSE(suggest->isEnabled());
}

} // namespace
} // namespace vantrel
