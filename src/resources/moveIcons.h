#pragma once
// The module's up and down arrows of the order buttons (icons 257 / 258 of the general variables grids,
// 261 / 262 of the section library's lists): drawn here, white transparent.
#include <cstdint>
#include <vector>

namespace ssres {

std::vector<std::uint8_t> moveIconBytes(bool up);

} // namespace ssres
