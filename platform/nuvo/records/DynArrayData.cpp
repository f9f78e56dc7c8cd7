#include "nuvo/records/DynArrayData.h"

DynArrayData::DynArrayData() = default;
DynArrayData::DynArrayData(const DynArrayData& other) = default;
DynArrayData& DynArrayData::operator=(const DynArrayData& other) = default;
DynArrayData::~DynArrayData() = default;
