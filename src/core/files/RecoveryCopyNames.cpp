// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/RecoveryCopyNames.h"

#include <charconv>
#include <cstdio>
#include <filesystem>

namespace vantrel {

namespace fs = std::filesystem;

namespace {

// A plain hash of the path keeps copies of equal names in different folders apart.
std::uint64_t pathHash(const std::string& text) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return hash;
}

std::string hex(std::uint64_t value) {
    char text[17];
    std::snprintf(text, sizeof text, "%llx", static_cast<unsigned long long>(value));
    return text;
}

// "<name>.<hash of the path>.", the start of every copy kept for that path.
std::string pathPrefix(const std::string& target) {
    char hash[17];
    std::snprintf(hash, sizeof hash, "%016llx", static_cast<unsigned long long>(pathHash(target)));
    // The whole name stays well under 255 bytes whatever the target's name is.
    return fs::path(target).filename().string().substr(0, 100) + "." + hash + ".";
}

} // namespace

std::string copyName(const std::string& target, const FileIdentity& identity) {
    return pathPrefix(target) + hex(identity.device) + "-" + hex(identity.inode) + "-" +
           hex(static_cast<std::uint64_t>(identity.size)) + "-" +
           hex(static_cast<std::uint64_t>(identity.mtimeNs));
}

std::optional<CopyName> parseCopyName(const std::string& name) {
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos)
        return std::nullopt;
    std::uint64_t fields[4] = {};
    const char* at = name.data() + dot + 1;
    const char* end = name.data() + name.size();
    for (int i = 0; i < 4; ++i) {
        const auto [next, error] = std::from_chars(at, end, fields[i], 16);
        if (error != std::errc() || (i < 3 && (next == end || *next != '-')) ||
            (i == 3 && next != end))
            return std::nullopt;
        at = next + 1;
    }
    return CopyName{name.substr(0, dot + 1),
                    {fields[0], fields[1], static_cast<std::int64_t>(fields[2]),
                     static_cast<std::int64_t>(fields[3])}};
}

std::optional<std::string> findCopy(const std::string& folder, const std::string& target,
                                    const std::optional<FileIdentity>& current) {
    const std::string prefix = pathPrefix(target);
    std::optional<std::string> sameFile;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        const auto parsed = parseCopyName(name);
        if (!parsed)
            continue;
        if (parsed->prefix == prefix)
            return it->path().string();
        if (current && parsed->identity.device == current->device &&
            parsed->identity.inode == current->inode)
            sameFile = it->path().string();
    }
    return sameFile;
}

} // namespace vantrel
