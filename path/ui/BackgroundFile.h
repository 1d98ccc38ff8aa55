#pragma once

#include "path/core/BitmapFile.h"

#include <string>

class CBitmap;

// Loads a background map into `into`. Empty when it loaded; otherwise why not, in words for the
// person: the system's reason, a bitmap that holds fewer pixels than it claims (refused, so that
// no pixel the file never held is shown), or a file that is no picture or too large.
std::string loadBackgroundFile(const std::string &path, CBitmap &into);

// The same trial without keeping the picture: what the setup's check asks before a run.
std::string tryBackgroundFile(const std::string &path);
