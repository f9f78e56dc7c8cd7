// Bitmap and icon files from anywhere: the readers must refuse or decode every input without a crash, a hang or
// an allocation the input does not pay for; what the bitmap reader decodes must survive our own writer and
// reader unchanged.
#include "ui/paint/Picture.h"
#include "ui/paint/bmpFile.h"
#include "ui/paint/masks.h"
#include "ui/paint/pngFile.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace {

// The same bytes as the window system carries a picture: a bitmap, or an icon when they start like one.
void decodeAsPicture(const std::uint8_t* data, std::size_t size) {
    ui::Image image;
    image.resourceId = 1;
    image.bytes = std::make_shared<const std::vector<std::uint8_t>>(data, data + size);
    ui::Picture picture;
    std::u16string error;
    if (!picture.decode(image, error, 32)) {
        if (error.empty() || !picture.empty()) std::abort();
        return;
    }
    if (picture.hasMask() && (picture.mask().width() != picture.width() || picture.mask().height() != picture.height()))
        std::abort();
    ui::Canvas target(9, 9, ui::colors::lightGrey);
    picture.draw(target, -1, -1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    decodeAsPicture(data, size);
    ui::Canvas image;
    std::u16string error;
    if (!ui::readBmp(std::span<const std::uint8_t>(data, size), image, error)) {
        if (error.empty() || !image.empty()) std::abort(); // a refusal always says why and leaves nothing behind
        return 0;
    }
    if (image.empty()) std::abort();

    ui::Canvas again;
    if (!ui::readBmp(ui::encodeBmp(image), again, error) || again.width() != image.width() ||
        again.height() != image.height() ||
        !std::equal(again.pixels().begin(), again.pixels().end(), image.pixels().begin()))
        std::abort();

    // Drawing the picture transparently onto a smaller target exercises the mask and the clipped blits.
    ui::Canvas target(17, 13, ui::colors::lightGrey);
    ui::drawTransparent(target, -3, -2, image, image.pixel(0, 0));
    if (ui::encodePng(target).empty()) std::abort();
    return 0;
}
