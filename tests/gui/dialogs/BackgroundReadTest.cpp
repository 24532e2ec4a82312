// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dialogs/BackgroundRead.h"

#include "WindowsFixture.h"
#include "gui/NamedChild.h"
#include "gui/dialogs/ReadingWindow.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <future>

using namespace vantrel;
using vantrel::testing::namedChild;
using vantrel::testing::WindowsFixture;

namespace {

SeemFileRead bytesRead(std::vector<std::uint8_t> bytes) {
    SeemFileRead read;
    read.status = SeemFileRead::Status::Ok;
    read.bytes = std::move(bytes);
    return read;
}

// Counts every ReadingWindow that appears anywhere.
class ReadingWatcher : public QObject {
  public:
    ReadingWatcher() { qApp->installEventFilter(this); }
    ~ReadingWatcher() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->objectName() == QLatin1String("frmReading"))
            ++shown;
        return false;
    }
    int shown = 0;
};

// A reader held up until the test lets it go (or ten seconds pass, so a
// failing test cannot hang).
class SlowReader {
  public:
    SeemFileReader reader() {
        return [released = m_release.get_future().share()](const std::string&) {
            released.wait_for(std::chrono::seconds(10));
            return bytesRead({0x12, 0x34});
        };
    }
    void release() {
        if (!m_released)
            m_release.set_value();
        m_released = true;
    }

  private:
    std::promise<void> m_release;
    bool m_released = false;
};

class BackgroundReadTest : public WindowsFixture {
  protected:
    void SetUp() override {
        WindowsFixture::SetUp();
        showOwner();
    }

    // Runs step every few milliseconds while the read is going on.
    void whileReading(std::function<void()> step) {
        auto* ticker = new QTimer(&owner);
        QObject::connect(ticker, &QTimer::timeout, ticker, std::move(step));
        ticker->start(5);
    }
};

} // namespace

TEST_F(BackgroundReadTest, FastReadNeverShowsTheIndicator) {
    ReadingWatcher watcher;
    const SeemFileRead read = readInBackground(
        &owner, language, "x.seem", [](const std::string&) { return bytesRead({0xAB}); });
    EXPECT_EQ(read.status, SeemFileRead::Status::Ok);
    EXPECT_EQ(read.bytes, std::vector<std::uint8_t>{0xAB});
    QTest::qWait(ReadingWindow::kShowDelayMs + 100);
    EXPECT_EQ(watcher.shown, 0);
}

TEST_F(BackgroundReadTest, SlowReadShowsTheIndicatorWhoseDotsCycleWithTheTimer) {
    SlowReader slow;
    QStringList frames;
    ReadingWindow* seen = nullptr;
    whileReading([&] {
        auto* reading = owner.findChild<ReadingWindow*>();
        if (!reading || !reading->isVisible() || reading == seen)
            return;
        seen = reading;
        frames << namedChild<QLabel>(reading, "lblDot")->text();
        QObject::connect(reading->findChild<QTimer*>(), &QTimer::timeout, reading, [&, reading] {
            frames << namedChild<QLabel>(reading, "lblDot")->text();
            if (frames.size() == 6)
                slow.release();
        });
    });
    const SeemFileRead read = readInBackground(&owner, language, "slow.seem", slow.reader());
    slow.release();

    EXPECT_EQ(read.bytes, (std::vector<std::uint8_t>{0x12, 0x34}));
    ASSERT_NE(seen, nullptr) << "the indicator never appeared";
    EXPECT_EQ(frames, (QStringList{"", ".", "..", "...", "", "."}));
    EXPECT_EQ(owner.findChild<ReadingWindow*>(), nullptr) << "gone once the read is over";
}

TEST_F(BackgroundReadTest, InputToTheWindowsIsDroppedWhileReading) {
    auto* openButton = new QPushButton(QStringLiteral("Open"), &owner);
    openButton->show();
    int clicks = 0;
    QObject::connect(openButton, &QPushButton::clicked, [&] { ++clicks; });
    SlowReader slow;
    bool tried = false;
    whileReading([&] {
        if (tried)
            return;
        tried = true;
        QTest::mouseClick(openButton, Qt::LeftButton);
        QTest::keyClick(openButton, Qt::Key_Space);
        owner.close();
        slow.release();
    });
    (void)readInBackground(&owner, language, "slow.seem", slow.reader());
    slow.release();

    EXPECT_TRUE(tried);
    EXPECT_EQ(clicks, 0);
    EXPECT_TRUE(owner.isVisible()) << "closing waits for the read";
    QTest::mouseClick(openButton, Qt::LeftButton);
    EXPECT_EQ(clicks, 1) << "input flows again afterwards";
}

TEST_F(BackgroundReadTest, ReaderThatThrowsIsAFailedRead) {
    const SeemFileRead read =
        readInBackground(&owner, language, "x.seem", [](const std::string&) -> SeemFileRead {
            throw std::runtime_error("device went away");
        });
    EXPECT_EQ(read.status, SeemFileRead::Status::Failed);
    EXPECT_EQ(read.reason, "device went away");
}
