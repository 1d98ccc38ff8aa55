#include "data/AtomicFile.h"

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// Creates a new, exclusive temporary file beside the target; empty path when that fails.
std::FILE *createTemporaryBeside(const fs::path &target, fs::path &temporary)
{
    static std::atomic<unsigned> counter { 0 };
    std::random_device seed;
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    for (int attempt = 0; attempt < 16; ++attempt) {
        const std::string name = "." + target.filename().string() + ".tmp" + std::to_string(seed())
            + "-" + std::to_string(counter++);
        temporary = folder / name;
        if (std::FILE *file = std::fopen(temporary.c_str(), "wbx"))
            return file;
        std::error_code ec;
        if (!fs::exists(folder, ec))
            break;
    }
    return nullptr;
}

} // namespace

bool writeFileAtomically(const std::string &path, std::string_view bytes)
{
    const fs::path target(path);
    if (!target.has_filename())
        return false;
    fs::path temporary;
    std::FILE *file = createTemporaryBeside(target, temporary);
    if (!file)
        return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    ok = std::fflush(file) == 0 && ok;
    ok = std::fclose(file) == 0 && ok;
    std::error_code ec;
    if (ok) {
        fs::rename(temporary, target, ec);
        ok = !ec;
    }
    if (!ok)
        fs::remove(temporary, ec);
    return ok;
}
