#pragma once
// The text of a DSTV point file (see docs/formats.md, "DSTV point files"): a first line "DSTV points 1",
// then one point a line, its name and twelve values separated by TAB. Reading checks every line and refuses
// the whole file at the first bad one; an empty text holds no points.
#include "nuvo/Ork_Array.h"
#include "nuvo/Ork_String.h"
#include "nuvo/dstv/Ork_DstvPointInfo.h"

#include <string>
#include <string_view>

namespace nuvo {

// The points of `bytes` (UTF-8, a byte-order mark and CRLF accepted). On failure `points` is unchanged and
// `error` names the line: "line 3: 12 values expected after the name".
bool parseDstvPoints(std::string_view bytes, Ork_Array<Ork_DstvPointInfo>& points, Ork_String& error);
// The file's text; any name is kept (TAB, line breaks and "\" are escaped), numbers exactly.
std::string dstvPointsText(const Ork_Array<Ork_DstvPointInfo>& points);

} // namespace nuvo
