// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindowFixture.h"
#include "core/recipe/RecipeJson.h"
#include "gui/AccessibilityChecks.h"
#include "gui/dialogs/AboutWindow.h"
#include "gui/dialogs/GoToOffsetDialog.h"
#include "gui/dialogs/RecipeReviewDialog.h"
#include "gui/dialogs/TipWindow.h"
#include "gui/editors/ColorTreeEditor.h"
#include "gui/generators/GprsTextDialog.h"
#include "gui/generators/OuterTextDialog.h"

#include <QApplication>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <memory>

using namespace vantrel;
using vantrel::testing::MainWindowFixture;

namespace {

// Every window, in every shipped language (the parameter is its number).
class MainWindowAccessibility : public MainWindowFixture,
                                public ::testing::WithParamInterface<int> {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        settings.setValue("ShowTip", "0");
        settings.setValue("language", std::to_string(GetParam()));
        start();
        ASSERT_TRUE(loaded);
        showActive();
    }

    // The main window with each editor showing, then each window over it.
    void forEveryWindow(const std::function<void(QWidget*, const char* state)>& check) {
        check(mainWindow.get(), "start page");
        for (const char* file :
             {"0032_0001.seem", "004a_0001.seem", "0a1c_0001.seem", "0d51_0001.seem"}) {
            mainWindow->openFile(sample(file));
            if (auto* colors = mainWindow->findChild<ColorTreeEditor*>("tvwColor");
                colors && colors->isVisible())
                colors->setCurrentItem(colors->topLevelItem(0)->child(0));
            check(mainWindow.get(), file);
        }
        const LanguageFile& language = probe().session().language();
        std::vector<std::unique_ptr<QWidget>> windows;
        windows.push_back(std::make_unique<AboutWindow>(mainWindow.get(), language));
        windows.push_back(std::make_unique<TipWindow>(mainWindow.get(), language, settings,
                                                      action("mnuShowTip")));
        const GeneratorHost host{probe().session(), {}};
        windows.push_back(std::make_unique<OuterTextDialog>(host, mainWindow.get()));
        windows.push_back(std::make_unique<GprsTextDialog>(host, mainWindow.get()));
        windows.push_back(
            std::make_unique<GoToOffsetDialog>(probe().strings(), settings, 100, mainWindow.get()));
        // The review of the colour file's own settings, its entries on show.
        auto review = std::make_unique<RecipeReviewDialog>(probe().session(), mainWindow.get());
        review->pasteEdit()->setPlainText(
            QString::fromStdString(recipeToJson(probe().session().settingsRecipe())));
        review->reviewPastedButton()->click();
        EXPECT_FALSE(review->ticks().isEmpty());
        windows.push_back(std::move(review));
        for (const auto& window : windows) {
            window->show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
            check(window.get(), "shown");
            window->hide();
        }
    }
};

TEST_P(MainWindowAccessibility, EveryShownControlHasANameAndNoTwoInputsShareOne) {
    forEveryWindow([](QWidget* window, const char* state) {
        const QStringList problems = vantrel::testing::namingProblems(window);
        EXPECT_TRUE(problems.isEmpty()) << window->metaObject()->className() << " " << state << ": "
                                        << problems.join(QStringLiteral("; ")).toStdString();
    });
}

TEST_P(MainWindowAccessibility, AccessKeysAreUniqueInEveryMenuAndWindow) {
    forEveryWindow([](QWidget* window, const char* state) {
        const QStringList problems = vantrel::testing::accessKeyClashes(window);
        EXPECT_TRUE(problems.isEmpty()) << window->metaObject()->className() << " " << state << ": "
                                        << problems.join(QStringLiteral("; ")).toStdString();
    });
}

TEST_P(MainWindowAccessibility, EveryTabStopShowsTheFocusOnALightAndADarkPalette) {
    const QPalette light = QApplication::palette();
    QPalette dark;
    for (const auto& [role, color] : {std::pair{QPalette::Window, 0x2b2b2b},
                                      {QPalette::WindowText, 0xe6e6e6},
                                      {QPalette::Base, 0x1e1e1e},
                                      {QPalette::AlternateBase, 0x262626},
                                      {QPalette::Text, 0xe6e6e6},
                                      {QPalette::Button, 0x353535},
                                      {QPalette::ButtonText, 0xe6e6e6},
                                      {QPalette::Highlight, 0x3d6fb4},
                                      {QPalette::HighlightedText, 0xffffff},
                                      {QPalette::Light, 0x505050},
                                      {QPalette::Mid, 0x404040},
                                      {QPalette::Dark, 0x202020}})
        dark.setColor(role, QColor::fromRgb(static_cast<QRgb>(color)));
    for (const bool isDark : {false, true}) {
        QApplication::setPalette(isDark ? dark : light);
        forEveryWindow([&](QWidget* window, const char* state) {
            const QStringList problems = vantrel::testing::focusNotShown(window);
            EXPECT_TRUE(problems.isEmpty()) << window->metaObject()->className() << " " << state
                                            << (isDark ? " (dark)" : " (light)") << ": "
                                            << problems.join(QStringLiteral("; ")).toStdString();
        });
    }
    QApplication::setPalette(light);
}

INSTANTIATE_TEST_SUITE_P(ShippedLanguages, MainWindowAccessibility, ::testing::Values(0, 1));

} // namespace
