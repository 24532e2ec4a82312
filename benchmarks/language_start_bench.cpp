// SPDX-License-Identifier: GPL-3.0-or-later
// How start-up grows with the number of languages in language.xml: the file
// is read, the Language menu gets one item per language and every control of
// the main window (each language item among them) is captioned. Growth should
// be linear: ten times the languages, about ten times the time.

#include "core/i18n/LanguageFile.h"
#include "core/settings/SettingsStore.h"
#include "gui/dialogs/ScriptedDialogs.h"
#include "gui/dialogs/StandardDialog.h"
#include "gui/i18n/ApplyLanguage.h"
#include "gui/window/MainWindow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int kLanguageCounts[] = {1'000, 10'000, 100'000};
constexpr int kRuns = 5;
// Linear is 10; quadratic 100. Above about 10,000 languages the data no longer
// fits the processor's caches, which costs linear work a factor of about 2.
constexpr double kMaxGrowthPerTenfold = 30.0;

struct Figures {
    int languages = 0;
    double readMs = 0;
    double captionMs = 0;
    double startMs = 0;
};

// Processor time of this process: the machine may be shared, and waiting for
// a turn on it is no cost of ours.
double cpuMs() {
    timespec now{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// The machine is shared: the fastest of a few runs is the one least disturbed.
template <typename Step> double fastest(Step step) {
    double best = 0;
    for (int run = 0; run < kRuns; ++run) {
        const double start = cpuMs();
        step();
        const double ms = cpuMs() - start;
        best = run == 0 ? ms : std::min(best, ms);
    }
    return best;
}

// The bundled languages first, then count minus two more of the same shape,
// each with a caption of its own.
std::string languageFile(int count) {
    std::ifstream bundled(VANTREL_DATA_DIR "/language.xml", std::ios::binary);
    std::stringstream text;
    text << bundled.rdbuf();
    std::string xml = text.str();
    const auto end = xml.rfind("</languages>");
    std::string extra;
    for (int id = 2; id < count; ++id) {
        extra += "  <language id=\"" + std::to_string(id) + "\" value=\"" +
                 std::to_string(1000 + id % 8000) + "\" text=\"Language " + std::to_string(id) +
                 "\" function=\"seem_en.xml\"><Form1_mnuFile Caption=\"$File\"/></language>\n";
    }
    xml.insert(end, extra);
    return xml;
}

Figures measure(int count) {
    QTemporaryDir appDir;
    const QDir data(QStringLiteral(VANTREL_DATA_DIR));
    for (const QString& name : data.entryList(QDir::Files))
        QFile::copy(data.filePath(name), appDir.filePath(name));
    std::ofstream(appDir.filePath(QStringLiteral("language.xml")).toStdString(), std::ios::binary)
        << languageFile(count);

    Figures figures;
    figures.languages = count;
    vantrel::MemorySettingsStore settings;
    settings.setValue("language", "1");

    const std::string path = appDir.filePath(QStringLiteral("language.xml")).toStdString();
    figures.readMs = fastest([&] {
        vantrel::LanguageFile language;
        (void)language.load(path, settings, std::nullopt);
    });

    vantrel::MainWindow window(vantrel::MainWindowEnvironment{
        appDir.path(), &settings, [] { return std::optional<std::int32_t>(); }});
    const double start = cpuMs();
    window.start(QString());
    figures.startMs = cpuMs() - start;

    // The window's own language, read as it reads it.
    vantrel::LanguageFile language;
    (void)language.load(path, settings, std::nullopt);
    figures.captionMs = fastest([&] { vantrel::applyLanguage(&window, language); });
    return figures;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    vantrel::ScriptedDialogs dialogs; // a message box would wait for a user
    vantrel::StandardDialog::setAnswerer(&dialogs);

    std::vector<Figures> rows;
    for (const int count : kLanguageCounts)
        rows.push_back(measure(count));

    std::printf("%10s %18s %22s %18s\n", "languages", "read file (ms)", "caption window (ms)",
                "start-up (ms)");
    std::printf("(processor time; reading and captioning: fastest of %d runs; start-up: one run)\n",
                kRuns);
    for (const Figures& row : rows)
        std::printf("%10d %18.1f %22.1f %18.1f\n", row.languages, row.readMs, row.captionMs,
                    row.startMs);
    const auto growth = [&](const char* what, double Figures::*column) {
        bool linear = true;
        std::printf("%-15s", what);
        for (std::size_t i = 1; i < rows.size(); ++i) {
            const double factor = rows[i].*column / rows[i - 1].*column;
            linear = linear && factor <= kMaxGrowthPerTenfold;
            std::printf("  x%-7.1f", factor);
        }
        std::printf("[%s, target: at most x%.0f per tenfold]\n", linear ? "PASS" : "MISS",
                    kMaxGrowthPerTenfold);
    };
    std::printf("growth per tenfold:\n");
    growth("read file", &Figures::readMs);
    growth("caption window", &Figures::captionMs);
    growth("start-up", &Figures::startMs);
    if (!dialogs.messages.empty())
        std::printf("note: start-up showed %zu message(s)\n", dialogs.messages.size());
    return 0;
}
