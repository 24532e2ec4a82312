// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/SeemFile.h"

#include "TempDir.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <future>
#include <iterator>

using namespace vantrel;
namespace fs = std::filesystem;

namespace {

class SeemFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        m_dir = vantrel::testing::makeTempFolder("vantrel-seem-");
        fs::create_directories(m_dir);
    }
    void TearDown() override {
        fs::permissions(m_dir, fs::perms::owner_all);
        fs::remove_all(m_dir);
    }
    std::string file(const std::string& name, std::size_t length, std::uint8_t fill = 0x5A) {
        const fs::path path = m_dir / name;
        std::ofstream(path, std::ios::binary) << std::string(length, static_cast<char>(fill));
        return path.string();
    }
    static std::vector<std::uint8_t> contents(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    fs::path m_dir;
};

} // namespace

TEST_F(SeemFileTest, SizeLimitIsFiveThousandBytes) {
    const auto exact = readSeemFile(file("exact.seem", 5000));
    EXPECT_EQ(exact.status, SeemFileRead::Status::Ok);
    EXPECT_EQ(exact.bytes.size(), 5000u);
    EXPECT_EQ(readSeemFile(file("big.seem", 5001)).status, SeemFileRead::Status::TooLarge);
    EXPECT_EQ(readSeemFile(file("empty.seem", 0)).status, SeemFileRead::Status::Empty);
}

TEST_F(SeemFileTest, MissingFilesAndFoldersFailWithAReason) {
    const auto missing = readSeemFile((m_dir / "nothing.seem").string());
    EXPECT_EQ(missing.status, SeemFileRead::Status::Failed);
    EXPECT_FALSE(missing.reason.empty());
    EXPECT_EQ(readSeemFile(m_dir.string()).status, SeemFileRead::Status::Failed);
}

TEST_F(SeemFileTest, WritingOverALongerFileLeavesExactlyTheNewBytes) {
    const std::string path = file("long.seem", 300);
    const std::vector<std::uint8_t> bytes{0x0A, 0xFF, 0x00};
    EXPECT_FALSE(writeFileAtomically(path, bytes).has_value());
    EXPECT_EQ(contents(path), bytes);
}

TEST_F(SeemFileTest, WritingKeepsThePermissionsOfTheOldFile) {
    const std::string path = file("mode.seem", 4);
    ::chmod(path.c_str(), 0640);
    EXPECT_FALSE(writeFileAtomically(path, {1, 2}).has_value());
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST_F(SeemFileTest, ReadOnlyFileRefusesAndLosesNothing) {
    const std::string path = file("locked.seem", 8, 0x11);
    ::chmod(path.c_str(), 0444);
    EXPECT_TRUE(writeFileAtomically(path, {1, 2, 3}).has_value());
    EXPECT_EQ(contents(path), std::vector<std::uint8_t>(8, 0x11));
}

TEST_F(SeemFileTest, WritableFileInAReadOnlyFolderIsWrittenInPlace) {
    const std::string path = file("folder.seem", 8, 0x22);
    fs::permissions(m_dir, fs::perms::owner_read | fs::perms::owner_exec);
    const auto saved = writeFileAtomically(path, {1, 2});
    const auto newFile = writeFileAtomically((m_dir / "new.seem").string(), {1});
    fs::permissions(m_dir, fs::perms::owner_all);
    EXPECT_FALSE(saved.has_value()) << saved->message;
    EXPECT_EQ(contents(path), (std::vector<std::uint8_t>{1, 2}));
    ASSERT_TRUE(newFile.has_value());
    EXPECT_NE(newFile->message.find("read-only"), std::string::npos);
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 1);
}

TEST_F(SeemFileTest, FailedInPlaceWriteRestoresTheOldContentAndSaysSo) {
    const std::string path = file("restore.seem", 10, 0x33);
    fs::permissions(m_dir, fs::perms::owner_read | fs::perms::owner_exec);
    // A file size limit makes the write of the longer content fail half way.
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit oldLimit{};
    ::getrlimit(RLIMIT_FSIZE, &oldLimit);
    rlimit limit = oldLimit;
    limit.rlim_cur = 50;
    ::setrlimit(RLIMIT_FSIZE, &limit);
    const auto failure = writeFileAtomically(path, std::vector<std::uint8_t>(100, 0x44));
    ::setrlimit(RLIMIT_FSIZE, &oldLimit);
    std::signal(SIGXFSZ, oldHandler);
    fs::permissions(m_dir, fs::perms::owner_all);
    ASSERT_TRUE(failure.has_value());
    EXPECT_NE(failure->message.find("the old content was restored"), std::string::npos)
        << failure->message;
    EXPECT_EQ(contents(path), std::vector<std::uint8_t>(10, 0x33));
}

TEST_F(SeemFileTest, NameOfTheLongestLengthCanBeSaved) {
    const std::string path = file(std::string(255, 'n'), 4);
    EXPECT_FALSE(writeFileAtomically(path, {7}).has_value());
    EXPECT_EQ(contents(path), std::vector<std::uint8_t>{7});
}

TEST_F(SeemFileTest, HardLinkedFileKeepsAllItsNames) {
    const std::string path = file("linked.seem", 4);
    const fs::path other = m_dir / "other-name.seem";
    fs::create_hard_link(path, other);
    EXPECT_FALSE(writeFileAtomically(path, {9, 8}).has_value());
    EXPECT_EQ(contents(other.string()), (std::vector<std::uint8_t>{9, 8}));
}

TEST_F(SeemFileTest, SavingKeepsTheOwnerAndGroup) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can give a file to another user";
    const std::string path = file("owned.seem", 4);
    ASSERT_EQ(::chown(path.c_str(), 4321, 4322), 0);
    EXPECT_FALSE(writeFileAtomically(path, {1}).has_value());
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, 4321u);
    EXPECT_EQ(info.st_gid, 4322u);
}

TEST_F(SeemFileTest, TargetsThatAreNotRegularFilesAreRefusedAndKept) {
    const fs::path fifo = m_dir / "pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const fs::path link = m_dir / "to-pipe";
    fs::create_symlink(fifo, link);
    for (const fs::path& target : {fifo, link}) {
        const auto failure = writeFileAtomically(target.string(), {1});
        ASSERT_TRUE(failure.has_value()) << target;
        EXPECT_EQ(failure->message, "it is a FIFO, not a regular file");
        EXPECT_TRUE(fs::is_fifo(fifo));
    }
    EXPECT_TRUE(fs::is_symlink(link));

    const std::string regular = file("regular.seem", 4);
    const fs::path toRegular = m_dir / "to-regular";
    fs::create_symlink(regular, toRegular);
    EXPECT_FALSE(writeFileAtomically(toRegular.string(), {5}).has_value());
    EXPECT_EQ(contents(regular), std::vector<std::uint8_t>{5});
    EXPECT_TRUE(fs::is_symlink(toRegular));
}

TEST_F(SeemFileTest, MissingFolderAndFolderTargetFail) {
    EXPECT_TRUE(writeFileAtomically((m_dir / "no" / "such.seem").string(), {1}).has_value());
    EXPECT_TRUE(writeFileAtomically(m_dir.string(), {1}).has_value());
}

TEST_F(SeemFileTest, AFifoIsRefusedWithinASecond) {
    const std::string fifo = (m_dir / "pipe.seem").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    auto reading = std::async(std::launch::async, [&] { return readSeemFile(fifo); });
    if (reading.wait_for(std::chrono::seconds(1)) == std::future_status::timeout) {
        // Let the blocked reader go, so that the failure is reported rather than hung.
        ::close(::open(fifo.c_str(), O_WRONLY | O_NONBLOCK));
        FAIL() << "opening a FIFO blocked";
    }
    const SeemFileRead read = reading.get();
    EXPECT_EQ(read.status, SeemFileRead::Status::Failed);
    EXPECT_EQ(read.reason, "it is a FIFO, not a regular file");
}

TEST_F(SeemFileTest, DevicesAndSymlinkLoopsAreNamedForWhatTheyAre) {
    for (const char* device : {"/dev/zero", "/dev/null"}) {
        const SeemFileRead read = readSeemFile(device);
        EXPECT_EQ(read.status, SeemFileRead::Status::Failed) << device;
        EXPECT_EQ(read.reason, "it is a device, not a regular file") << device;
    }
    const fs::path loop = m_dir / "loop.seem";
    fs::create_symlink(loop, loop);
    EXPECT_EQ(readSeemFile(loop.string()).reason, "too many levels of symbolic links");
}
