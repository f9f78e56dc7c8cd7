#pragma once
// Which loaded file (the program or a shared library) holds a piece of code: a module finds its own folder
// from the address of one of its functions, as the platform's module handle gives it.
#include <filesystem>

namespace os {

// The absolute path of the file that `address` was loaded from; empty when the loader does not know it.
std::filesystem::path loadedFileOf(const void* address);

} // namespace os
