#pragma once

// A file being written: the bytes go to a hidden temporary file beside the target, which is
// renamed over the target only when everything is written. Until then an interrupt (Ctrl-C, a
// kill) or a failure removes the temporary file, so no partial file is ever left behind and a
// previous file of that name stays as it was. Like every save, it writes through symbolic links
// and keeps the permission bits of the file it replaces.

#include <string>
#include <string_view>

class OutputFile
{
public:
    explicit OutputFile(const std::string &target);
    ~OutputFile(); // removes the temporary file unless committed
    OutputFile(const OutputFile &) = delete;
    OutputFile &operator=(const OutputFile &) = delete;

    bool isOpen() const { return m_fd >= 0; }
    const std::string &target() const { return m_target; }
    // "cannot write TARGET: why", for the writer's error once opening, writing or commit failed.
    std::string failure() const { return "cannot write " + m_target + ": " + m_reason; }
    // Where the bytes go until commit(), for writers that open the file by name.
    const std::string &temporaryPath() const { return m_temporary; }
    bool write(std::string_view bytes);
    // Gives the file what the one it replaces had and renames it over the target.
    bool commit();

private:
    void discard();

    std::string m_target;
    std::string m_temporary;
    int m_fd = -1;
    int m_slot = -1;
    bool m_failed = false;
    std::string m_reason = "unknown error";
};

// SIGINT, SIGTERM and SIGHUP remove the temporary files of every open OutputFile, then end the
// process as that signal would have.
void removeOutputFilesOnInterrupt();
