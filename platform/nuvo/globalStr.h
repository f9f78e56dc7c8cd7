#pragma once
// Texts in the grid's movable memory blocks, the form in which texts reach custom sheet functions and
// their results go back to the grid.
#include "grid/GlobalMemory.h"
#include "nuvo/Ork_String.h"

// The text of a block; false (text untouched) for a handle that is no usable block.
bool getGlobalStr(grid::MemHandle handle, Ork_String& text);
// A new block holding the text, whose owner is the caller (or whoever it hands the block to); the old
// value of `handle` is not freed. False with `handle` 0 when no block can be made ("Reallocate failed\n"
// is then printed on the command line).
bool setGlobalStr(grid::MemHandle& handle, const Ork_String& text);
