#pragma once
// The role of a spreadsheet variable: filled before the calculation, given back after it, or kept inside.
#include <cstdint>

enum class KvCellType : std::int32_t {
    Input = 0,
    Output = 1,
    Local = 2,
};
