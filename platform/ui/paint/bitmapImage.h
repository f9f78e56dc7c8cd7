#pragma once
// A bitmap file as an image a button or a static control can show: the file's bytes, checked to decode, with
// the picture's size.
#include "ui/Window.h"

#include <filesystem>
#include <string>

namespace ui {

// False, with `image` left as it was and `error` saying why, when the file cannot be read or is not a bitmap.
bool loadBitmapImage(const std::filesystem::path& path, Image& image, std::u16string& error);

} // namespace ui
