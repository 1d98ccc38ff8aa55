#pragma once

#include <string>
#include <string_view>

// What became of a save: nothing to say when it worked, else why not, in words for the person.
struct FileWriteResult
{
    std::string error;
    int errorNumber = 0; // the system's errno behind the error, 0 when there is none
    explicit operator bool() const { return error.empty(); }
};

// Saves bytes so that the file is either the new one or, when anything fails, still the old one:
// they go to a temporary file beside the target, which then replaces it in one rename. A
// symbolic link is written through to the file it names; an existing file keeps its permission
// bits and, where allowed, its owner. Only a regular file (or a new name) can be replaced.
FileWriteResult writeFileAtomically(const std::string &path, std::string_view bytes);

// Whether a later writeFileAtomically(path, …) can work, asked without touching anything: the
// target must be a regular file or a new name, and its folder must take a new file. Lets a file
// chosen to be replaced keep its content until it is really written.
FileWriteResult checkReplaceable(const std::string &path);

// The two rules for writers that stream into a temporary file of their own: where a save to
// `path` really goes (through symbolic links; empty, with the reason in `error`, for a folder, a
// device or a link loop), and what the finished temporary file takes over from the file it will
// replace (permission bits and, where allowed, owner; a new file's usual mode), synced to disk.
std::string resolveSaveTarget(const std::string &path, std::string &error);
bool adoptTargetAttributes(int fd, const std::string &target);
