// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/AppDir.h"
#include "gui/app/CommandLine.h"
#include "gui/app/QtSettingsStore.h"
#include "gui/app/SystemLocale.h"
#include "gui/app/WindowIcon.h"
#include "gui/controllers/ShellController.h"
#include "gui/i18n/UiText.h"
#include "gui/style/ImageFreeStyle.h"
#include "gui/window/MainWindow.h"

#include <QApplication>
#include <QDir>
#include <QStringList>

#include <cstdio>

namespace {

void print(std::FILE* stream, const QString& text) {
    if (!text.isEmpty())
        std::fputs(text.toLocal8Bit().constData(), stream);
}

// Prints what the command line produced; the exit code when the program ends here.
std::optional<int> report(const vantrel::CommandLine& commandLine) {
    print(stdout, commandLine.output);
    print(stderr, commandLine.errors);
    return commandLine.exitNow ? std::optional<int>(commandLine.exitCode) : std::nullopt;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication::setOrganizationName(QStringLiteral("Vantrel"));
    QApplication::setApplicationName(QStringLiteral("Vantrel"));
    QApplication::setDesktopFileName(QStringLiteral("org.vantrel.Vantrel"));

    QStringList rawArguments;
    for (int i = 0; i < argc; ++i)
        rawArguments << QString::fromLocal8Bit(argv[i]);
    if (vantrel::asksOnlyForInformation(rawArguments)) {
        // Answered without a display, as a terminal user expects.
        const QCoreApplication core(argc, argv);
        return report(vantrel::parseCommandLine(core.arguments(), QDir::currentPath())).value_or(0);
    }

    QApplication app(argc, argv);
    vantrel::ImageFreeStyle::install();
    QApplication::setWindowIcon(vantrel::installedWindowIcon());
    const vantrel::CommandLine commandLine =
        vantrel::parseCommandLine(QApplication::arguments(), QDir::currentPath());
    if (const auto exitCode = report(commandLine))
        return *exitCode;

    vantrel::QtSettingsStore settings;
    const QString appDir = vantrel::pathText(
        vantrel::locateAppDir(QApplication::applicationDirPath().toStdString()).string());
    vantrel::MainWindowEnvironment environment{appDir, &settings, vantrel::systemDefaultLcid};
    vantrel::MainWindow window(environment);
    window.shellController().setDesktopIntegration(vantrel::xdgLocationsFromEnvironment(),
                                                   QApplication::applicationFilePath());
    if (!window.start(commandLine.file))
        return 1;
    return app.exec();
}
