#pragma once
// Sheet functions implemented by the program that embeds the grid, and the records they are called with.
// The callback fills a result record from an array of argument records; both have one layout: a status, a
// type and the value (a number, the handle of a movable memory block holding a zero-terminated UTF-16 text, or
// a cell or block position).
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "grid/GlobalMemory.h"

enum : std::uint8_t {
    SSStatusValid = 0,        // holds a value
    SSStatusUnreadable = 1,   // the value could not be read
    SSStatusNoValue = 2,      // gives no value (a blank argument, or a function that answers nothing)
};

enum : std::uint8_t {
    SSTypeLong = 0,
    SSTypeDouble = 1,
    SSTypeString = 2,
    SSTypeCellRef = 3,
    SSTypeRange = 4,
};

struct SSCellPos {
    std::int32_t col;
    std::int32_t row;
};

struct SSBlockPos {
    std::int32_t col1, row1, col2, row2;
};

struct SSValueRecord {
    std::uint8_t status;
    std::uint8_t type;
    union {
        std::int32_t lValue;
        double dValue;
        grid::MemHandle hValue;   // SSTypeString: a block of 2 x length + 2 bytes
        SSCellPos cell;           // SSTypeCellRef
        SSBlockPos range;         // SSTypeRange
    };
};
static_assert(sizeof(SSValueRecord) == 24, "argument records follow one another every 24 bytes");

// The callback receives the result record to fill, the argument records and their count; non-zero is success.
using SSCustomFunctionProc = int (*)(SSValueRecord* result, SSValueRecord* args, std::int16_t count);

namespace grid {

// Flag 1: a reference argument arrives as a cell reference (SSTypeCellRef) instead of as its value.
constexpr unsigned kPassReferences = 1;

using CustomCallback = std::function<bool(SSValueRecord& result, SSValueRecord* args, std::int16_t count)>;

struct CustomFunction {
    std::u16string name;
    int minArgs = 0;
    int maxArgs = 0;
    CustomCallback callback;
    SSCustomFunctionProc proc = nullptr;   // when registered as a plain function: the function itself
    unsigned flags = 0;
};

// The functions of a sheet by their names in upper case, found by a view of such a name.
struct FunctionNameHash {
    using is_transparent = void;
    std::size_t operator()(std::u16string_view name) const { return std::hash<std::u16string_view>()(name); }
};
using CustomFunctions =
    std::unordered_map<std::u16string, std::shared_ptr<CustomFunction>, FunctionNameHash, std::equal_to<>>;

// The upper-case form of a function's name, as CustomFunctions is keyed: a formula calls its functions by
// name on every evaluation, and names of the usual length are cased here without allocating.
class UpperName {
public:
    explicit UpperName(std::u16string_view name);
    UpperName(const UpperName&) = delete;
    UpperName& operator=(const UpperName&) = delete;
    std::u16string_view view() const { return view_; }

private:
    static constexpr std::size_t kInline = 40;
    char16_t inline_[kInline];
    std::u16string long_;
    std::u16string_view view_;
};

// Whether `name` in any case of plain ASCII letters is `upper`, an upper-case name: the quick test of a name
// against a known function's. False for names with other characters, which only UpperName cases.
bool sameAsUpperName(std::u16string_view name, std::u16string_view upper);

} // namespace grid
