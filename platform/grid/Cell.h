#pragma once
// One stored cell. Most cells hold only a value or a formula, often with a type; the rarer attributes (lock,
// font, colours, border, tag) live in a side record so that a sheet of a million cells stays small.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "grid/CellType.h"
#include "grid/Formula.h"
#include "grid/Value.h"

namespace grid {

struct Font {
    std::u16string face;
    int height = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    bool operator==(const Font&) const = default;
};

struct Border {
    std::uint16_t kind = 0;
    std::uint16_t style = 0;
    std::uint32_t colour = 0;
    bool operator==(const Border&) const = default;
};

struct CellAttrs {
    bool locked = false;
    std::shared_ptr<const Font> font;   // shared: a sheet gives one font to whole rows and columns
    std::optional<std::uint32_t> backColour;
    std::optional<std::uint32_t> foreColour;
    std::optional<Border> border;
    std::u16string tag;
};

using CellId = std::uint32_t;   // 0 is no cell

struct Cell {
    Value value;
    std::shared_ptr<const Formula> formula;
    std::shared_ptr<const CellType> type;   // shared: a sheet gives one type to whole columns of cells
    std::unique_ptr<CellAttrs> attrs;
    std::int32_t col = 0, row = 0;
    // Scratch of the recalculation: the pass that last visited the cell and its ordering numbers there.
    std::uint32_t visit = 0, index = 0, low = 0;
    std::uint8_t flags = 0;

    enum : std::uint8_t { kLive = 1, kDirty = 2, kOnStack = 4, kSelfRef = 8 };
    bool live() const { return flags & kLive; }
    bool dirty() const { return flags & kDirty; }
};

} // namespace grid
