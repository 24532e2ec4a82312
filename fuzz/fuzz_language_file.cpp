// SPDX-License-Identifier: GPL-3.0-or-later
// language.xml of any content, with any stored choice and system locale: a
// usable language number, every string readable, and captions that agree
// with a plain search of the file as the window would make it.
#include "FuzzCheck.h"
#include "core/base/BitHelpers.h"
#include "core/i18n/LanguageFile.h"
#include "core/settings/SettingsStore.h"

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>

namespace {

// The caption look-up as first written: search the languages in order for
// every control asked about.
std::optional<std::string> searchedCaption(const vantrel::LanguageFile& language,
                                           const std::string& name) {
    for (const auto& element : language.document().root().children()) {
        const auto id = vantrel::parseDecimal(element.attribute("id").value_or(""));
        if (!id || *id != language.index())
            continue;
        auto text = element.child(name).attribute("Caption");
        if (!text)
            continue;
        for (char& c : *text) {
            if (c == '$')
                c = '&';
        }
        return text;
    }
    return std::nullopt;
}

const std::string& scratchPath() {
    static const std::string path = [] {
        const char* dir = std::getenv("TMPDIR");
        return std::string(dir ? dir : "/tmp") + "/vantrel-fuzz-language-" +
               std::to_string(::getpid()) + ".xml";
    }();
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    vantrel::MemorySettingsStore settings;
    if (data[0] != 0)
        settings.setValue("language", std::to_string(static_cast<int>(data[0]) - 2));
    const std::optional<std::int32_t> lcid =
        data[1] == 0 ? std::nullopt : std::optional<std::int32_t>(data[1] == 1 ? 0x804 : 0x409);
    std::ofstream(scratchPath(), std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data) + 2, static_cast<std::streamsize>(size - 2));

    vantrel::LanguageFile language;
    (void)language.load(scratchPath(), settings, lcid);
    const auto count = language.languages().size();
    FUZZ_CHECK(language.index() >= 0);
    FUZZ_CHECK(count == 0 ? language.index() == 0
                          : static_cast<std::size_t>(language.index()) < count);
    for (int n = -1; n < 64; ++n)
        (void)language.strings().get(static_cast<vantrel::UiString>(n));
    if (!language.document().isLoaded())
        return 0;

    for (const auto& element : language.document().root().children()) {
        for (const auto& control : element.children()) {
            const std::string name = control.name();
            const auto separator = name.find('_');
            if (separator == std::string::npos)
                continue;
            const auto caption =
                language.caption(name.substr(0, separator), name.substr(separator + 1));
            FUZZ_CHECK(caption == searchedCaption(language, name));
            FUZZ_CHECK(!caption || caption->find('$') == std::string::npos);
        }
    }
    return 0;
}
