#include "export/OutputFile.h"

#include "data/AtomicFile.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The temporary files a signal handler must remove: fixed buffers, so the handler only reads.
constexpr int kSlots = 8;
constexpr std::size_t kPathMax = 4096;
std::array<std::array<char, kPathMax>, kSlots> g_paths;
std::array<std::atomic<bool>, kSlots> g_reserved {}; // taken by an OutputFile
std::array<std::atomic<bool>, kSlots> g_used {}; // holds a path the handler may remove

// Takes a free slot for a path pattern; -1 when none is free or the path is too long.
int claimSlot(const std::string &pattern)
{
    if (pattern.size() >= kPathMax)
        return -1;
    for (int i = 0; i < kSlots; ++i) {
        bool expected = false;
        const auto slot = static_cast<std::size_t>(i);
        if (!g_reserved[slot].compare_exchange_strong(expected, true))
            continue;
        std::memcpy(g_paths[slot].data(), pattern.c_str(), pattern.size() + 1);
        g_used[slot].store(true);
        return i;
    }
    return -1;
}

void releaseSlot(int slot)
{
    if (slot < 0)
        return;
    g_used[static_cast<std::size_t>(slot)].store(false);
    g_reserved[static_cast<std::size_t>(slot)].store(false);
}

extern "C" void onInterrupt(int signal)
{
    for (int i = 0; i < kSlots; ++i)
        if (g_used[static_cast<std::size_t>(i)].load())
            ::unlink(g_paths[static_cast<std::size_t>(i)].data());
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

} // namespace

OutputFile::OutputFile(const std::string &target)
{
    namespace fs = std::filesystem;
    std::string refused;
    m_target = resolveSaveTarget(target, refused); // a link is written through, not replaced
    if (m_target.empty()) {
        m_target = target; // named as asked in what the writer then says
        m_reason = refused;
        return;
    }
    const fs::path path(m_target);
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    std::string hidden("."); // appended, not "." + name: GCC 12 at -O3 misreads that as overlapping
    hidden.append(path.filename().string()).append(".XXXXXX");
    const std::string pattern = (folder / hidden).string();
    // mkstemp fills in the name inside the handler's own buffer before it creates the file, so
    // no interrupt can leave the file behind.
    m_slot = claimSlot(pattern);
    if (m_slot < 0)
        return;
    char *name = g_paths[static_cast<std::size_t>(m_slot)].data();
    m_fd = ::mkstemp(name);
    m_temporary = name;
    if (m_fd < 0) {
        m_reason = std::strerror(errno);
        discard();
    }
}

OutputFile::~OutputFile() { discard(); }

void OutputFile::discard()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
        ::unlink(m_temporary.c_str());
    }
    releaseSlot(m_slot);
    m_slot = -1;
}

bool OutputFile::write(std::string_view bytes)
{
    while (m_fd >= 0 && !m_failed && !bytes.empty()) {
        const ssize_t written = ::write(m_fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            m_failed = true;
            m_reason = std::strerror(written < 0 ? errno : ENOSPC);
        } else
            bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return m_fd >= 0 && !m_failed;
}

bool OutputFile::commit()
{
    if (m_fd < 0 || m_failed) {
        discard();
        return false;
    }
    // mkstemp makes the file private; it takes what the file it replaces had.
    const bool ok = adoptTargetAttributes(m_fd, m_target) && ::close(m_fd) == 0;
    m_fd = -1;
    if (!ok || ::rename(m_temporary.c_str(), m_target.c_str()) != 0) {
        m_reason = std::strerror(errno);
        ::unlink(m_temporary.c_str());
        releaseSlot(m_slot);
        m_slot = -1;
        return false;
    }
    releaseSlot(m_slot);
    m_slot = -1;
    return true;
}

void removeOutputFilesOnInterrupt()
{
    for (int signal : { SIGINT, SIGTERM, SIGHUP })
        std::signal(signal, onInterrupt);
}
