#pragma once
// The XML parts of a workbook checked for well-formed markup before the workbook's library reads them. That
// library stops the whole process on an assertion of its own for some malformed markup (a tag or an attribute
// value cut off, say), which no caller can catch; a check of our own turns such a file into a clear error.
#include "zipLimits.h"

#include <string>
#include <string_view>
#include <vector>

namespace interchange {

// True when `xml` is well-formed as far as the markup goes: every tag, comment, processing instruction and
// CDATA section complete; names non-empty; attribute values quoted; end tags matching their start tags, every
// element closed, one root. Character references and names' characters are the reader's to judge. Otherwise
// false with `error` saying what and at which byte.
bool checkXmlMarkup(std::string_view xml, std::string& error);

// Unpacks each part of `archive` whose name ends in ".xml" or ".rels" (`parts` as checkZipContainer gave them)
// and checks its markup. False with `error` naming the part for one that cannot be unpacked or is malformed.
bool checkXmlParts(std::string_view archive, const std::vector<ZipPart>& parts, std::string& error);

} // namespace interchange
