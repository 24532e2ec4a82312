// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/i18n/LanguageFile.h"

#include "TempDir.h"
#include "core/i18n/BuiltinStrings.h"
#include "core/i18n/LocaleLcid.h"
#include "core/i18n/PluralText.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace vantrel;

namespace {

constexpr const char* kTwoLanguages = R"xml(<languages>
  <lang id="0" value="804" text="简体中文" function="seem_zh.xml">
    <StringTable><s text="已载入"/><s text="未打开"/></StringTable>
    <Form1_mnuOpen Caption="打开($O)"/>
  </lang>
  <lang id="1" value="409" text="English" function="seem_en.xml">
    <StringTable><s text="Loaded"/><s text="Nothing open"/></StringTable>
    <Form1_mnuOpen Caption="$Open $now"/>
    <Form1_txtBox Caption="ignored by kind, not here"/>
  </lang>
</languages>)xml";

class LanguageFileTest : public ::testing::Test {
  protected:
    std::string write(const std::string& text) {
        return m_folder.write("language-" + std::to_string(m_count++) + ".xml", text);
    }

    MemorySettingsStore settings;
    LanguageFile language;

  private:
    int m_count = 0;
    vantrel::testing::TempDir m_folder;
};

} // namespace

TEST_F(LanguageFileTest, StoredChoiceBeatsAMatchingLocale) {
    settings.setValue("language", "1");
    EXPECT_FALSE(language.load(write(kTwoLanguages), settings, 0x0804).has_value());
    EXPECT_EQ(language.index(), 1);
    EXPECT_EQ(language.strings().get(UiString{0}), "Loaded");
}

TEST_F(LanguageFileTest, LocaleMatchChoosesAndStoresTheLanguage) {
    EXPECT_FALSE(language.load(write(kTwoLanguages), settings, 0x0409).has_value());
    EXPECT_EQ(language.index(), 1);
    EXPECT_EQ(settings.value("language"), "1");
}

TEST_F(LanguageFileTest, LowerCaseValueMatches) {
    const std::string file = R"(<l><a id="0" value="804" text="A" function="a.xml"/>
        <b id="1" value="c04" text="B" function="b.xml"/></l>)";
    EXPECT_FALSE(language.load(write(file), settings, 0x0C04).has_value());
    EXPECT_EQ(language.index(), 1);
}

TEST_F(LanguageFileTest, ExactLocaleFirstThenTheSameLanguageThenLanguageZero) {
    const std::string file = R"(<l><a id="0" value="409" text="English" function="en.xml"/>
        <b id="1" value="804" text="Chinese" function="zh.xml"/>
        <c id="2" value="c04" text="Hong Kong" function="hk.xml"/></l>)";
    const std::string path = write(file);
    const struct {
        std::int32_t lcid;
        int chosen;
    } cases[] = {{0x0C04, 2}, {0x0404, 1}, {0x0809, 0}, {0x0407, 0}, {0x0804, 1}};
    for (const auto& c : cases) {
        MemorySettingsStore fresh;
        LanguageFile chooser;
        EXPECT_FALSE(chooser.load(path, fresh, c.lcid).has_value());
        EXPECT_EQ(chooser.index(), c.chosen) << std::hex << c.lcid;
    }
}

TEST_F(LanguageFileTest, NoMatchUsesLanguageZeroAndStoresNothing) {
    EXPECT_FALSE(language.load(write(kTwoLanguages), settings, 0x0407).has_value());
    EXPECT_EQ(language.index(), 0);
    EXPECT_FALSE(settings.value("language").has_value());
    EXPECT_EQ(language.strings().get(UiString{1}), "未打开");
}

TEST_F(LanguageFileTest, UnknownStoredNumberFallsBackToLanguageZero) {
    for (const char* stored : {"7", "-1", "two"}) {
        settings.setValue("language", stored);
        LanguageFile fresh;
        EXPECT_FALSE(fresh.load(write(kTwoLanguages), settings, std::nullopt).has_value());
        EXPECT_EQ(fresh.index(), 0) << stored;
        EXPECT_EQ(fresh.strings().get(UiString{0}), "已载入") << stored;
    }
}

TEST_F(LanguageFileTest, MenuItemsFollowTheLanguagesAndSwitchingAddsNone) {
    const std::string file = R"(<l><a id="0" value="804" text="A" function="a.xml"/>
        <b id="1" value="409" text="B" function="b.xml"/>
        <c id="2" value="407" text="C" function="c.xml"/></l>)";
    const std::string path = write(file);
    EXPECT_FALSE(language.load(path, settings, std::nullopt).has_value());
    ASSERT_EQ(language.languages().size(), 3u);
    EXPECT_EQ(language.languages()[2].caption, "C");
    EXPECT_EQ(language.languages()[1].definitionsFile, "b.xml");
    EXPECT_FALSE(language.choose(2, path, settings, std::nullopt).has_value());
    EXPECT_FALSE(language.choose(0, path, settings, std::nullopt).has_value());
    EXPECT_EQ(language.languages().size(), 3u);
    EXPECT_EQ(settings.value("language"), "0");
}

TEST_F(LanguageFileTest, CaptionsTurnEveryDollarIntoAnAccessKeyMarker) {
    settings.setValue("language", "1");
    ASSERT_FALSE(language.load(write(kTwoLanguages), settings, std::nullopt).has_value());
    EXPECT_EQ(language.caption("Form1", "mnuOpen"), "&Open &now");
    EXPECT_FALSE(language.caption("Form1", "mnuSave").has_value());
    EXPECT_FALSE(language.caption("frmTip", "mnuOpen").has_value());
}

TEST_F(LanguageFileTest, CaptionsFollowTheChosenNumberAndTheFirstElementOfAName) {
    // Two elements carry id 1: the first element of a name in each decides,
    // and one without "Caption" leaves the name to the next such language.
    const std::string path = write(R"xml(<languages>
  <lang id="0" value="804" text="A" function="a.xml"><Form1_mnuOpen Caption="zero"/></lang>
  <lang id="1" value="409" text="B" function="b.xml">
    <Form1_mnuOpen Caption="first"/><Form1_mnuOpen Caption="second"/><Form1_mnuSave/>
  </lang>
  <lang id="1" value="407" text="C" function="c.xml">
    <Form1_mnuOpen Caption="later"/><Form1_mnuSave Caption="from the later one"/>
  </lang>
</languages>)xml");
    settings.setValue("language", "1");
    ASSERT_FALSE(language.load(path, settings, std::nullopt).has_value());
    EXPECT_EQ(language.caption("Form1", "mnuOpen"), "first");
    EXPECT_EQ(language.caption("Form1", "mnuSave"), "from the later one");
    ASSERT_FALSE(language.choose(0, path, settings, std::nullopt).has_value());
    EXPECT_EQ(language.caption("Form1", "mnuOpen"), "zero");
    EXPECT_FALSE(language.caption("Form1", "mnuSave").has_value());
}

TEST_F(LanguageFileTest, MissingFileReportsThePathAndKeepsBuiltinEnglish) {
    const auto failure = language.load("/nonexistent/language.xml", settings, 0x0804);
    ASSERT_TRUE(failure.has_value());
    EXPECT_NE(failure->message.find("/nonexistent/language.xml"), std::string::npos);
    EXPECT_EQ(language.strings().get(UiString{5}), builtinEnglishStrings()[5]);
    EXPECT_FALSE(language.strings().get(UiString{43}).empty());
    EXPECT_FALSE(language.caption("Form1", "mnuOpen").has_value());
}

TEST_F(LanguageFileTest, MalformedFileReportsItsLine) {
    const std::string path = write("<l>\n<a id=\"0\">\n<StringTable>\n</a>\n</l>");
    const auto failure = language.load(path, settings, std::nullopt);
    ASSERT_TRUE(failure.has_value());
    EXPECT_NE(failure->message.find(path), std::string::npos);
    EXPECT_NE(failure->message.find("4"), std::string::npos);
}

TEST_F(LanguageFileTest, StringWithoutTextFailsButKeepsWhatCameBefore) {
    const std::string file = R"(<l><a id="0" value="804" text="A" function="a.xml">
        <StringTable><s text="zero"/><s/><s text="two"/></StringTable></a></l>)";
    EXPECT_TRUE(language.load(write(file), settings, std::nullopt).has_value());
    EXPECT_EQ(language.strings().get(UiString{0}), "zero");
    EXPECT_EQ(language.strings().get(UiString{2}), builtinEnglishStrings()[2]);
}

TEST_F(LanguageFileTest, MissingValueWhileMatchingTheLocaleFailsButKeepsMenuAndStrings) {
    const std::string file = R"(<l><a id="0" text="A" function="a.xml">
        <StringTable><s text="zero"/></StringTable></a></l>)";
    EXPECT_TRUE(language.load(write(file), settings, 0x0804).has_value());
    EXPECT_EQ(language.index(), 0);
    ASSERT_EQ(language.languages().size(), 1u);
    EXPECT_EQ(language.languages()[0].definitionsFile, "a.xml");
    EXPECT_EQ(language.strings().get(UiString{0}), "zero");
}

TEST_F(LanguageFileTest, ChosenLanguageThatCouldNotBeReadFallsBackToTheFirst) {
    settings.setValue("language", "1");
    const std::string file = R"(<l><a id="0" value="804" text="A" function="a.xml"/>
        <b id="1" value="409"/></l>)";
    EXPECT_TRUE(language.load(write(file), settings, std::nullopt).has_value());
    EXPECT_EQ(language.index(), 0);
    EXPECT_EQ(language.languages().size(), 1u);
}

TEST(UiStrings, FormatAndLineBreaks) {
    const UiStrings strings({"a\\nb", "%1 of %2, %3"});
    EXPECT_EQ(strings.multiline(UiString{0}), "a\nb");
    EXPECT_EQ(strings.format(UiString{1}, {"x", "y"}), "x of y, ");
    EXPECT_EQ(strings.get(UiString::ReadFailed),
              builtinEnglishStrings()[static_cast<std::size_t>(UiString::ReadFailed)]);
    EXPECT_EQ(strings.get(UiString{-1}), "");
    EXPECT_EQ(strings.get(UiString{100000}), "");
}

TEST(UiStrings, PluralsTakeTheFormForTheCount) {
    const UiStrings strings({"%1 change|%1 changes", "%1 处更改"});
    EXPECT_EQ(pluralText(strings, UiString{0}, 1, {"1"}), "1 change");
    EXPECT_EQ(pluralText(strings, UiString{0}, 0, {"0"}), "0 changes");
    EXPECT_EQ(pluralText(strings, UiString{0}, 12, {"12"}), "12 changes");
    EXPECT_EQ(pluralText(strings, UiString{1}, 1, {"1"}), "1 处更改"); // one form for all
    EXPECT_EQ(pluralText(strings, UiString{1}, 5, {"5"}), "5 处更改");
}

TEST(LocaleLcid, TableCoversTheShippedLanguagesAndTheChineseRegions) {
    EXPECT_EQ(lcidForLocaleName("zh_CN"), 0x0804);
    EXPECT_EQ(lcidForLocaleName("zh_TW"), 0x0404);
    EXPECT_EQ(lcidForLocaleName("zh_HK"), 0x0C04);
    EXPECT_EQ(lcidForLocaleName("zh_SG"), 0x1004);
    EXPECT_EQ(lcidForLocaleName("en_US"), 0x0409);
    EXPECT_EQ(lcidForLocaleName("en-GB"), 0x0809);
    EXPECT_EQ(lcidForLocaleName("en_gb"), 0x0809);
    EXPECT_EQ(lcidForLocaleName("zh_CN.UTF-8"), 0x0804);
    EXPECT_EQ(lcidForLocaleName("en"), 0x0409);
    EXPECT_FALSE(lcidForLocaleName("C").has_value());
    EXPECT_FALSE(lcidForLocaleName("").has_value());
}
