#pragma once

// A fresh folder under the system temp directory for one test, removed with everything in it.

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>

class TempDir
{
public:
    TempDir()
    {
        static std::atomic<unsigned> counter { 0 };
        m_path = std::filesystem::temp_directory_path()
            / ("tracelet-core-" + std::to_string(std::random_device {}()) + "-"
                + std::to_string(counter++));
        std::filesystem::create_directories(m_path);
    }
    ~TempDir()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }

    std::string file(std::string_view name) const { return (m_path / name).string(); }

    std::string write(std::string_view name, std::string_view bytes) const
    {
        const std::string target = file(name);
        std::ofstream(target, std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return target;
    }

    static std::string read(const std::string &path)
    {
        std::ifstream in(path, std::ios::binary);
        return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
    }

    std::ptrdiff_t entryCount() const
    {
        return std::distance(
            std::filesystem::directory_iterator(m_path), std::filesystem::directory_iterator());
    }

private:
    std::filesystem::path m_path;
};
