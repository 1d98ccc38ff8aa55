#pragma once

// A fresh folder under the system temp directory for one test, removed with everything in it.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

class TempDir
{
public:
    TempDir()
    {
        std::string pattern
            = (std::filesystem::temp_directory_path() / "tracelet-core-XXXXXX").string();
        m_path = ::mkdtemp(pattern.data());
    }
    ~TempDir()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }

    const std::filesystem::path &path() const { return m_path; }
    std::string file(std::string_view name) const { return (m_path / name).string(); }

    std::string write(std::string_view name, std::string_view bytes) const
    {
        std::ofstream(file(name), std::ios::binary) << bytes;
        return file(name);
    }

    static std::string read(const std::string &path)
    {
        std::ifstream in(path, std::ios::binary);
        return { std::istreambuf_iterator<char>(in), {} };
    }

    // Entries in the folder, or in a folder inside it.
    std::ptrdiff_t entryCount(std::string_view folder = {}) const
    {
        return std::distance(std::filesystem::directory_iterator(m_path / folder), {});
    }

private:
    std::filesystem::path m_path;
};
