#include "data/AtomicFile.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr int kMaxLinkHops = 40;

std::string describe(int error) { return std::generic_category().message(error); }

// The file a chain of symbolic links ends in (that file need not exist yet).
bool followLinks(fs::path &target, std::string &error, int &errorNumber)
{
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(target, ec)))
            return true;
        const fs::path next = fs::read_symlink(target, ec);
        if (ec) {
            error = ec.message();
            errorNumber = ec.value();
            return false;
        }
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    error = describe(ELOOP);
    errorNumber = ELOOP;
    return false;
}

// A new, exclusive temporary file beside the target; -1 with errno set when none can be made.
int createTemporaryBeside(const fs::path &target, fs::path &temporary)
{
    static std::atomic<unsigned> counter { 0 };
    std::random_device seed;
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    for (int attempt = 0; attempt < 16; ++attempt) {
        // Appended piece by piece: GCC 12 at -O3 misreads "." + string as an overlapping copy.
        std::string name(".");
        name.append(target.filename().string())
            .append(".tmp")
            .append(std::to_string(seed()))
            .append("-")
            .append(std::to_string(counter++));
        temporary = folder / name;
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

mode_t currentUmask()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

std::string resolveTarget(const std::string &path, std::string &error, int &errorNumber)
{
    fs::path target(path);
    if (!target.has_filename()) {
        error = describe(EISDIR);
        errorNumber = EISDIR;
        return {};
    }
    if (!followLinks(target, error, errorNumber))
        return {};
    struct stat previous = {};
    if (::stat(target.c_str(), &previous) == 0 && !S_ISREG(previous.st_mode)) {
        // A device or a pipe has no errno of its own: ENODEV names it well enough.
        errorNumber = S_ISDIR(previous.st_mode) ? EISDIR : ENODEV;
        error = S_ISDIR(previous.st_mode) ? describe(EISDIR) : "not a regular file";
        return {};
    }
    return target.string();
}

} // namespace

std::string resolveSaveTarget(const std::string &path, std::string &error)
{
    int errorNumber = 0;
    return resolveTarget(path, error, errorNumber);
}

FileWriteResult checkReplaceable(const std::string &path)
{
    std::string error;
    int errorNumber = 0;
    const fs::path target = resolveTarget(path, error, errorNumber);
    if (target.empty())
        return { error, errorNumber };
    // The temporary file is made in the target's folder and renamed there.
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    if (::access(folder.c_str(), W_OK | X_OK) != 0)
        return { describe(errno), errno };
    return {};
}

bool adoptTargetAttributes(int fd, const std::string &target)
{
    struct stat previous = {};
    if (::stat(target.c_str(), &previous) == 0) {
        // An owner only root may give; the file is then the saver's, as any new file is.
        [[maybe_unused]] const int ignored = ::fchown(fd, previous.st_uid, previous.st_gid);
        if (::fchmod(fd, previous.st_mode & 07777) != 0)
            return false;
    } else if (::fchmod(fd, 0666 & ~currentUmask()) != 0) {
        return false;
    }
    return ::fsync(fd) == 0;
}

FileWriteResult writeFileAtomically(const std::string &path, std::string_view bytes)
{
    std::string error;
    int errorNumber = 0;
    const fs::path target = resolveTarget(path, error, errorNumber);
    if (target.empty())
        return { error, errorNumber };

    fs::path temporary;
    const int fd = createTemporaryBeside(target, temporary);
    if (fd < 0)
        return { describe(errno), errno };
    const bool filled = writeAll(fd, bytes) && adoptTargetAttributes(fd, target.string());
    int cause = filled ? 0 : errno;
    if (::close(fd) != 0 && cause == 0)
        cause = errno;
    if (cause == 0 && ::rename(temporary.c_str(), target.c_str()) != 0)
        cause = errno;
    if (cause == 0)
        return {};
    ::unlink(temporary.c_str());
    return { describe(cause), cause };
}
