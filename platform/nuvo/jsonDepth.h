#pragma once
// How deeply a JSON text nests its arrays and objects, counted outside strings. The host's JSON files nest a
// few levels; a reader refuses anything much deeper before parsing, which keeps the parser's work bounded.
#include <string_view>

// The deepest nesting of `text`, counting stopped as soon as it passes `limit` (then limit + 1 is returned).
int jsonNestingDepth(std::string_view text, int limit);
