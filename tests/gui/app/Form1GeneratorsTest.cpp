#include "Form1Fixture.h"
#include "gui/ModalAnswer.h"

#include "gui/generators/frmGPRS.h"
#include "gui/generators/frmOuterText.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace vantrel;
using vantrel::testing::Form1Fixture;
using vantrel::testing::ModalAnswer;

namespace {

class Form1Generators : public Form1Fixture {
  protected:
    void SetUp() override {
        Form1Fixture::SetUp();
        start();
        ASSERT_TRUE(loaded);
    }
};

} // namespace

TEST_F(Form1Generators, ToolsOpensTheWindowModallyAndCancelLeavesTheMainCaption) {
    const QString path = writeSeem(QStringLiteral("fn.seem"), QByteArray(120, '\0'));
    form->OpenSeemFile(path);
    ASSERT_TRUE(form->isLoaded());
    {
        ModalAnswer<frmOuterText> answer([&](frmOuterText& window) {
            EXPECT_EQ(window.parentWidget(), form.get());
            EXPECT_TRUE(window.Text1->text().isEmpty());
            window.cmdCancel->click();
        });
        action("mnuSetOuterText")->trigger();
    }
    EXPECT_EQ(form->windowTitle(), form->mainCaption());
    EXPECT_EQ(form->fileName(), path);
    EXPECT_TRUE(form->isLoaded());
}
