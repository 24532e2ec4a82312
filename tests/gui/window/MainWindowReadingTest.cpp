// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindowFixture.h"
#include "gui/dialogs/ReadingWindow.h"

#include <QTest>
#include <QTimer>

#include <chrono>
#include <future>

using namespace vantrel;
using vantrel::testing::MainWindowFixture;

using MainWindowReading = MainWindowFixture;

TEST_F(MainWindowReading, SlowOpenShowsTheReadingWindowAndIgnoresAnotherOpenMeanwhile) {
    std::promise<void> release;
    readFile = [released = release.get_future().share()](const std::string& path) {
        released.wait_for(std::chrono::seconds(10));
        return readSeemFile(path);
    };
    start();
    ASSERT_TRUE(loaded);
    const QString path = writeSeem(QStringLiteral("slow.seem"), QByteArray(40, '\0'));

    bool sawReading = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        const auto* reading = mainWindow->findChild<ReadingWindow*>();
        if (sawReading || !reading || !reading->isVisible())
            return;
        sawReading = true;
        EXPECT_TRUE(probe().fileName().isEmpty()) << "the file is not open before it is read";
        QTest::keyClick(mainWindow.get(), Qt::Key_O, Qt::ControlModifier);
        release.set_value();
    });
    watch.start(5);
    mainWindow->openFile(path);

    EXPECT_TRUE(sawReading);
    EXPECT_TRUE(dialogs.fileRequests.empty()) << "Ctrl+O during the read opened nothing";
    EXPECT_EQ(probe().fileName(), path);
    EXPECT_TRUE(probe().session().fileOpen());
    EXPECT_EQ(mainWindow->findChild<ReadingWindow*>(), nullptr);
}
