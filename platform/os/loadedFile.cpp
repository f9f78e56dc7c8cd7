#include "os/loadedFile.h"

#include <dlfcn.h>

#include <system_error>

namespace os {

std::filesystem::path loadedFileOf(const void* address) {
    Dl_info info{};
    if (!address || dladdr(address, &info) == 0 || !info.dli_fname || !*info.dli_fname)
        return {};
    std::error_code ec;
    // The loader reports the name it was given, which may be relative to the folder the program started in.
    std::filesystem::path file = std::filesystem::absolute(info.dli_fname, ec);
    return ec ? std::filesystem::path(info.dli_fname) : file.lexically_normal();
}

} // namespace os
