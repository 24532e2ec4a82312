// SPDX-License-Identifier: GPL-3.0-or-later
// The built program as scripts use it: exit status, stdout and stderr apart,
// standard input and output, and JSON checked against the man page's schemas.
#include "CliFixture.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <map>
#include <regex>

namespace vantrel::cli::testing {

namespace {

using nlohmann::json;

struct Ran {
    int status = -1;
    std::string out;
    std::string err;
};

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class Scripting : public CliFixture {
  protected:
    // Runs a shell line in which $CLI is the tool with the bundled data.
    Ran shell(const std::string& line) {
        std::ofstream(path("run.sh"))
            << "cli() { '" << VANTREL_CLI_PATH << "' --data-dir '" << VANTREL_DATA_DIR
            << "' --lang 0 \"$@\"; }\nraw() { '" << VANTREL_CLI_PATH << "' \"$@\"; }\ncd '"
            << path("") << "' || exit 99\n{ "
            << std::regex_replace(std::regex_replace(line, std::regex(R"(\$CLI)"), "cli"),
                                  std::regex(R"(\$RAW)"), "raw")
            << "\n} 2>'" << path("stderr.txt") << "'\n";
        Ran ran;
        FILE* pipe = ::popen(("sh '" + path("run.sh") + "'").c_str(), "r");
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            ran.out.append(buffer, n);
        const int status = ::pclose(pipe);
        ran.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        ran.err = slurp(path("stderr.txt"));
        return ran;
    }
};

TEST_F(Scripting, OutputThatCannotBeWrittenIsAFailure) {
    const Ran full = shell("$CLI show 0032_0001.seem >/dev/full");
    EXPECT_EQ(full.status, 2);
    EXPECT_NE(full.err.find("cannot write the output"), std::string::npos) << full.err;
    // The reader is gone before the tool writes, whether SIGPIPE is ignored
    // or at its default: the write fails and says so, no signal ends the tool.
    for (const char* trap : {"trap '' PIPE;", ""}) {
        const Ran pipe = shell(std::string("{ sleep 0.3; ") + trap +
                               " $CLI types; echo $? >status; } | head -c0; cat status");
        EXPECT_EQ(pipe.out, "2\n") << trap;
        EXPECT_NE(pipe.err.find("cannot write the output: Broken pipe"), std::string::npos)
            << pipe.err;
    }
}

TEST_F(Scripting, DashIsStandardInputAndOutput) {
    Ran ran = shell("$CLI identify - < 0a1c_0001.seem");
    EXPECT_EQ(ran.out, "-\t0a1c_0001\tvolume\n") << ran.err;
    ran = shell("$CLI switch 0032_0001.seem Keys/Sound off -o - | cmp - 0032_0001.seem; echo $?");
    EXPECT_NE(ran.out.find("byte 27"), std::string::npos) << ran.out << ran.err;
    EXPECT_FALSE(std::filesystem::exists(path("-")));
    write("-", bytes(sample("0a1c_0001.seem")));
    EXPECT_EQ(shell("$CLI identify -- ./-").out.substr(0, 19), "./-\t0a1c_0001\tvolum");
    ran = shell("$CLI title 0d51_0001.seem -- --json");
    EXPECT_EQ(ran.status, 2); // "--json" is a text here, and one too long for a title
    EXPECT_NE(ran.err.find("at most five"), std::string::npos) << ran.err;
}

TEST_F(Scripting, UsageErrorsAreOneLineAndOptionsTakeEqualsSigns) {
    Ran ran = shell("$RAW --lang=0 --data-dir=\"" + std::string(VANTREL_DATA_DIR) +
                    "\" identify 0032_0001.seem --json");
    EXPECT_EQ(ran.status, 0) << ran.err;
    EXPECT_EQ(json::parse(ran.out)[0]["id"], "0032_0001");
    ran = shell("$CLI show --bogus 0032_0001.seem");
    EXPECT_EQ(ran.status, 1);
    EXPECT_EQ(std::count(ran.err.begin(), ran.err.end(), '\n'), 2) << ran.err;
    EXPECT_NE(ran.err.find("vantrel-cli show --help"), std::string::npos);
}

TEST_F(Scripting, BadArgumentsAreRefusedWithoutACrash) {
    for (const char* line :
         {"$CLI scan /nonexistent", "$CLI scan 0032_0001.seem", "$RAW --data-dir '' types",
          "$RAW --definitions '' types", "$CLI switch 0032_0001.seem Keys/Sound off -o ''"}) {
        const Ran ran = shell(line);
        EXPECT_EQ(ran.status, 2) << line << ran.err;
        EXPECT_NE(ran.err.find("vantrel-cli: "), std::string::npos) << line;
    }
}

TEST_F(Scripting, ABatchReportsAFailedFileInItsPlaceAndGoesOn) {
    write("empty.seem", {});
    write("big.seem", std::vector<unsigned char>(5001, 0));
    Ran ran = shell("$CLI identify empty.seem 0032_0001.seem big.seem");
    EXPECT_EQ(ran.status, 2);
    EXPECT_EQ(ran.out, "empty.seem\t-\terror: the file is empty\n0032_0001.seem\t0032_0001\t"
                       "function\nbig.seem\t-\terror: larger than 5000 bytes, not a seem file\n");
    ran = shell("mkfifo fifo && $CLI identify fifo");
    EXPECT_NE(ran.out.find("FIFO"), std::string::npos); // refused without opening, so no hang
    ran = shell("$CLI --json show empty.seem 0a1c_0001.seem");
    EXPECT_EQ(ran.status, 2);
    const json shown = json::parse(ran.out);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0]["error"], "the file is empty");
    EXPECT_EQ(shown[1]["type"], "volume");
}

TEST_F(Scripting, AVolumeOutsideItsRangeShowsTheStoredByte) {
    auto volume = bytes(sample("0a1c_0001.seem"));
    volume[0x14] = 0x14; // Earpiece, 0..15
    write("loud.seem", volume);
    EXPECT_NE(shell("$CLI show loud.seem").out.find("Earpiece = 20 (above max 15) (0..15"),
              std::string::npos);
    const json item = json::parse(shell("$CLI --json show loud.seem").out)[0]["items"][4];
    EXPECT_EQ(item["value"], 20);
    EXPECT_EQ(item["in_range"], false);
    EXPECT_NE(shell("$CLI diff 0a1c_0001.seem loud.seem").out.find("9 → 20 (above max 15)"),
              std::string::npos);
}

TEST_F(Scripting, ACutTextWarnsAndStrictRefuses) {
    Ran ran = shell("$CLI outertext 'MOTOROLA V3' -o outer.seem");
    EXPECT_EQ(ran.status, 0);
    EXPECT_NE(ran.err.find("warning: the text does not fit and was cut to \"MOTOROLA\""),
              std::string::npos)
        << ran.err;
    ran = shell("$CLI outertext 'MOTOROLA V3' --strict -o strict.seem");
    EXPECT_EQ(ran.status, 2);
    EXPECT_FALSE(std::filesystem::exists(path("strict.seem")));
    EXPECT_EQ(shell("$CLI outertext MOTO --strict -o fits.seem").err, "");
}

// A definitions document in which two rows share the name "Mode B".
void writeTwiceNamedDefinitions(const std::string& file) {
    std::ofstream(file) << R"(<seems>
  <seem ID="S" size="4" tip="" type="style">
    <row ID="Mode B" offset="01" val1="01" val2="00"/>
    <row ID="Mode B" offset="02" val1="01" val2="00"/>
  </seem>
</seems>)";
}

TEST_F(Scripting, AnAmbiguousNameIsRefusedWithNamesForEachCandidate) {
    writeTwiceNamedDefinitions(path("twice.xml"));
    write("s.seem", {0, 0, 0, 0});
    Ran ran = shell("$RAW --definitions twice.xml style s.seem 'Mode B' on");
    EXPECT_EQ(ran.status, 2);
    EXPECT_NE(ran.err.find("give one of: \"Mode B#1\", \"Mode B#2\""), std::string::npos)
        << ran.err;
    EXPECT_EQ(bytes(path("s.seem")), (std::vector<unsigned char>{0, 0, 0, 0}));
    ran = shell("$RAW --definitions twice.xml style s.seem 'Mode B#2' on");
    EXPECT_EQ(ran.status, 0) << ran.err;
    EXPECT_EQ(bytes(path("s.seem")), (std::vector<unsigned char>{0, 0, 1, 0}));
}

TEST_F(Scripting, CheckWarnsOfADuplicateNameAndStrictMakesItAFailure) {
    writeTwiceNamedDefinitions(path("twice.xml"));
    const Ran ran = shell("$RAW check twice.xml");
    EXPECT_EQ(ran.status, 0); // a warning only
    EXPECT_NE(ran.out.find("twice.xml:4:5: warning: \"Mode B\" is also the name at line 3"),
              std::string::npos)
        << ran.out;
    EXPECT_EQ(shell("$RAW check --strict twice.xml").status, 2);
}

TEST_F(Scripting, CheckFailsOnAnErrorInLanguageFileAlone) {
    std::filesystem::copy(std::string(VANTREL_DATA_DIR) + "/seem_en.xml", path("seem_en.xml"));
    std::ofstream(path("language.xml"))
        << "<languages>\n  <language id=\"0\" value=\"409\" text=\"English\" "
           "function=\"seem_en.xml\"/>\n  <language id=\"1\" text=\"None\"/>\n</languages>";
    const Ran ran = shell("$RAW --data-dir . check");
    EXPECT_EQ(ran.status, 2);
    EXPECT_NE(ran.out.find("language.xml:3:3: error:"), std::string::npos) << ran.out << ran.err;
}

TEST_F(Scripting, ColourEditsRefuseShortHexAndRoundHalfwayToEven) {
    const auto before = bytes(sample("0d51_0001.seem"));
    for (const char* rgb : {"'#FFF'", "'#1234567'"}) {
        EXPECT_EQ(shell(std::string("$CLI color 0d51_0001.seem 'Menus/Menu Text' ") + rgb).status,
                  2);
        EXPECT_EQ(bytes(sample("0d51_0001.seem")), before);
    }
    // 30% of 255 is 76.5 exactly: the byte between 0x4C and 0x4D is the even one.
    ASSERT_EQ(
        shell("$CLI color 0d51_0001.seem 'Menus/Menu Text' '#FF8000' --transparency 30").status, 0);
    EXPECT_EQ(bytes(sample("0d51_0001.seem"))[0x37], 0x4C);
}

// A small JSON Schema reader: type, properties (nothing else allowed),
// required, items and anyOf are all the man page uses.
bool matches(const json& schema, const json& value, std::string& why);

bool matchesType(const std::string& type, const json& value) {
    static const std::map<std::string, bool (json::*)() const noexcept> kinds = {
        {"object", &json::is_object},   {"array", &json::is_array},
        {"string", &json::is_string},   {"integer", &json::is_number_integer},
        {"boolean", &json::is_boolean}, {"null", &json::is_null}};
    return (value.*kinds.at(type))();
}

bool matches(const json& schema, const json& value, std::string& why) {
    if (schema.contains("anyOf")) {
        for (const json& choice : schema["anyOf"]) {
            if (std::string ignored; matches(choice, value, ignored))
                return true;
        }
        why = "no choice fits " + value.dump();
        return false;
    }
    const json types = schema["type"].is_array() ? schema["type"] : json::array({schema["type"]});
    if (std::none_of(types.begin(), types.end(),
                     [&](const json& type) { return matchesType(type, value); })) {
        why = value.dump() + " is not " + schema["type"].dump();
        return false;
    }
    if (value.is_object() && schema.contains("properties")) {
        for (const auto& [name, member] : value.items()) {
            if (!schema["properties"].contains(name))
                return why = "undocumented member " + name, false;
            if (!matches(schema["properties"][name], member, why))
                return false;
        }
        for (const json& name : schema.value("required", json::array())) {
            if (!value.contains(name))
                return why = "missing " + name.dump(), false;
        }
    }
    if (value.is_array() && schema.contains("items")) {
        for (const json& element : value) {
            if (!matches(schema["items"], element, why))
                return false;
        }
    }
    return true;
}

// Each ".SS name" of JSON OUTPUT: its first .nf block is the schema, the second the example.
std::map<std::string, json> manPageSchemas() {
    const std::string page = slurp(std::string(VANTREL_SOURCE_DIR) + "/packaging/vantrel-cli.1");
    const std::string section = page.substr(page.find(".SH JSON OUTPUT"));
    std::map<std::string, json> schemas;
    const std::regex block(
        R"(\.SS ([^\n]*)\n(?:[^.][^\n]*\n|\.[^n][^\n]*\n)*?\.nf\n([\s\S]*?)\.fi\n\.nf\n([\s\S]*?)\.fi)");
    for (auto it = std::sregex_iterator(section.begin(), section.end(), block);
         it != std::sregex_iterator(); ++it) {
        std::string name = (*it)[1];
        name = std::regex_replace(name, std::regex(R"(\\-)"), "-");
        json schema = json::parse((*it)[2].str());
        std::string why;
        EXPECT_TRUE(matches(schema, json::parse((*it)[3].str()), why)) << name << ": " << why;
        for (const std::string& each : {name}) {
            std::stringstream names(std::regex_replace(each, std::regex(", "), ","));
            for (std::string one; std::getline(names, one, ',');)
                schemas[one] = schema;
        }
    }
    return schemas;
}

TEST_F(Scripting, EveryCommandsJsonFollowsTheManPage) {
    const auto schemas = manPageSchemas();
    ASSERT_EQ(schemas.size(), 22u);
    const std::string odd = "odd\xff.seem";
    write(odd, bytes(sample("0032_0001.seem")));
    const std::pair<const char*, std::string> runs[] = {
        {"types", "types"},
        {"identify", "identify '" + odd + "' missing.seem 0032_0001.seem"},
        {"identify --explain", "identify --explain '" + odd + "' missing.seem"},
        {"dump", "dump '" + odd + "'"},
        {"show", "show '" + odd +
                     "' missing.seem 0a1c_0001.seem 004a_0001.seem 0d51_0001.seem "
                     "0061_0001.seem 01a8_0001.seem"},
        {"switch", "switch '" + odd + "' Keys/Sound off"},
        {"style", "style 004a_0001.seem 'Outer Clock: Analogue' on -o out.seem"},
        {"volume", "volume 0a1c_0001.seem --reset"},
        {"color", "color 0d51_0001.seem 'Menus/Menu Text' '#FF8000'"},
        {"title", "title 0d51_0001.seem Dusk"},
        {"outertext", "outertext MOTO -o '" + odd + "'"},
        {"gprs", "gprs --date -o gprs.seem"},
        {"scan", "scan ."},
        {"check", "check"},
        {"diff", "diff 0032_0001.seem '" + odd + "'"},
        {"diff (folders)", "diff monday friday"},
        {"diff --suggest", "diff --suggest 0032_0001.seem friday/0032_0001.seem"},
        {"coverage", "coverage 0a1c_0001.seem"},
        {"apply", "apply sound.json monday/0032_0001.seem missing.seem"},
        {"recover", "recover 0032_0001.seem"},
        {"play", "play '" + std::string(VANTREL_SOURCE_DIR) +
                     "/tests/scenarios/volume.scenario' -o out.seem"},
        {"find", "find sound 0032_0001.seem '" + odd + "' missing.seem monday"},
        {"find", "find --bytes 'A5 ?\?' 0032_0001.seem"},
    };
    shell("mkdir monday friday && cp 0032_0001.seem 0a1c_0001.seem monday && "
          "cp 0061_0001.seem friday && mkdir friday/0a1c_0001.seem && "
          "$CLI switch monday/0032_0001.seem Keys/Sound off -o friday/0032_0001.seem");
    const std::string recipe = R"({"version": 1, "entries": [)"
                               R"({"seem": "0032_0001", "switch": "Keys/Sound", "value": "off"},)"
                               R"({"seem": "missing", "switch": "Keys/Sound", "value": "off"}]})";
    write("sound.json", {recipe.begin(), recipe.end()});
    // An independent validator holds each output to its schema as well, where there is one.
    json checks = json::array();
    for (const auto& [name, arguments] : runs) {
        const Ran ran = shell("$CLI --json " + arguments);
        json output;
        ASSERT_NO_THROW(output = json::parse(ran.out)) << name << ": " << ran.out << ran.err;
        std::string why;
        EXPECT_TRUE(matches(schemas.at(name), output, why)) << name << ": " << why;
        checks.push_back({schemas.at(name), output});
    }
    if (shell("python3 -c 'import jsonschema'").status == 0) {
        std::ofstream(path("checks.json")) << checks.dump();
        const Ran checked = shell("python3 -c 'import json, jsonschema\n"
                                  "for schema, output in json.load(open(\"checks.json\")):\n"
                                  "    jsonschema.validate(output, schema)'");
        EXPECT_EQ(checked.status, 0) << checked.err;
        const Ran exported = shell(
            "$CLI export --bytes 0032_0001.seem 0d51_0001.seem 0a1c_0001.seem > recipe.json && "
            "python3 -c 'import json, jsonschema; jsonschema.Draft202012Validator(json.load(open("
            "\"" +
            std::string(VANTREL_DATA_DIR) +
            "/recipe-1.schema.json\"))).validate("
            "json.load(open(\"recipe.json\")))'");
        EXPECT_EQ(exported.status, 0) << exported.err;
    }
    const json edit = json::parse(shell("$CLI --json switch 0032_0001.seem Keys/Sound off").out);
    EXPECT_EQ(edit["changes"], json::parse(R"([{"setting":"Keys/Sound","old":"on","new":"off"}])"));
    EXPECT_EQ(edit["offsets"], json::array({0x1A}));
    const json identified = json::parse(shell("$CLI --json identify '" + odd + "'").out);
    EXPECT_EQ(identified[0]["path"], "odd\xEF\xBF\xBD.seem");
    EXPECT_EQ(identified[0]["path_bytes"], "6f6464ff2e7365656d");
}

TEST_F(Scripting, TheManPageRendersWithoutWarnings) {
    const std::string page = std::string(VANTREL_SOURCE_DIR) + "/packaging/vantrel-cli.1";
    const Ran groff = shell("groff -ww -man -Tutf8 '" + page + "' >/dev/null");
    EXPECT_EQ(groff.err, "");
    const Ran man = shell("MANWIDTH=100 man -l '" + page + "'");
    EXPECT_NE(man.out.find("[--transparency PERCENT]\n"), std::string::npos);
    EXPECT_NE(man.out.find("gprs   (--date | --nothing | --text TEXT) -o OUT"), std::string::npos)
        << man.out;
}

} // namespace

} // namespace vantrel::cli::testing
