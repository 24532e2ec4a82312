// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/AccessibilityChecks.h"
#include "Form1Fixture.h"

#include "gui/editors/ColorTreeEditor.h"
#include "gui/generators/GprsTextDialog.h"
#include "gui/generators/OuterTextDialog.h"
#include "gui/windows/AboutWindow.h"
#include "gui/windows/GoToOffsetDialog.h"
#include "gui/windows/TipWindow.h"

#include <QTest>

#include <functional>
#include <memory>

using namespace vantrel;
using vantrel::testing::Form1Fixture;

namespace {

// Every window, in every shipped language (the parameter is its number).
class Form1Accessibility : public Form1Fixture, public ::testing::WithParamInterface<int> {
  protected:
    void SetUp() override {
        Form1Fixture::SetUp();
        settings.setValue("ShowTip", "0");
        settings.setValue("language", std::to_string(GetParam()));
        start();
        ASSERT_TRUE(loaded);
        showActive();
    }

    // The main window with each editor showing, then each window over it.
    void forEveryWindow(const std::function<void(QWidget*, const char* state)>& check) {
        check(form.get(), "start page");
        for (const char* file :
             {"0032_0001.seem", "004a_0001.seem", "0a1c_0001.seem", "0d51_0001.seem"}) {
            form->OpenSeemFile(sample(file));
            if (auto* colors = form->findChild<ColorTreeEditor*>("tvwColor"); colors->isVisible())
                colors->setCurrentItem(colors->topLevelItem(0)->child(0));
            check(form.get(), file);
        }
        const LanguageFile& language = form->language();
        std::vector<std::unique_ptr<QWidget>> windows;
        windows.push_back(std::make_unique<AboutWindow>(form.get(), language));
        windows.push_back(
            std::make_unique<TipWindow>(form.get(), language, settings, action("mnuShowTip")));
        windows.push_back(std::make_unique<OuterTextDialog>(GeneratorHost{}, language, form.get()));
        windows.push_back(std::make_unique<GprsTextDialog>(GeneratorHost{}, language, form.get()));
        windows.push_back(
            std::make_unique<GoToOffsetDialog>(form->strings(), settings, 100, form.get()));
        for (const auto& window : windows) {
            window->show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
            check(window.get(), "shown");
            window->hide();
        }
    }
};

TEST_P(Form1Accessibility, EveryShownControlHasANameAndNoTwoInputsShareOne) {
    forEveryWindow([](QWidget* window, const char* state) {
        const QStringList problems = vantrel::testing::namingProblems(window);
        EXPECT_TRUE(problems.isEmpty()) << window->metaObject()->className() << " " << state << ": "
                                        << problems.join(QStringLiteral("; ")).toStdString();
    });
}

TEST_P(Form1Accessibility, AccessKeysAreUniqueInEveryMenuAndWindow) {
    forEveryWindow([](QWidget* window, const char* state) {
        const QStringList problems = vantrel::testing::accessKeyClashes(window);
        EXPECT_TRUE(problems.isEmpty()) << window->metaObject()->className() << " " << state << ": "
                                        << problems.join(QStringLiteral("; ")).toStdString();
    });
}

INSTANTIATE_TEST_SUITE_P(ShippedLanguages, Form1Accessibility, ::testing::Values(0, 1));

} // namespace
