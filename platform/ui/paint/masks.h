#pragma once
// Pictures with a transparent colour, drawn the way Windows programs draw them: a mask where the transparent
// colour is white and everything else black is ANDed onto the target (clearing where the picture goes), then
// the picture, with its transparent colour turned black, is ORed on top.
#include "ui/paint/Canvas.h"

namespace ui {

// A monochrome canvas of the image's size: white where the image has `transparent`, black elsewhere.
Canvas makeMask(const Canvas& image, Color transparent);

// Every pixel of colour `from` becomes `to`.
void replaceColor(Canvas& image, Color from, Color to);

// Draws a prepared pair: target &= mask, then target |= image (whose transparent pixels must be black).
void drawMasked(Canvas& target, int x, int y, const Canvas& image, const Canvas& mask);

// Draws the image at (x, y) with `transparent` letting the target show through.
void drawTransparent(Canvas& target, int x, int y, const Canvas& image, Color transparent);

} // namespace ui
