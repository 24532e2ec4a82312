// SPDX-License-Identifier: GPL-3.0-or-later
// How long opening a file into the byte grid takes, and what the largest
// grid costs in memory: load the bytes, rebuild the view, paint it once.

#include "core/i18n/LanguageFile.h"
#include "core/session/EditingSession.h"
#include "core/settings/SettingsStore.h"
#include "gui/document/ByteGridView.h"

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kRepeats = 50;
constexpr int kWarmUps = 5;
constexpr double kMaxLargeMs = 5.0;
constexpr long kMaxExtraKiB = 1024;
constexpr double kMaxRatio = 2.0;

std::vector<std::uint8_t> sampleBytes(int size) {
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    for (int i = 0; i < size; ++i)
        bytes[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i * 37 + 11);
    return bytes;
}

long residentKiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

// One open as the main window does it, ending with the first paint on screen.
void openIntoGrid(vantrel::EditingSession& session, vantrel::ByteGridView& view,
                  const std::vector<std::uint8_t>& bytes) {
    (void)session.openBytes("bench.seem", bytes);
    view.repaint();
}

double medianOpenMs(vantrel::EditingSession& session, vantrel::ByteGridView& view, int size) {
    const auto bytes = sampleBytes(size);
    const auto empty = sampleBytes(1);
    std::vector<double> samples;
    for (int run = 0; run < kWarmUps + kRepeats; ++run) {
        openIntoGrid(session, view, empty); // each open replaces a small file
        const auto start = std::chrono::steady_clock::now();
        openIntoGrid(session, view, bytes);
        const auto stop = std::chrono::steady_clock::now();
        if (run >= kWarmUps)
            samples.push_back(std::chrono::duration<double, std::milli>(stop - start).count());
    }
    std::nth_element(samples.begin(), samples.begin() + kRepeats / 2, samples.end());
    return samples[kRepeats / 2];
}

const char* verdict(bool met) {
    return met ? "PASS" : "MISS";
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    vantrel::LanguageFile language; // the built-in strings
    vantrel::MemorySettingsStore settings;
    vantrel::EditingSession session(language, settings);
    vantrel::ByteGridView view(session);
    view.resize(view.sizeHint());
    view.setNavigationEnabled(true);
    view.show();
    QApplication::processEvents();

    // Memory first, before the timing loops have grown the heap: everything
    // a 5000-byte grid adds to a shown empty one, glyphs and cached cell
    // faces included, and how long that first, cold open took.
    openIntoGrid(session, view, sampleBytes(1));
    const long emptyKiB = residentKiB();
    const auto coldStart = std::chrono::steady_clock::now();
    openIntoGrid(session, view, sampleBytes(5000));
    const double coldMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - coldStart)
            .count();
    const long largeKiB = residentKiB();
    const long extraKiB = largeKiB - emptyKiB;

    const double largeMs = medianOpenMs(session, view, 5000);
    const double smallMs = medianOpenMs(session, view, 16);
    const double ratio = largeMs / smallMs;

    std::printf("open 5000 bytes: median %.3f ms over %d runs  [%s, target <= %.1f ms]\n", largeMs,
                kRepeats, verdict(largeMs <= kMaxLargeMs), kMaxLargeMs);
    std::printf("first open of 5000 bytes, nothing cached yet: %.3f ms\n", coldMs);
    std::printf("open   16 bytes: median %.3f ms over %d runs\n", smallMs, kRepeats);
    std::printf("ratio 5000/16:   %.2f  [%s, target <= %.1f]\n", ratio, verdict(ratio <= kMaxRatio),
                kMaxRatio);
    std::printf("memory 5000-byte grid over empty: %ld KiB (VmRSS %ld -> %ld KiB)  [%s, target <= "
                "%ld KiB]\n",
                extraKiB, emptyKiB, largeKiB, verdict(extraKiB <= kMaxExtraKiB), kMaxExtraKiB);
    return 0;
}
