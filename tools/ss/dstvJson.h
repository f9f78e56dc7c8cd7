#pragma once
// DSTV point files as `ss` shows them: the files of the points folder with the standard one, and the points
// of one file, as JSON and as lines of text.
#include "recordJson.h"

#include "nuvo/Ork_Array.h"
#include "nuvo/dstv/Ork_DstvPointInfo.h"

#include <cstdio>

namespace sscmd {

// {"folder": ..., "files": [...], "standard": "Corners.dat"}
Json dstvFilesJson();
// One object per point, its values by the accessors' names.
Json dstvPointsJson(const Ork_Array<Ork_DstvPointInfo>& points);
// The files, one a line, "*" marking the standard one.
void printDstvFiles(std::FILE* out);
void printDstvPoints(const Ork_Array<Ork_DstvPointInfo>& points, std::FILE* out);

} // namespace sscmd
