#include "ui/paint/fileBytes.h"

#include "os/files.h"
#include "os/utf16.h"

#include <fstream>
#include <string>
#include <string_view>
#include <system_error>

namespace ui {

namespace fs = std::filesystem;

namespace {

// A message naming the file. Built by appending: g++ 12 at -O3 misreads chained u16string concatenation as an
// overlapping copy (-Wrestrict) and refuses to build.
std::u16string message(std::u16string_view before, const fs::path& path, std::u16string_view after = u"") {
    std::u16string text(before);
    text += u'"';
    text += os::toUtf16(path.string());
    text += u'"';
    text += after;
    return text;
}

} // namespace

bool readFileBytes(const fs::path& path, std::size_t maxBytes, std::vector<std::uint8_t>& bytes,
                   std::u16string& error) {
    bytes.clear();
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) {
        error = message(u"Cannot open ", path, u": no such file");
        return false;
    }
    const std::uintmax_t size = fs::file_size(path, ec);
    if (ec) {
        error = message(u"Cannot read the size of ", path);
        return false;
    }
    if (size > maxBytes) {
        error = message(u"The file ", path, u" is too large");
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = message(u"Cannot open ", path);
        return false;
    }
    bytes.resize(static_cast<std::size_t>(size));
    if (size > 0 && !in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size))) {
        bytes.clear();
        error = message(u"Cannot read ", path);
        return false;
    }
    return true;
}

bool writeFileBytesAtomically(const fs::path& path, std::span<const std::uint8_t> bytes, std::u16string& error) {
    const std::string_view view(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (!os::writeBytesNative(path, view)) {
        error = message(u"Cannot write ", path);
        return false;
    }
    return true;
}

} // namespace ui
