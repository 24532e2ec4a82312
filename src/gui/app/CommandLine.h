// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ProjectInfo.h"
#include "gui/i18n/UiText.h"

#include <QString>
#include <QStringList>

namespace vantrel {

// What the command line asks for: vantrel [--help] [--version] [file].
struct CommandLine {
    // --help or --version, or a malformed command line: print and end at once.
    bool exitNow = false;
    int exitCode = 0;
    QString output; // for standard output (help, version)
    QString errors; // for standard error, also when the window still opens
    // The file to open, as an absolute path; empty when none is named or the
    // one named does not exist.
    QString file;
};

inline const QString kVersionText = QStringLiteral("Vantrel ") + uiText(kProjectVersion);

// Reads arguments (program name first). A relative file name is taken from
// currentDir, as the shell that started us meant it.
[[nodiscard]] CommandLine parseCommandLine(const QStringList& arguments, const QString& currentDir);

// Whether the arguments only ask for help or the version, which need no
// display: main answers them before it starts the window system.
[[nodiscard]] bool asksOnlyForInformation(const QStringList& arguments);

} // namespace vantrel
