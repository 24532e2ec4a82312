// SPDX-License-Identifier: GPL-3.0-or-later
// Peak memory (resident set) of starting the main window and opening a
// 5000-byte file with the English interface, beside a bare Qt table window of
// the same size showing the same 5000 bytes. Peak memory belongs to a whole
// process, so each side runs in a process of its own (this program again, with
// --vantrel or --bare WIDTH HEIGHT), a few times over; the medians and their
// ratio are printed. The windows go to the display there is (under xvfb-run, a
// real X server), offscreen where there is none; the platform is printed.

#include "core/settings/SettingsStore.h"
#include "gui/dialogs/ScriptedDialogs.h"
#include "gui/dialogs/StandardDialog.h"
#include "gui/style/ImageFreeStyle.h"
#include "gui/window/MainWindow.h"

#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QMainWindow>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QWindow>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr double kTargetRatio = 1.1;
constexpr int kRuns = 3;
constexpr int kFileSize = 5000;
constexpr int kColumns = 16;

long peakRssKiB() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss; // KiB on Linux
}

void settle(const QWidget& window) {
    while (!(window.windowHandle() && window.windowHandle()->isExposed()))
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QCoreApplication::processEvents();
}

// What any Qt program showing 5000 bytes in a table costs: the floor to compare with.
// The window's pixels are its largest single cost, so it takes Vantrel's size.
int runBareWindow(int argc, char** argv, QSize size) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(size);
    constexpr int rows = (kFileSize + kColumns - 1) / kColumns;
    auto* table = new QTableWidget(rows, kColumns, &window);
    for (int index = 0; index < kFileSize; ++index)
        table->setItem(index / kColumns, index % kColumns,
                       new QTableWidgetItem(QStringLiteral("5A")));
    window.setCentralWidget(table);
    window.show();
    settle(window);
    std::printf("%ld %d %d %s\n", peakRssKiB(), window.width(), window.height(),
                qPrintable(QGuiApplication::platformName()));
    return 0;
}

int runVantrel(int argc, char** argv) {
    QApplication app(argc, argv);
    vantrel::ImageFreeStyle::install(); // as the program's start does
    vantrel::ScriptedDialogs dialogs;   // a message box would wait for a user
    vantrel::StandardDialog::setAnswerer(&dialogs);

    QTemporaryDir work;
    const QString path = work.filePath(QStringLiteral("big.seem"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(QByteArray(kFileSize, '\x5a')) != kFileSize)
        return 1;
    file.close();

    vantrel::MemorySettingsStore settings;
    settings.setValue("language", "0"); // English
    vantrel::MainWindow window(vantrel::MainWindowEnvironment{
        QStringLiteral(VANTREL_DATA_DIR), &settings, [] { return std::optional<std::int32_t>(); }});
    if (!window.start(QString()))
        return 1;
    window.openFile(path);
    settle(window);
    std::printf("%ld %d %d %s\n", peakRssKiB(), window.width(), window.height(),
                qPrintable(QGuiApplication::platformName()));
    return 0;
}

struct Measurement {
    long peakKiB = -1;
    int width = 0;
    int height = 0;
    std::string platform;
};

// Runs this program again with the arguments; a peak of -1 when that failed.
Measurement measure(const std::string& self, const std::string& arguments) {
    const std::string command = "'" + self + "' " + arguments + " 2>/dev/null";
    std::FILE* child = ::popen(command.c_str(), "r");
    if (!child)
        return {};
    Measurement result;
    char platform[64] = {};
    if (std::fscanf(child, "%ld %d %d %63s", &result.peakKiB, &result.width, &result.height,
                    platform) != 4)
        result.peakKiB = -1;
    result.platform = platform;
    if (::pclose(child) != 0)
        result.peakKiB = -1;
    return result;
}

double medianMiB(std::vector<long> kib) {
    std::sort(kib.begin(), kib.end());
    return static_cast<double>(kib[kib.size() / 2]) / 1024;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 4 && std::strcmp(argv[1], "--bare") == 0)
        return runBareWindow(argc, argv, QSize(std::atoi(argv[2]), std::atoi(argv[3])));
    if (argc == 2 && std::strcmp(argv[1], "--vantrel") == 0)
        return runVantrel(argc, argv);

    const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    std::vector<long> bare;
    std::vector<long> vantrel;
    Measurement window;
    for (int run = 0; run < kRuns; ++run) {
        window = measure(self, "--vantrel");
        const Measurement table = measure(self, "--bare " + std::to_string(window.width) + ' ' +
                                                    std::to_string(window.height));
        if (window.peakKiB < 0 || table.peakKiB < 0) {
            std::fprintf(stderr, "a measuring run failed\n");
            return 1;
        }
        vantrel.push_back(window.peakKiB);
        bare.push_back(table.peakKiB);
    }
    const double bareMiB = medianMiB(bare);
    const double vantrelMiB = medianMiB(vantrel);
    const double ratio = vantrelMiB / bareMiB;
    std::printf("platform: %s%s\n", window.platform.c_str(),
                window.platform == "offscreen" ? " (no display; xvfb-run -a for an X server)" : "");
    std::printf("window size: %d x %d\n", window.width, window.height);
    std::printf("peak RSS, bare Qt table window with 5000 cells: %.1f MiB\n", bareMiB);
    std::printf("peak RSS, Vantrel with a 5000-byte file (English): %.1f MiB\n", vantrelMiB);
    std::printf("ratio: %.2f (target at most %.2f)%s\n", ratio, kTargetRatio,
                ratio <= kTargetRatio ? "" : "  OVER TARGET");
    return 0;
}
