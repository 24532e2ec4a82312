// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/CommandLine.h"

#include "gui/window/MainWindowFixture.h"

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <utility>

namespace vantrel {
namespace {

const QString kProgram = QStringLiteral("vantrel");

TEST(CommandLine, HelpAndVersionEndTheProgramWithoutAWindow) {
    const CommandLine version = parseCommandLine({kProgram, "--version"}, QDir::tempPath());
    EXPECT_TRUE(version.exitNow);
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.output, kVersionText + "\n");

    const CommandLine help = parseCommandLine({kProgram, "-h"}, QDir::tempPath());
    EXPECT_TRUE(help.exitNow);
    EXPECT_TRUE(help.output.contains("--version"));
    EXPECT_TRUE(asksOnlyForInformation({kProgram, "-platform", "offscreen", "--help"}));
    EXPECT_FALSE(asksOnlyForInformation({kProgram, "x.seem"}));
    EXPECT_FALSE(asksOnlyForInformation({kProgram, "-stylesheet", "dark.qss", "x.seem"}));
    EXPECT_TRUE(asksOnlyForInformation({kProgram, "-v"}));

    const CommandLine unknown = parseCommandLine({kProgram, "--frobnicate"}, QDir::tempPath());
    EXPECT_TRUE(unknown.exitNow);
    EXPECT_NE(unknown.exitCode, 0);
    EXPECT_TRUE(unknown.errors.contains("frobnicate"));
}

// Run as a user would in a terminal with no window system at all.
TEST(CommandLine, VersionPrintsAndExitsWithoutADisplay) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VANTREL_EXECUTABLE), {QStringLiteral("--version")});
    ASSERT_TRUE(process.waitForFinished(20000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_EQ(process.readAllStandardOutput().trimmed(), kVersionText);
}

TEST(CommandLine, AFifoAFolderOrADeviceIsNamedForWhatItIs) {
    QTemporaryDir work;
    const QString fifo = work.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const auto& [named, word] : {std::pair{fifo, "FIFO"}, std::pair{work.path(), "folder"},
                                      std::pair{QStringLiteral("/dev/null"), "device"}}) {
        const CommandLine commandLine = parseCommandLine({kProgram, named}, work.path());
        EXPECT_TRUE(commandLine.file.isEmpty());
        EXPECT_TRUE(commandLine.errors.contains(QLatin1String(word)))
            << commandLine.errors.toStdString();
        EXPECT_FALSE(commandLine.errors.contains(QStringLiteral("does not exist")));
    }
}

using CommandLineFile = testing::MainWindowFixture;

TEST_F(CommandLineFile, ARelativePathOpensFromTheCurrentFolder) {
    const QString path = writeSeem(QStringLiteral("0032_0001.seem"), QByteArray(120, '\x01'));
    const QString folder = QFileInfo(path).absolutePath();
    QDir(folder).mkdir(QStringLiteral("sub"));

    const CommandLine commandLine =
        parseCommandLine({kProgram, "../0032_0001.seem"}, folder + QStringLiteral("/sub"));
    EXPECT_EQ(commandLine.file, path);
    EXPECT_TRUE(commandLine.errors.isEmpty());
    start(commandLine.file);
    EXPECT_TRUE(probe().session().fileOpen());
    EXPECT_EQ(probe().fileName(), path);
    EXPECT_TRUE(mainWindow->windowTitle().contains(path))
        << mainWindow->windowTitle().toStdString();
}

TEST_F(CommandLineFile, AMissingFileIsReportedAndTheWindowOpensEmpty) {
    const CommandLine commandLine =
        parseCommandLine({kProgram, "missing.seem", "extra.seem"}, work.path());
    EXPECT_TRUE(commandLine.file.isEmpty());
    EXPECT_FALSE(commandLine.exitNow);
    EXPECT_TRUE(commandLine.errors.contains(work.filePath(QStringLiteral("missing.seem"))));
    EXPECT_TRUE(commandLine.errors.contains(QStringLiteral("extra.seem")));
    start(commandLine.file);
    EXPECT_TRUE(loaded);
    EXPECT_FALSE(probe().session().fileOpen());
}

} // namespace
} // namespace vantrel
