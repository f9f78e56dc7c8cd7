#pragma once
// The type of a spreadsheet variable's value. Int and Double are the numeric types.
#include <cstdint>

enum class KvValueType : std::int32_t {
    Int = 0,
    Double = 1,
    String = 2,
};

inline bool isNumericType(KvValueType type) { return static_cast<std::int32_t>(type) < 2; }
