// PNG files from anywhere: the reader must refuse or decode every input without a crash, a hang or an
// allocation the input does not pay for; what it decodes must survive our own writer and reader unchanged.
#include "ui/paint/pngFile.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ui::Canvas image;
    std::u16string error;
    if (!ui::readPng(std::span<const std::uint8_t>(data, size), image, error)) {
        if (error.empty() || !image.empty()) std::abort(); // a refusal always says why and leaves nothing behind
        return 0;
    }
    if (image.empty()) std::abort();
    ui::Canvas again;
    if (!ui::readPng(ui::encodePng(image), again, error) || again.width() != image.width() ||
        again.height() != image.height() ||
        !std::equal(again.pixels().begin(), again.pixels().end(), image.pixels().begin()))
        std::abort();
    return 0;
}
