#pragma once
// Points, sizes and rectangles in pixels, with the platform's conventions: a rectangle's right and bottom edges
// lie outside it, and y grows downwards.
#include <algorithm>

namespace ui {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    static Rect fromSize(int x, int y, int cx, int cy) { return {x, y, x + cx, y + cy}; }
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    Size size() const { return {width(), height()}; }
    Point topLeft() const { return {left, top}; }
    Point bottomRight() const { return {right, bottom}; }
    bool isEmpty() const { return right <= left || bottom <= top; }
    bool contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    void offset(int dx, int dy) { left += dx; right += dx; top += dy; bottom += dy; }
    Rect offsetBy(int dx, int dy) const { Rect r = *this; r.offset(dx, dy); return r; }
    void deflate(int l, int t, int r, int b) { left += l; top += t; right -= r; bottom -= b; }
    // Swaps edges so that left <= right and top <= bottom (a rubber band drawn up or leftwards).
    Rect normalized() const {
        return {std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
    }
    // The common part; an empty rectangle (all zero) when there is none.
    Rect intersect(const Rect& o) const {
        Rect r{std::max(left, o.left), std::max(top, o.top), std::min(right, o.right), std::min(bottom, o.bottom)};
        return r.isEmpty() ? Rect{} : r;
    }
    Rect unite(const Rect& o) const {
        if (isEmpty()) return o;
        if (o.isEmpty()) return *this;
        return {std::min(left, o.left), std::min(top, o.top), std::max(right, o.right), std::max(bottom, o.bottom)};
    }
    friend bool operator==(const Rect&, const Rect&) = default;
};

} // namespace ui
