#include "data/AtomicFile.h"

#include "TempDir.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::ptrdiff_t entriesIn(const std::string &folder)
{
    return std::distance(fs::directory_iterator(folder), fs::directory_iterator());
}

mode_t modeOf(const std::string &path)
{
    struct stat info = {};
    stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

// A small tmpfs of its own, where the process may mount one (root in CI); unmounted at the end.
class ScratchMount
{
public:
    ScratchMount(const std::string &folder, const char *options)
        : m_folder(folder)
    {
        fs::create_directories(folder);
        m_mounted = ::mount("tmpfs", folder.c_str(), "tmpfs", 0, options) == 0;
    }
    ~ScratchMount()
    {
        if (m_mounted)
            ::umount2(m_folder.c_str(), MNT_DETACH);
    }
    bool mounted() const { return m_mounted; }
    bool makeReadOnly()
    {
        return ::mount("tmpfs", m_folder.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

private:
    std::string m_folder;
    bool m_mounted = false;
};

// Fills the file system that holds folder until it has no room left.
void fill(const std::string &folder)
{
    std::FILE *file = std::fopen((folder + "/filler").c_str(), "wb");
    ASSERT_NE(file, nullptr);
    const std::string block(4096, 'f');
    while (std::fwrite(block.data(), 1, block.size(), file) == block.size()) { }
    std::fclose(file);
}

TEST(AtomicFile, replacesTheFileKeepingItsPermissions_newFilesFollowTheUmask)
{
    TempDir dir;
    const mode_t previousUmask = umask(022);
    for (const mode_t mode : { 0600, 0640, 0755 }) {
        const std::string target = dir.write("kept.kvs", "old contents");
        ASSERT_EQ(chmod(target.c_str(), mode), 0);
        EXPECT_TRUE(writeFileAtomically(target, "new"));
        EXPECT_EQ(TempDir::read(target), "new");
        EXPECT_EQ(modeOf(target), mode);
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
    EXPECT_EQ(TempDir::read(real), "through two links");
    EXPECT_TRUE(fs::is_symlink(dir.file("link.kvs")));
    EXPECT_TRUE(fs::is_symlink(dir.file("chain.kvs")));
    EXPECT_EQ(modeOf(real), 0600u);

    // A link to a file not there yet makes that file; a loop of links is refused.
    fs::create_symlink("real/later.kvs", dir.file("ahead.kvs"));
    EXPECT_TRUE(writeFileAtomically(dir.file("ahead.kvs"), "made"));
    EXPECT_EQ(TempDir::read(dir.file("real/later.kvs")), "made");
    fs::create_symlink("loop.kvs", dir.file("loop.kvs"));
    EXPECT_FALSE(writeFileAtomically(dir.file("loop.kvs"), "x"));
    EXPECT_EQ(entriesIn(dir.file("real")), 2);
}

TEST(AtomicFile, failedSaves_keepThePreviousFileWhole_sayWhy_leaveNoTemporaryFile)
{
    const std::string previous = "KVT_GRIDWALK_SETUP_SOUKAN\r\nprevious setup\r\n";
    const std::string larger(64 * 1024, 'n');

    {
        SCOPED_TRACE("missing folder, folder in the way");
        TempDir dir;
        fs::create_directory(dir.file("folder"));
        EXPECT_EQ(
            writeFileAtomically(dir.file("missing/a.kvs"), "x").error, "No such file or directory");
        EXPECT_EQ(writeFileAtomically(dir.file("folder"), "x").error, "Is a directory");
        EXPECT_EQ(writeFileAtomically(dir.file("folder/"), "x").error, "Is a directory");
        EXPECT_EQ(dir.entryCount(), 1);
    }
    {
        SCOPED_TRACE("read-only folder");
        TempDir dir;
        ScratchMount mount(dir.file("ro"), "size=256k");
        const std::string target = dir.write("ro/setup.kvs", previous);
        // Root writes into any folder: only a read-only file system stops it.
        const bool readOnly
            = mount.mounted() ? mount.makeReadOnly() : chmod(dir.file("ro").c_str(), 0555) == 0;
        if (readOnly && (mount.mounted() || geteuid() != 0)) {
            const FileWriteResult result = writeFileAtomically(target, larger);
            EXPECT_FALSE(result);
            EXPECT_TRUE(
                result.error == "Read-only file system" || result.error == "Permission denied")
                << result.error;
            EXPECT_EQ(TempDir::read(target), previous);
            EXPECT_EQ(entriesIn(dir.file("ro")), 1);
        }
        chmod(dir.file("ro").c_str(), 0755);
    }
    {
        SCOPED_TRACE("full file system");
        TempDir dir;
        ScratchMount mount(dir.file("full"), "size=64k");
        if (mount.mounted()) {
            const std::string target = dir.write("full/setup.kvs", previous);
            fill(dir.file("full"));
            EXPECT_EQ(writeFileAtomically(target, larger).error, "No space left on device");
            EXPECT_EQ(TempDir::read(target), previous);
            EXPECT_EQ(entriesIn(dir.file("full")), 2);
        }
    }
    {
        SCOPED_TRACE("write failure half-way (file size limit)");
        TempDir dir;
        const std::string target = dir.write("setup.kvs", previous);
        rlimit saved = {};
        getrlimit(RLIMIT_FSIZE, &saved);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved;
        limited.rlim_cur = 1024;
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
        const FileWriteResult result = writeFileAtomically(target, larger);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);
        EXPECT_EQ(result.error, "File too large");
        EXPECT_EQ(TempDir::read(target), previous);
        EXPECT_EQ(dir.entryCount(), 1);
    }
}

} // namespace
