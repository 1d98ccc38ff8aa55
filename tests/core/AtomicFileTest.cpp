#include "data/AtomicFile.h"

#include "TempDir.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

mode_t modeOf(const std::string &path)
{
    struct stat info = {};
    stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

TEST(AtomicFile, replacesTheFileKeepingItsPermissions_newFilesFollowTheUmask)
{
    TempDir dir;
    const mode_t previousUmask = umask(022);
    for (const mode_t mode : { 0600, 0640, 0755 }) {
        const std::string target = dir.write("kept.kvs", "old contents");
        ASSERT_EQ(chmod(target.c_str(), mode), 0);
        EXPECT_TRUE(writeFileAtomically(target, "new"));
        EXPECT_EQ(
            std::pair(TempDir::read(target), modeOf(target)), std::pair(std::string("new"), mode));
    }
    EXPECT_TRUE(writeFileAtomically(dir.file("fresh.kvs"), "x"));
    umask(previousUmask);
    EXPECT_EQ(modeOf(dir.file("fresh.kvs")), 0644u);
    EXPECT_EQ(dir.entryCount(), 2); // no temporary file left behind
}

TEST(AtomicFile, symbolicLinksAreWrittenThrough_andStayLinks)
{
    TempDir dir;
    fs::create_directory(dir.file("real"));
    const std::string real = dir.write("real/setup.kvs", "old contents");
    fs::create_symlink("real/setup.kvs", dir.file("link.kvs"));
    fs::create_symlink(dir.file("link.kvs"), dir.file("chain.kvs")); // absolute, to a link
    ASSERT_EQ(chmod(real.c_str(), 0600), 0);
    EXPECT_TRUE(writeFileAtomically(dir.file("chain.kvs"), "through two links"));
    EXPECT_EQ(std::pair(TempDir::read(real), modeOf(real)),
        std::pair(std::string("through two links"), mode_t(0600)));
    EXPECT_TRUE(fs::is_symlink(dir.file("link.kvs")) && fs::is_symlink(dir.file("chain.kvs")));

    // A link to a file not there yet makes that file.
    fs::create_symlink("real/later.kvs", dir.file("ahead.kvs"));
    EXPECT_TRUE(writeFileAtomically(dir.file("ahead.kvs"), "made"));
    EXPECT_EQ(TempDir::read(dir.file("real/later.kvs")), "made");
    EXPECT_EQ(dir.entryCount("real"), 2);
}

// Each failure keeps the previous file whole, says why, and leaves no temporary file.
TEST(AtomicFile, failedSaves_keepThePreviousFileWhole_sayWhy_leaveNoTemporaryFile)
{
    const std::string previous = "KVT_GRIDWALK_SETUP_SOUKAN\r\nprevious setup\r\n";
    const std::string larger(64 * 1024, 'n');
    TempDir dir;
    fs::create_directory(dir.file("folder"));
    EXPECT_EQ(
        writeFileAtomically(dir.file("missing/a.kvs"), "x").error, "No such file or directory");
    EXPECT_EQ(writeFileAtomically(dir.file("folder"), "x").error, "Is a directory");

    // A write that fails half-way, at the file size limit.
    const std::string target = dir.write("setup.kvs", previous);
    rlimit saved = {};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    const FileWriteResult halfWay = writeFileAtomically(target, larger);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(std::tuple(halfWay.error, TempDir::read(target), dir.entryCount()),
        std::tuple("File too large", previous, 2));
}

} // namespace
