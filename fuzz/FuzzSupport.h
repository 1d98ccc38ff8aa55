#pragma once

// What every harness shares: the loaders take a path, so each input is written to one scratch
// file per process first; and drawing needs a Qt application (fonts), made once.

#include <cstddef>
#include <cstdint>
#include <string>

// The scratch file of this process, holding the given bytes.
const std::string &writeInputFile(const std::uint8_t *data, std::size_t size);

// A path in the scratch folder for files a harness writes (route files, setup files).
std::string scratchPath(const std::string &name);

// Point arrays are kept for the process (static) by the harnesses: allocating and clearing
// 400 kB for every input would cost more than the code under test. They keep whatever the last
// input left in them.

// A headless application object, made on first use and kept for the process.
void ensureApplication();
