#pragma once

#include <string>
#include <string_view>

// Writes bytes to a temporary file in the target's folder and renames it over the target, so a
// failed write neither leaves a half-written file nor destroys the previous one. False on failure.
bool writeFileAtomically(const std::string &path, std::string_view bytes);
