#pragma once
// A picture ready to draw: the colours and, for pictures with transparent parts, a mask in which white marks
// what is transparent (see masks.h). Made from a bitmap with a transparent colour, or from an icon file, whose
// own mask (or alpha channel) says what is transparent.
#include "ui/Window.h"
#include "ui/paint/Canvas.h"

#include <cstdint>
#include <span>
#include <string>

namespace ui {

class Picture {
public:
    Picture() = default;
    explicit Picture(Canvas image) : image_(std::move(image)) {}

    // A bitmap or icon as the window system carries it (BMP or ICO bytes). For an icon the entry closest to
    // `iconSize` pixels is taken. False (and an empty picture) when the bytes are missing or not a picture.
    bool decode(const Image& image, std::u16string& error, int iconSize = 32);
    // The icon entry closest to `size` pixels square: 1 to 32 bits per pixel, with its AND mask; entries that
    // hold a PNG are refused.
    bool readIco(std::span<const std::uint8_t> bytes, int size, std::u16string& error);

    // Makes `color` transparent (the opaque parts keep their colours).
    void setTransparentColor(Color color);

    const Canvas& image() const { return image_; }
    const Canvas& mask() const { return mask_; }
    bool hasMask() const { return !mask_.empty(); }
    int width() const { return image_.width(); }
    int height() const { return image_.height(); }
    bool empty() const { return image_.empty(); }

    // Draws the picture with its top-left at (x, y), letting the target show through where it is transparent.
    void draw(Canvas& target, int x, int y) const;

private:
    Canvas image_; // black where transparent, so that OR after the mask's AND shows the target
    Canvas mask_;
};

} // namespace ui
