// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/i18n/BuiltinStrings.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

const std::filesystem::path dataDir{VANTREL_DATA_DIR};

// Child elements only, in document order.
std::vector<pugi::xml_node> elements(const pugi::xml_node& parent) {
    std::vector<pugi::xml_node> result;
    for (auto child : parent.children())
        if (child.type() == pugi::node_element)
            result.push_back(child);
    return result;
}

// The file's first node must be its root element: the program reads the
// first child of the document as the root.
pugi::xml_node loadRoot(pugi::xml_document& doc, const std::filesystem::path& path) {
    const auto result = doc.load_file(path.c_str());
    EXPECT_TRUE(result) << path << ": " << result.description() << " at " << result.offset;
    auto first = doc.first_child();
    EXPECT_EQ(first.type(), pugi::node_element) << path << " does not begin with its root";
    return first;
}

std::optional<unsigned> hexValue(const std::string& text) {
    if (text.empty() || text.size() > 4)
        return std::nullopt;
    for (char c : text)
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return std::nullopt;
    return static_cast<unsigned>(std::stoul(text, nullptr, 16));
}

std::optional<int> decimalValue(const std::string& text) {
    if (text.empty() || text.size() > 6)
        return std::nullopt;
    for (char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return std::nullopt;
    return std::stoi(text);
}

std::vector<std::string> splitBars(const std::string& text) {
    std::vector<std::string> parts(1);
    for (char c : text) {
        if (c == '|')
            parts.emplace_back();
        else
            parts.back() += c;
    }
    return parts;
}

int countOf(const std::string& text, const std::string& what) {
    int n = 0;
    for (auto pos = text.find(what); pos != std::string::npos; pos = text.find(what, pos + 1))
        ++n;
    return n;
}

struct Language {
    std::string name;
    std::vector<std::string> strings;
    std::map<std::string, std::string> captions;
    std::string definitions;
};

std::vector<Language> readLanguages(pugi::xml_document& doc) {
    std::vector<Language> result;
    const auto root = loadRoot(doc, dataDir / "language.xml");
    const auto languages = elements(root);
    for (std::size_t i = 0; i < languages.size(); ++i) {
        const auto& lang = languages[i];
        Language l;
        l.name = lang.attribute("text").as_string();
        l.definitions = lang.attribute("function").as_string();
        EXPECT_EQ(lang.attribute("id").as_string(), std::to_string(i))
            << l.name << ": the id must be the language's position";
        EXPECT_TRUE(hexValue(lang.attribute("value").as_string())) << l.name;
        int tables = 0;
        for (const auto& child : elements(lang)) {
            const std::string name = child.name();
            if (name == "StringTable") {
                ++tables;
                for (const auto& s : elements(child)) {
                    EXPECT_TRUE(s.attribute("text")) << l.name << ": string without text";
                    l.strings.push_back(s.attribute("text").as_string());
                }
            } else {
                EXPECT_TRUE(child.attribute("Caption")) << l.name << ": " << name;
                EXPECT_TRUE(l.captions.emplace(name, child.attribute("Caption").as_string()).second)
                    << l.name << ": caption " << name << " given twice";
            }
        }
        EXPECT_EQ(tables, 1) << l.name;
        result.push_back(std::move(l));
    }
    return result;
}

std::set<std::string> keysOf(const std::map<std::string, std::string>& map) {
    std::set<std::string> keys;
    for (const auto& [key, value] : map)
        keys.insert(key);
    return keys;
}

} // namespace

TEST(LanguageFile, TablesAreCompleteAndMatchTheBuiltinEnglish) {
    pugi::xml_document doc;
    const auto languages = readLanguages(doc);
    ASSERT_EQ(languages.size(), 2u);
    // English comes first, so a user whose language is not listed gets it.
    EXPECT_EQ(languages[0].name, "English");
    EXPECT_EQ(languages[1].name, "简体中文");

    for (const auto& lang : languages) {
        ASSERT_EQ(lang.strings.size(), vantrel::builtinEnglishStrings().size()) << lang.name;
        for (std::size_t i = 0; i < lang.strings.size(); ++i)
            EXPECT_FALSE(lang.strings[i].empty()) << lang.name << " string " << i;

        for (int filter : {8, 23, 25}) {
            const auto parts = splitBars(lang.strings[filter]);
            EXPECT_EQ(parts.size() % 2, 0u) << lang.name << " filter " << filter;
            for (const auto& part : parts)
                EXPECT_FALSE(part.empty()) << lang.name << " filter " << filter;
        }

        // Menu captions: exactly one access key, on a character.
        for (int menu : {14, 15}) {
            const auto& text = lang.strings[menu];
            EXPECT_EQ(countOf(text, "&"), 1) << lang.name << " string " << menu;
            EXPECT_NE(text.back(), '&') << lang.name << " string " << menu;
        }

        // The cell status line joins 17..20 without separators.
        for (int label : {18, 19, 20})
            EXPECT_EQ(lang.strings[label].front(), ' ') << lang.name << " string " << label;

        // Every placeholder a caller fills in is there, and no other.
        const std::map<vantrel::UiString, int> placeholders{
            {vantrel::UiString::ReadFailed, 2},        {vantrel::UiString::EmptyFile, 1},
            {vantrel::UiString::SaveFailed, 2},        {vantrel::UiString::InvalidCell, 2},
            {vantrel::UiString::MalformedXml, 3},      {vantrel::UiString::StartupFailed, 1},
            {vantrel::UiString::RecentFileMissing, 1}, {vantrel::UiString::OffsetNotHex, 1},
            {vantrel::UiString::OffsetNotDecimal, 1},  {vantrel::UiString::OffsetBeyondEnd, 3},
            {vantrel::UiString::DroppedSeveral, 2},    {vantrel::UiString::NoSuchFile, 1},
            {vantrel::UiString::ExtraArguments, 1},    {vantrel::UiString::ColorNotHex, 1},
            {vantrel::UiString::OuterTextStored, 1},   {vantrel::UiString::HelpNotOpened, 1},
            {vantrel::UiString::VolumeOutsideRange, 3}};
        for (const auto& [number, count] : placeholders) {
            const auto& text = lang.strings[static_cast<std::size_t>(number)];
            for (int p = 1; p <= 9; ++p)
                EXPECT_EQ(countOf(text, "%" + std::to_string(p)), p <= count ? 1 : 0)
                    << lang.name << " string " << static_cast<int>(number) << " %" << p;
        }

        for (const auto& [name, caption] : lang.captions) {
            EXPECT_FALSE(caption.empty()) << lang.name << ": " << name;
            EXPECT_LE(countOf(caption, "$"), 1) << lang.name << ": " << name;
            EXPECT_NE(caption.back(), '$') << lang.name << ": " << name;
        }
        // These would override texts the program sets itself.
        EXPECT_EQ(lang.captions.count("Form1_mnuLans"), 0u) << lang.name;
        EXPECT_EQ(lang.captions.count("Form1_mnuFileList"), 0u) << lang.name;

        EXPECT_TRUE(std::filesystem::exists(dataDir / lang.definitions)) << lang.definitions;
    }

    EXPECT_EQ(languages[0].strings, vantrel::builtinEnglishStrings());
    EXPECT_EQ(keysOf(languages[0].captions), keysOf(languages[1].captions));
}

namespace {

struct SeemType {
    std::string id;
    std::string type;
    int size = 0;
    pugi::xml_node node;
};

std::vector<SeemType> readTypes(pugi::xml_document& doc, const std::string& file) {
    std::vector<SeemType> types;
    const auto root = loadRoot(doc, dataDir / file);
    for (const auto& seem : elements(root)) {
        SeemType t;
        t.id = seem.attribute("ID").as_string();
        t.type = seem.attribute("type").as_string();
        EXPECT_TRUE(seem.attribute("ID") && seem.attribute("tip") && seem.attribute("type"))
            << file << ": " << t.id;
        const auto size = decimalValue(seem.attribute("size").as_string());
        EXPECT_TRUE(size) << file << ": " << t.id;
        t.size = size.value_or(0);
        t.node = seem;
        types.push_back(t);
    }
    return types;
}

// Walks a function tree, collecting every switch as offset text, bit text.
void collectSwitches(const pugi::xml_node& parent, const std::string& where,
                     std::vector<std::pair<std::string, std::string>>& out) {
    for (const auto& item : elements(parent)) {
        EXPECT_TRUE(item.attribute("ID")) << where;
        const bool hasOffset = bool(item.attribute("offset"));
        const bool hasBit = bool(item.attribute("bit"));
        EXPECT_EQ(hasOffset, hasBit) << where << ": " << item.attribute("ID").as_string();
        if (hasOffset)
            out.emplace_back(item.attribute("offset").as_string(),
                             item.attribute("bit").as_string());
        else
            EXPECT_FALSE(elements(item).empty()) << where << ": empty folder";
        collectSwitches(item, where, out);
    }
}

void checkFunction(const SeemType& t, const std::string& file,
                   std::vector<std::pair<std::string, std::string>>& switches) {
    collectSwitches(t.node, file, switches);
    std::set<std::pair<unsigned, int>> seen;
    for (const auto& [offsetText, bitText] : switches) {
        const auto offset = hexValue(offsetText);
        const auto bit = decimalValue(bitText);
        ASSERT_TRUE(offset && bit) << file << ": " << offsetText << "/" << bitText;
        EXPECT_LT(*offset, static_cast<unsigned>(t.size)) << file << ": offset " << offsetText;
        EXPECT_LE(*bit, 7) << file << ": offset " << offsetText;
        // An offset text equal to its bit text would make the switch a folder.
        EXPECT_NE(offsetText, bitText) << file;
        EXPECT_TRUE(seen.emplace(*offset, *bit).second)
            << file << ": switch " << offsetText << "/" << bitText << " given twice";
    }
}

void checkColour(const SeemType& t, const std::string& file, std::vector<unsigned>& offsets) {
    std::vector<bool> used(static_cast<std::size_t>(t.size), false);
    for (std::size_t title = 8; title <= 17; ++title)
        used[title] = true;
    for (const auto& group : elements(t.node)) {
        EXPECT_TRUE(group.attribute("ID")) << file;
        for (const auto& entry : elements(group)) {
            const auto offset = hexValue(entry.attribute("offset").as_string());
            ASSERT_TRUE(offset) << file << ": " << entry.attribute("ID").as_string();
            offsets.push_back(*offset);
            ASSERT_LE(*offset + 4, static_cast<unsigned>(t.size))
                << file << ": colour at " << *offset << " runs past the end";
            for (unsigned b = *offset; b < *offset + 4; ++b) {
                EXPECT_FALSE(used[b]) << file << ": colour at " << *offset << " overlaps at " << b;
                used[b] = true;
            }
        }
    }
}

void checkStyle(const SeemType& t, const std::string& file, std::vector<unsigned>& offsets) {
    std::set<std::string> keys;
    for (const auto& row : elements(t.node)) {
        const std::string o = row.attribute("offset").as_string();
        const std::string v1 = row.attribute("val1").as_string();
        const std::string v2 = row.attribute("val2").as_string();
        const auto offset = hexValue(o);
        ASSERT_TRUE(offset) << file << ": " << row.attribute("ID").as_string();
        offsets.push_back(*offset);
        EXPECT_LT(*offset, static_cast<unsigned>(t.size)) << file;
        EXPECT_LE(hexValue(v1).value_or(256), 255u) << file << ": val1 " << v1;
        EXPECT_LE(hexValue(v2).value_or(256), 255u) << file << ": val2 " << v2;
        EXPECT_TRUE(keys.insert(o + "_" + v1 + "_" + v2).second) << file << ": row " << o;
    }
}

void checkVolume(const SeemType& t, const std::string& file, std::vector<unsigned>& offsets) {
    const auto items = elements(t.node);
    EXPECT_EQ(items.size(), 5u) << file;
    for (const auto& item : items) {
        const auto offset = hexValue(item.attribute("offset").as_string());
        const auto def = decimalValue(item.attribute("default").as_string());
        const auto min = decimalValue(item.attribute("min").as_string());
        const auto max = decimalValue(item.attribute("max").as_string());
        ASSERT_TRUE(offset && def && min && max)
            << file << ": " << item.attribute("ID").as_string();
        offsets.push_back(*offset);
        EXPECT_LT(*offset, static_cast<unsigned>(t.size)) << file;
        EXPECT_LE(*min, *def) << file;
        EXPECT_LE(*def, *max) << file;
        EXPECT_LE(*max, 255) << file;
    }
}

} // namespace

TEST(Definitions, BothLanguagesDescribeTheSameValidTypes) {
    pugi::xml_document zhDoc;
    pugi::xml_document enDoc;
    const auto zh = readTypes(zhDoc, "seem_zh.xml");
    const auto en = readTypes(enDoc, "seem_en.xml");
    ASSERT_FALSE(en.empty());
    ASSERT_EQ(zh.size(), en.size());

    for (std::size_t i = 0; i < en.size(); ++i) {
        EXPECT_EQ(zh[i].id, en[i].id) << "type " << i;
        EXPECT_EQ(zh[i].type, en[i].type) << "type " << i;
        EXPECT_EQ(zh[i].size, en[i].size) << "type " << i;
        // A file one byte longer than a type also opens as that type, so
        // sizes closer than 2 would make one type hide another.
        for (std::size_t j = 0; j < i; ++j)
            EXPECT_GE(std::abs(en[i].size - en[j].size), 2) << en[i].id << " and " << en[j].id;
        if (en[i].type == "outertext") {
            EXPECT_EQ(en[i].size, 34);
        }
        if (en[i].type == "gprs") {
            EXPECT_EQ(en[i].size, 26);
        }
    }

    for (std::size_t i = 0; i < en.size(); ++i) {
        std::vector<std::pair<std::string, std::string>> zhSwitches, enSwitches;
        std::vector<unsigned> zhOffsets, enOffsets;
        const auto& kind = en[i].type;
        if (kind == "function") {
            checkFunction(zh[i], "seem_zh.xml", zhSwitches);
            checkFunction(en[i], "seem_en.xml", enSwitches);
            EXPECT_FALSE(enSwitches.empty());
        } else if (kind == "color") {
            checkColour(zh[i], "seem_zh.xml", zhOffsets);
            checkColour(en[i], "seem_en.xml", enOffsets);
        } else if (kind == "style") {
            checkStyle(zh[i], "seem_zh.xml", zhOffsets);
            checkStyle(en[i], "seem_en.xml", enOffsets);
        } else if (kind == "volume") {
            checkVolume(zh[i], "seem_zh.xml", zhOffsets);
            checkVolume(en[i], "seem_en.xml", enOffsets);
        }
        // The translations differ in their texts only.
        EXPECT_EQ(zhSwitches, enSwitches) << en[i].id;
        EXPECT_EQ(zhOffsets, enOffsets) << en[i].id;
    }
}

TEST(Definitions, EverySampleFileHasItsTypesSize) {
    pugi::xml_document doc;
    const auto types = readTypes(doc, "seem_en.xml");
    for (const auto& t : types) {
        const auto path = dataDir / "samples" / (t.id + ".seem");
        ASSERT_TRUE(std::filesystem::exists(path)) << path;
        EXPECT_EQ(std::filesystem::file_size(path), static_cast<std::uintmax_t>(t.size)) << path;
        if (t.type != "volume")
            continue;
        // The sliders are set from these bytes: they must lie in range.
        std::ifstream in(path, std::ios::binary);
        const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in), {}};
        for (const auto& item : elements(t.node)) {
            const auto offset = hexValue(item.attribute("offset").as_string()).value_or(0);
            ASSERT_LT(offset, bytes.size());
            const int level = bytes[offset];
            EXPECT_GE(level, item.attribute("min").as_int()) << path << " at " << offset;
            EXPECT_LE(level, item.attribute("max").as_int()) << path << " at " << offset;
        }
    }
}
