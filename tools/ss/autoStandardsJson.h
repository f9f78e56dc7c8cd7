#pragma once
// The general variables of the automatic standards evaluation as a JSON record: the seven parallel lists under
// their own names, each optional (a missing one is empty), every element a text.
//   {"dwgGenVars": ["gen_grade"], "dwgGenValues": ["S355"], "dwgGenFilters": ["Halls\\A.dwg"],
//    "stdGenVars": [], "stdGenValues": [], "stdGenOverrides": [], "stdGenFilters": []}
#include "recordJson.h"

#include "nuvo/records/KvAutoStandardsData.h"

namespace sscmd {

// Reads the lists `reader` holds into `data`; false (with the reader's error naming the key) on a wrong type.
// Unknown keys are the caller's to refuse (RecordReader::finish).
bool readAutoStandards(RecordReader& reader, KvAutoStandardsData& data);
Json autoStandardsJson(const KvAutoStandardsData& data);

} // namespace sscmd
