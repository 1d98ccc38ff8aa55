#pragma once

#include <string>

// Why the system refused a file operation, in short Japanese words for a message: the errno
// values a person meets (disk full, no permission, read-only, no such file, a folder) by name,
// any other by the system's own text and its number.
std::string systemReason(int errorNumber);

struct FileWriteResult;

// Why a save failed, for a Japanese message: the system's reason in Japanese when there is one,
// else the writer's own words.
std::string writeFailureReason(const FileWriteResult &result);
