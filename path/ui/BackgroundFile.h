#pragma once

#include <string>

class CBitmap;

// Loads a background map into `into`. Empty when it loaded; otherwise why not, in words for the
// person: the system's reason, a bitmap that holds fewer pixels than it claims (refused, so that
// no pixel the file never held is shown), or a file that is no picture or too large.
std::string loadBackgroundFile(const std::string &path, CBitmap &into);

// The message that tells it: what failed, the file, and why.
std::string backgroundFailedMessage(const std::string &path, const std::string &reason, bool given);
