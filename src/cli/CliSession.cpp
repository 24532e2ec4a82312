// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliSession.h"

#include "core/definitions/DefinitionsFailure.h"
#include "core/files/AppDir.h"
#include "core/i18n/LocaleLcid.h"

#include <cstdlib>
#include <filesystem>

namespace vantrel::cli {

namespace fs = std::filesystem;

namespace {

std::string withSeparator(std::string folder) {
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

} // namespace

std::string programFolder() {
    std::error_code error;
    const fs::path exe = fs::read_symlink("/proc/self/exe", error);
    if (error)
        return "./";
    return withSeparator(locateAppDir(exe.parent_path()).string());
}

std::optional<std::int32_t> environmentLcid() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0')
            return lcidForLocaleName(value);
    }
    return std::nullopt;
}

std::optional<Failure> locateData(const CliOptions& options, CliData& data) {
    // An empty name would quietly mean the current folder or the bundled data.
    if (options.definitionsFile && options.definitionsFile->empty())
        return Failure{"--definitions: the file name is empty"};
    if (options.dataDir && options.dataDir->empty())
        return Failure{"--data-dir: the folder name is empty"};
    if (options.definitionsFile) {
        data.definitionsPath = *options.definitionsFile;
        data.allDefinitions = {*options.definitionsFile};
        return std::nullopt;
    }
    data.dataDir = withSeparator(options.dataDir.value_or(programFolder()));
    data.languagePath = data.dataDir + "language.xml";
    MemorySettingsStore settings;
    if (options.language)
        settings.setValue("language", std::to_string(*options.language));
    const auto failure = data.language.load(data.languagePath, settings, environmentLcid());
    const auto& languages = data.language.languages();
    if (languages.empty())
        return failure ? *failure : Failure{data.languagePath + ": no language is listed"};
    if (options.language && static_cast<std::size_t>(*options.language) >= languages.size())
        return Failure{data.languagePath + ": there is no language " +
                       std::to_string(*options.language)};
    const auto chosen = static_cast<std::size_t>(data.language.index());
    // A language naming no definitions document is told in the editor's words,
    // not as the data folder that the empty name leaves.
    if (languages[chosen].definitionsFile.empty())
        return Failure{data.languagePath + ": " +
                       unnamedDefinitionsMessage(data.language.strings(), data.language.index(),
                                                 messageOf(failure))};
    for (const auto& language : languages)
        data.allDefinitions.push_back(data.dataDir + language.definitionsFile);
    data.definitionsPath = data.allDefinitions[chosen];
    return std::nullopt;
}

} // namespace vantrel::cli
