#pragma once

// Settings remembered from one start to the next, per user: the program's own file in the
// user's configuration folder, named after the application.

#include <string>

int GetProfileInt(const std::string &section, const std::string &entry, int defaultValue);
bool WriteProfileInt(const std::string &section, const std::string &entry, int value);
