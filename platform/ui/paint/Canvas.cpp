#include "ui/paint/Canvas.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace ui {

namespace {

// Rectangle arithmetic runs in 64 bits: callers may pass any int, and right - left must not overflow.
struct Span64 {
    long long lo, hi; // [lo, hi)
};

Span64 clipSpan(long long lo, long long hi, int clipLo, int clipHi) {
    return {std::max(lo, static_cast<long long>(clipLo)), std::min(hi, static_cast<long long>(clipHi))};
}

// Rounds n / d to the nearest integer, halves upwards; d > 0.
long long roundDiv(__int128 n, __int128 d) {
    __int128 q = (2 * n + d) / (2 * d);
    if ((2 * n + d) % (2 * d) < 0) --q; // division truncates towards zero; we want the floor
    return static_cast<long long>(q);
}

} // namespace

Canvas::Canvas(int width, int height, Color fill) {
    if (!validSize(width, height)) return;
    width_ = width;
    height_ = height;
    clip_ = Rect{0, 0, width, height};
    pixels_.assign(std::size_t(width) * std::size_t(height), fill & kColorBits);
}

Color Canvas::pixel(int x, int y) const {
    return contains(x, y) ? pixels_[index(x, y)] : colors::black;
}

void Canvas::setClipRect(const Rect& clip) {
    clip_ = Rect{std::max(clip.left, 0), std::max(clip.top, 0), std::min(clip.right, width_),
                 std::min(clip.bottom, height_)};
    if (clip_.isEmpty()) clip_ = Rect{};
}

void Canvas::setPixel(int x, int y, Color color) {
    if (inClip(x, y)) pixels_[index(x, y)] = color & kColorBits;
}

void Canvas::fill(Color color) {
    fillRect(clip_, color);
}

void Canvas::fillRect(int left, int top, int right, int bottom, Color color) {
    const Span64 xs = clipSpan(left, right, clip_.left, clip_.right);
    const Span64 ys = clipSpan(top, bottom, clip_.top, clip_.bottom);
    if (xs.lo >= xs.hi || ys.lo >= ys.hi) return;
    color &= kColorBits;
    for (long long y = ys.lo; y < ys.hi; ++y) {
        auto row = pixels_.begin() + static_cast<std::ptrdiff_t>(index(0, int(y)));
        std::fill(row + xs.lo, row + xs.hi, color);
    }
}

namespace {

// fillRect for 64-bit corners that may lie far outside the int range.
void fillRect64(Canvas& canvas, long long left, long long top, long long right, long long bottom, Color color) {
    auto clampInt = [](long long v, int limit) { return int(std::clamp(v, -1LL, static_cast<long long>(limit) + 1)); };
    canvas.fillRect(clampInt(left, canvas.width()), clampInt(top, canvas.height()), clampInt(right, canvas.width()),
                    clampInt(bottom, canvas.height()), color);
}

} // namespace

void Canvas::frameRect(int left, int top, int right, int bottom, Color color, int thickness) {
    if (right <= left || bottom <= top) return;
    const long long t = std::max(thickness, 1);
    const long long l = left, tp = top, r = right, b = bottom;
    fillRect64(*this, l, tp, r, std::min(tp + t, b), color);
    fillRect64(*this, l, std::max(b - t, tp), r, b, color);
    fillRect64(*this, l, tp + t, std::min(l + t, r), b - t, color);
    fillRect64(*this, std::max(r - t, l), tp + t, r, b - t, color);
}

void Canvas::drawHLine(int x0, int x1, int y, Color color) {
    if (x0 > x1) std::swap(x0, x1);
    fillRect64(*this, x0, y, static_cast<long long>(x1) + 1, static_cast<long long>(y) + 1, color);
}

void Canvas::drawVLine(int x, int y0, int y1, Color color) {
    if (y0 > y1) std::swap(y0, y1);
    fillRect64(*this, x, y0, static_cast<long long>(x) + 1, static_cast<long long>(y1) + 1, color);
}

void Canvas::drawLine(int x0, int y0, int x1, int y1, Color color) {
    // Walks the major axis only across the canvas and computes the minor coordinate exactly, so a line whose
    // ends lie billions of pixels away costs no more than one across the canvas.
    const long long dx = static_cast<long long>(x1) - x0;
    const long long dy = static_cast<long long>(y1) - y0;
    const bool xMajor = (dx < 0 ? -dx : dx) >= (dy < 0 ? -dy : dy);
    long long a0 = xMajor ? x0 : y0, b0 = xMajor ? y0 : x0;
    long long a1 = xMajor ? x1 : y1, b1 = xMajor ? y1 : x1;
    if (a0 > a1) {
        std::swap(a0, a1);
        std::swap(b0, b1);
    }
    const long long da = a1 - a0, db = b1 - b0;
    const int aLimit = xMajor ? width_ : height_;
    const long long from = std::max(a0, 0LL), to = std::min(a1, static_cast<long long>(aLimit) - 1);
    for (long long a = from; a <= to; ++a) {
        const long long b = da == 0 ? b0 : b0 + roundDiv(static_cast<__int128>(a - a0) * db, da);
        if (b < 0 || b > kMaxSide) continue;
        if (xMajor)
            setPixel(int(a), int(b), color);
        else
            setPixel(int(b), int(a), color);
    }
}

void Canvas::drawEdge(int left, int top, int right, int bottom, bool sunken) {
    if (right - static_cast<long long>(left) < 2 || bottom - static_cast<long long>(top) < 2) return;
    // Outer and inner rings, each with its top-left and bottom-right colours, as the classic 3D look has them.
    const Color outerTL = sunken ? colors::buttonShadow : colors::buttonFace;
    const Color outerBR = sunken ? colors::buttonHighlight : colors::buttonDarkShadow;
    const Color innerTL = sunken ? colors::buttonDarkShadow : colors::buttonHighlight;
    const Color innerBR = sunken ? colors::buttonFace : colors::buttonShadow;
    auto ring = [&](int l, int t, int r, int b, Color tl, Color br) {
        drawHLine(l, r - 1, t, tl);
        drawVLine(l, t, b - 1, tl);
        drawHLine(l, r - 1, b - 1, br);
        drawVLine(r - 1, t, b - 1, br);
    };
    ring(left, top, right, bottom, outerTL, outerBR);
    if (right - static_cast<long long>(left) >= 4 && bottom - static_cast<long long>(top) >= 4)
        ring(left + 1, top + 1, right - 1, bottom - 1, innerTL, innerBR);
}

void Canvas::blit(int dstX, int dstY, const Canvas& src, BlitOp op, int srcX, int srcY, int width, int height) {
    long long w = width < 0 ? static_cast<long long>(src.width_) - srcX : width;
    long long h = height < 0 ? static_cast<long long>(src.height_) - srcY : height;
    long long sx = srcX, sy = srcY, dx = dstX, dy = dstY;
    // Clip the block to the source, then to the destination's clip, moving both corners together.
    auto clipAxis = [](long long& s, long long& d, long long& n, long long sLimit, long long dLo, long long dHi) {
        if (s < 0) {
            d -= s;
            n += s;
            s = 0;
        }
        if (d < dLo) {
            s += dLo - d;
            n -= dLo - d;
            d = dLo;
        }
        n = std::min({n, sLimit - s, dHi - d});
    };
    clipAxis(sx, dx, w, src.width_, clip_.left, clip_.right);
    clipAxis(sy, dy, h, src.height_, clip_.top, clip_.bottom);
    if (w <= 0 || h <= 0) return;

    // A blit within one canvas reads from a copy, so overlapping blocks behave as if read before written.
    Canvas copy;
    const Canvas* from = &src;
    if (&src == this) {
        copy = Canvas(int(w), int(h));
        copy.blit(0, 0, *this, BlitOp::Copy, int(sx), int(sy), int(w), int(h));
        from = &copy;
        sx = sy = 0;
    }
    for (long long row = 0; row < h; ++row) {
        const Color* s = from->pixels_.data() + from->index(int(sx), int(sy + row));
        Color* d = pixels_.data() + index(int(dx), int(dy + row));
        for (long long i = 0; i < w; ++i) {
            switch (op) {
            case BlitOp::Copy:
                d[i] = s[i];
                break;
            case BlitOp::And:
                d[i] &= s[i];
                break;
            case BlitOp::Or:
                d[i] |= s[i];
                break;
            case BlitOp::Xor:
                d[i] ^= s[i];
                break;
            }
        }
    }
}

void Canvas::drawSelectionHandles(int left, int top, int right, int bottom, int size, bool outside, Color color) {
    if (size <= 0) return;
    const long long s = size, l = left, t = top, r = right, b = bottom;
    const long long midX = l + (r - l) / 2 - s / 2, midY = t + (b - t) / 2 - s / 2;
    // Start of a handle along one axis at the low edge, the middle and the high edge.
    const long long xs[3] = {outside ? l - s : l, midX, outside ? r : r - s};
    const long long ys[3] = {outside ? t - s : t, midY, outside ? b : b - s};
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            if (i == 1 && j == 1) continue; // the centre has no handle
            fillRect64(*this, xs[i], ys[j], xs[i] + s, ys[j] + s, color);
        }
    }
}

} // namespace ui
