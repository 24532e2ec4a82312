// SPDX-License-Identifier: GPL-3.0-or-later
// Two folders on disk compared: their files listed and read from the file system.
#include "core/compare/FolderComparison.h"

#include "core/shell/SeemFolderScan.h"

#include <filesystem>
#include <system_error>

namespace vantrel {

namespace {

class DiskSeemFolder : public SeemFolderSource {
  public:
    explicit DiskSeemFolder(std::string folder) : m_folder(std::move(folder)) {}

    [[nodiscard]] std::string folder() const override { return m_folder; }

    [[nodiscard]] std::optional<SeemFolderListing> listing() const override {
        std::error_code error;
        if (!std::filesystem::is_directory(m_folder, error))
            return std::nullopt;
        return listSeemFolderWithSkipped(m_folder);
    }

    [[nodiscard]] SeemFileRead read(const std::string& name) const override {
        return readSeemFile(withTrailingSeparator(m_folder) + name);
    }

  private:
    std::string m_folder;
};

} // namespace

std::optional<FolderFailure> compareSeemFolders(const std::string& oursFolder,
                                                const std::string& theirsFolder,
                                                const XmlElement& definitionsRoot,
                                                const UiStrings& strings,
                                                FolderComparisonVisitor& visitor) {
    return compareSeemFolders(DiskSeemFolder(oursFolder), DiskSeemFolder(theirsFolder),
                              definitionsRoot, strings, visitor);
}

std::optional<FolderFailure> compareSeemFolders(const std::string& oursFolder,
                                                const std::string& theirsFolder,
                                                const XmlElement& definitionsRoot,
                                                const UiStrings& strings,
                                                FolderComparisonResult& result) {
    return compareSeemFolders(DiskSeemFolder(oursFolder), DiskSeemFolder(theirsFolder),
                              definitionsRoot, strings, result);
}

} // namespace vantrel
