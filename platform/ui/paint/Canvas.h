#pragma once
// A raster of COLORREF pixels (see Color.h) that windows, pictures and masks are drawn into. Rectangles are
// given as Windows gives them: left and top inclusive, right and bottom exclusive. Every drawing operation clips
// to the clip rectangle (the whole canvas unless set smaller, as a window's painter is kept inside its window),
// so no coordinate, however wild, writes outside it or loops beyond the canvas's size.
#include "ui/geometry.h"
#include "ui/paint/Color.h"

#include <cstddef>
#include <span>
#include <vector>

namespace ui {

// How a blit combines the source with the destination, as BitBlt's raster operations do.
enum class BlitOp {
    Copy, // SRCCOPY:   dst = src
    And,  // SRCAND:    dst = dst & src
    Or,   // SRCPAINT:  dst = dst | src
    Xor,  // SRCINVERT: dst = dst ^ src
};

class Canvas {
public:
    // The largest width or height a canvas accepts; a bigger (or negative) size gives an empty canvas, so a
    // hostile size can never ask for an unbounded allocation.
    static constexpr int kMaxSide = 16384;

    Canvas() = default;
    Canvas(int width, int height, Color fill = colors::white);

    static bool validSize(int width, int height) {
        return width >= 0 && height >= 0 && width <= kMaxSide && height <= kMaxSide;
    }

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return width_ == 0 || height_ == 0; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    // Drawing stays inside this rectangle (always within the canvas). A new canvas clips to itself.
    void setClipRect(const Rect& clip);
    void resetClip() { clip_ = Rect{0, 0, width_, height_}; }
    const Rect& clipRect() const { return clip_; }

    // Outside the canvas a read gives black; outside the clip rectangle a write does nothing.
    Color pixel(int x, int y) const;
    void setPixel(int x, int y, Color color);
    // Row-major, top row first.
    std::span<const Color> pixels() const { return pixels_; }

    void fill(Color color); // the clip rectangle
    void fillRect(int left, int top, int right, int bottom, Color color);
    void fillRect(const Rect& r, Color color) { fillRect(r.left, r.top, r.right, r.bottom, color); }
    // A border of the given thickness drawn inside the rectangle, as FrameRect does.
    void frameRect(int left, int top, int right, int bottom, Color color, int thickness = 1);
    void frameRect(const Rect& r, Color color, int thickness = 1) {
        frameRect(r.left, r.top, r.right, r.bottom, color, thickness);
    }
    // Both end points are drawn.
    void drawLine(int x0, int y0, int x1, int y1, Color color);
    void drawHLine(int x0, int x1, int y, Color color);
    void drawVLine(int x, int y0, int y1, Color color);
    // A raised (sunken = false) or sunken 3D edge just inside the rectangle, two pixels wide.
    void drawEdge(int left, int top, int right, int bottom, bool sunken);
    void drawEdge(const Rect& r, bool sunken) { drawEdge(r.left, r.top, r.right, r.bottom, sunken); }

    // Combines the width x height block of src at (srcX, srcY) into this canvas at (dstX, dstY); a negative
    // width or height means "to the edge of src". Parts outside src or this canvas's clip rectangle are
    // skipped. src may be this canvas, with the blocks overlapping.
    void blit(int dstX, int dstY, const Canvas& src, BlitOp op = BlitOp::Copy, int srcX = 0, int srcY = 0,
              int width = -1, int height = -1);

    // The eight sizing handles a selected control shows: squares of `size` pixels at the corners and the
    // middles of the edges, outside the rectangle (touching it) or just inside it.
    void drawSelectionHandles(int left, int top, int right, int bottom, int size = 5, bool outside = true,
                              Color color = colors::black);
    void drawSelectionHandles(const Rect& r, int size = 5, bool outside = true, Color color = colors::black) {
        drawSelectionHandles(r.left, r.top, r.right, r.bottom, size, outside, color);
    }

private:
    std::size_t index(int x, int y) const { return std::size_t(y) * std::size_t(width_) + std::size_t(x); }
    bool inClip(int x, int y) const { return x >= clip_.left && y >= clip_.top && x < clip_.right && y < clip_.bottom; }

    int width_ = 0;
    int height_ = 0;
    Rect clip_;
    std::vector<Color> pixels_;
};

} // namespace ui
