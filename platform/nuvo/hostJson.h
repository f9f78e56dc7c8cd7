#pragma once
// The first step of reading the host's JSON files (macros, the library record): a text checked and parsed
// whole, so each reader starts from a document or from a message that says what is wrong.
#include "nuvo/Ork_String.h"

#include <nlohmann/json.hpp>

#include <string_view>

// How deeply `text` nests its arrays and objects, counted outside strings, stopped as soon as it passes
// `limit` (then limit + 1 is returned).
int jsonNestingDepth(std::string_view text, int limit);

// Parses `utf8` (a UTF-8 byte-order mark skipped). The host's files nest a few levels, so a text nesting deeper
// than `maxDepth` is refused before parsing, which keeps the parser's work bounded ("the document nests deeper
// than `what` does"); a syntax error gives the parser's message with its place, without its internal id.
bool parseHostJson(std::string_view utf8, int maxDepth, std::string_view what, nlohmann::ordered_json& doc,
                   Ork_String& error);
