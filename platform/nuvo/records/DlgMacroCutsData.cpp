#include "nuvo/records/DlgMacroCutsData.h"

DlgMacroCutsData::DlgMacroCutsData() = default;
DlgMacroCutsData::DlgMacroCutsData(const DlgMacroCutsData& other) = default;
DlgMacroCutsData& DlgMacroCutsData::operator=(const DlgMacroCutsData& other) = default;
DlgMacroCutsData::~DlgMacroCutsData() = default;
