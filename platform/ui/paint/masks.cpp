#include "ui/paint/masks.h"

namespace ui {

Canvas makeMask(const Canvas& image, Color transparent) {
    transparent &= kColorBits;
    Canvas mask(image.width(), image.height(), colors::black);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == transparent) mask.setPixel(x, y, colors::white);
    return mask;
}

void replaceColor(Canvas& image, Color from, Color to) {
    from &= kColorBits;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == from) image.setPixel(x, y, to);
}

void drawMasked(Canvas& target, int x, int y, const Canvas& image, const Canvas& mask) {
    target.blit(x, y, mask, BlitOp::And);
    target.blit(x, y, image, BlitOp::Or);
}

void drawTransparent(Canvas& target, int x, int y, const Canvas& image, Color transparent) {
    const Canvas mask = makeMask(image, transparent);
    Canvas picture = image;
    replaceColor(picture, transparent, colors::black);
    drawMasked(target, x, y, picture, mask);
}

} // namespace ui
