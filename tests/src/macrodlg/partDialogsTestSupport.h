#pragma once
// What the tests of the pattern, array and cut dialogs share: a picture check (sane size, the title drawn).
#include "ui/paint/Canvas.h"
#include "ui/paint/WindowPainter.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

namespace macrodlgtest {

// Pictures the dialog into a PNG and checks it: at least the given size, and the caption band holds more
// than the frame's colour (the title is drawn).
inline void expectPictured(const ui::Window& dialog, const std::string& name, int minWidth, int minHeight) {
    const ui::Canvas picture = ui::renderWindow(dialog);
    EXPECT_GE(picture.width(), minWidth);
    EXPECT_GE(picture.height(), minHeight);
    EXPECT_LE(picture.width(), 1600);
    std::set<ui::Color> captionColours;
    for (int y = 4; y < 18 && y < picture.height(); ++y)
        for (int x = 8; x < 120 && x < picture.width(); ++x)
            captionColours.insert(picture.pixel(x, y));
    EXPECT_GT(captionColours.size(), 1u) << "no title drawn";
    TempFolder folder;
    std::u16string error;
    const std::filesystem::path file = folder.path() / (name + ".png");
    ASSERT_TRUE(ui::writeWindowPng(dialog, file, error));
    EXPECT_GT(std::filesystem::file_size(file), 200u);
}

} // namespace macrodlgtest
