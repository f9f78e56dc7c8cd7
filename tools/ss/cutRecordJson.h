#pragma once
// The cut record of `ss cut` as JSON (docs/formats.md "Cut records"): read strictly, written in a stable
// order, so a record written is read back the same.
#include "recordJson.h"

#include "nuvo/records/DlgMacroCutsData.h"

namespace sscmd {

// Reads the keys of a cut record; false with the reader's error on a wrong type, an unknown side or type
// value, or offset lists of a wrong kind. Lists of unequal length are kept as they are.
bool readCutRecord(RecordReader& reader, DlgMacroCutsData& cut);
Json cutRecordJson(const DlgMacroCutsData& cut);

} // namespace sscmd
