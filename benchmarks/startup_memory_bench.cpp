// SPDX-License-Identifier: GPL-3.0-or-later
// Peak memory (resident set) of starting the main window offscreen and
// opening a 5000-byte file, the figure a user sees for a fresh start.

#include "core/settings/SettingsStore.h"
#include "gui/dialogs/ScriptedDialogs.h"
#include "gui/dialogs/StandardDialog.h"
#include "gui/window/MainWindow.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <cstdio>

namespace {

constexpr long kTargetKiB = 42 * 1024;

long peakRssKiB() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss; // KiB on Linux
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    vantrel::ScriptedDialogs dialogs; // a message box would wait for a user
    vantrel::StandardDialog::setAnswerer(&dialogs);

    QTemporaryDir work;
    const QString path = work.filePath(QStringLiteral("big.seem"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(QByteArray(5000, '\x5a')) != 5000)
        return 1;
    file.close();

    vantrel::MemorySettingsStore settings;
    settings.setValue("language", "1");
    vantrel::MainWindow window(vantrel::MainWindowEnvironment{
        QStringLiteral(VANTREL_DATA_DIR), &settings, [] { return std::optional<std::int32_t>(); }});
    const long beforeKiB = peakRssKiB();
    if (!window.start(QString()))
        return 1;
    window.openFile(path);
    QCoreApplication::processEvents();

    const long peakKiB = peakRssKiB();
    std::printf("peak RSS before start-up: %.1f MiB\n", static_cast<double>(beforeKiB) / 1024);
    std::printf(
        "peak RSS after start-up and a 5000-byte file: %.1f MiB (target at most %.0f MiB)%s\n",
        static_cast<double>(peakKiB) / 1024, static_cast<double>(kTargetKiB) / 1024,
        peakKiB <= kTargetKiB ? "" : "  OVER TARGET");
    return 0;
}
