#include "nuvo/records/DlgProfCutsData.h"

DlgProfCutsData::DlgProfCutsData() = default;
DlgProfCutsData::DlgProfCutsData(const DlgProfCutsData& other) = default;
DlgProfCutsData& DlgProfCutsData::operator=(const DlgProfCutsData& other) = default;
DlgProfCutsData::~DlgProfCutsData() = default;
