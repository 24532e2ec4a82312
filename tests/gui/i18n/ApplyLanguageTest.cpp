// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/i18n/ApplyLanguage.h"

#include "core/i18n/DesignCaptions.h"
#include "core/i18n/LanguageFile.h"
#include "core/settings/SettingsStore.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

using namespace vantrel;

namespace {

class ApplyLanguageTest : public ::testing::Test {
  protected:
    void load(const QString& xml) {
        const QString path = dir.filePath(QStringLiteral("language.xml"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(xml.toUtf8());
        file.close();
        language.load(path.toStdString(), settings, std::nullopt);
    }

    template <typename T> T* add(const char* name, T* control) {
        control->setObjectName(QString::fromLatin1(name));
        return control;
    }

    QTemporaryDir dir;
    MemorySettingsStore settings;
    LanguageFile language;
    QWidget window;
};

constexpr const char* kCaptions = R"xml(<l><a id="0" value="409" text="English" function="e.xml">
    <frmTest_lbl Caption="$Label $and $more"/>
    <frmTest_frame Caption="Frame"/>
    <frmTest_cmd Caption="$Open"/>
    <frmTest_chk Caption="Check"/>
    <frmTest_mnu Caption="$File"/>
    <frmTest_item Caption="$Save"/>
    <frmTest_txt Caption="not for text boxes"/>
    <frmTest_opt Caption="not for option buttons"/>
    <frmTest_bare/>
  </a></l>)xml";

} // namespace

TEST_F(ApplyLanguageTest, CaptionKindsTakeTheirCaptionWithEveryDollarAsAccessKey) {
    window.setObjectName(QStringLiteral("frmTest"));
    window.setWindowTitle(QStringLiteral("Title stays"));
    auto* label = add("lbl", new QLabel(QStringLiteral("design"), &window));
    auto* frame = add("frame", new QGroupBox(QStringLiteral("design"), &window));
    auto* button = add("cmd", new QPushButton(QStringLiteral("design"), frame));
    auto* check = add("chk", new QCheckBox(QStringLiteral("design"), &window));
    auto* menu = add("mnu", new QMenu(QStringLiteral("design"), &window));
    auto* item = add("item", new QAction(QStringLiteral("design"), menu));
    menu->addAction(item);
    auto* text = add("txt", new QLineEdit(QStringLiteral("typed"), &window));
    auto* option = add("opt", new QRadioButton(QStringLiteral("design"), &window));
    auto* bare = add("bare", new QLabel(QStringLiteral("design"), &window));
    auto* unnamed = add("absent", new QLabel(QStringLiteral("design"), &window));
    load(QString::fromUtf8(kCaptions));

    applyLanguage(&window, language);

    EXPECT_EQ(label->text(), QStringLiteral("&Label &and &more"));
    EXPECT_EQ(frame->title(), QStringLiteral("Frame"));
    EXPECT_EQ(button->text(), QStringLiteral("&Open"));
    EXPECT_EQ(check->text(), QStringLiteral("Check"));
    EXPECT_EQ(menu->title(), QStringLiteral("&File"));
    EXPECT_EQ(item->text(), QStringLiteral("&Save"));
    EXPECT_EQ(text->text(), QStringLiteral("typed"));
    EXPECT_EQ(option->text(), QStringLiteral("design"));
    EXPECT_EQ(bare->text(), QStringLiteral("design"));
    EXPECT_EQ(unnamed->text(), QStringLiteral("design"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Title stays"));
}

TEST_F(ApplyLanguageTest, OtherWindowsAndAMissingDocumentChangeNothing) {
    window.setObjectName(QStringLiteral("frmOther"));
    auto* label = add("lbl", new QLabel(QStringLiteral("design"), &window));
    load(QString::fromUtf8(kCaptions));
    applyLanguage(&window, language);
    EXPECT_EQ(label->text(), QStringLiteral("design"));

    LanguageFile missing;
    missing.load("/nonexistent/language.xml", settings, std::nullopt);
    window.setObjectName(QStringLiteral("frmTest"));
    applyLanguage(&window, missing);
    EXPECT_EQ(label->text(), QStringLiteral("design"));
}

// A design caption under a name language.xml does not know would never be
// replaced by the chosen language: the table and the file must agree.
TEST_F(ApplyLanguageTest, EveryDesignCaptionIsCaptionedInEachLanguage) {
    for (const char* chosen : {"0", "1"}) {
        settings.setValue("language", chosen);
        language.load(VANTREL_DATA_DIR "/language.xml", settings, std::nullopt);
        for (const DesignCaption& caption : designCaptions())
            EXPECT_TRUE(language.caption(std::string(caption.window), std::string(caption.control)))
                << caption.window << '_' << caption.control << " in language " << chosen;
    }
}
