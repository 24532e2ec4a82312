// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/files/SeemFile.h"

#include <functional>
#include <string>

class QWidget;

namespace vantrel {

class LanguageFile;

using SeemFileReader = std::function<SeemFileRead(const std::string& path)>;

// Runs reader(path) on a worker thread, so a slow network or phone mount never
// freezes the program, and returns what it read. Meanwhile windows keep
// painting and timers keep running, but user input (clicks, keys, closing a
// window) is dropped, so nothing can start a second open. ReadingWindow appears
// over owner only when the read still runs after ReadingWindow::kShowDelayMs.
[[nodiscard]] SeemFileRead readInBackground(QWidget* owner, const LanguageFile& language,
                                            const std::string& path,
                                            SeemFileReader reader = readSeemFile);

} // namespace vantrel
