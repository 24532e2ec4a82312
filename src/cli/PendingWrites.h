// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/CliContext.h"
#include "core/files/FileLock.h"
#include "core/files/FileReplacement.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace vantrel::cli {

// Files whose new bytes wait to be put in place together, so that the disk
// is flushed once for many files rather than once for each; each is reported
// only once it is in place, and under its lock until then.
class PendingWrites {
  public:
    using Report = std::function<int(const FileWrite& written)>;

    // 0, or 2 when the files it put in place just now reported a failure.
    int add(std::unique_ptr<FileLock> lock, PreparedReplacement replacement, Report report) {
        m_files.push_back({std::move(lock), std::move(replacement), std::move(report)});
        return m_files.size() < kBatchSize ? kSuccess : flush();
    }

    // Puts every waiting file in place and reports each, in order; 0 or 2.
    int flush() {
        std::vector<PreparedReplacement*> batch;
        for (File& file : m_files)
            batch.push_back(&file.replacement);
        putInPlace(batch);
        int status = kSuccess;
        for (File& file : m_files)
            status = std::max(status, file.report(file.replacement.result()));
        m_files.clear();
        return status;
    }

  private:
    // Each waiting file holds two descriptors: its lock and its new bytes.
    static constexpr std::size_t kBatchSize = 64;
    struct File {
        std::unique_ptr<FileLock> lock;
        PreparedReplacement replacement;
        Report report;
    };
    std::vector<File> m_files;
};

} // namespace vantrel::cli
