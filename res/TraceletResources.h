#pragma once

// Registers the program's painted bitmaps, icon and string table with the platform.
void registerTraceletResources();
