#include "nuvo/records/DlgCSP2Data.h"

DlgCSP2Data::DlgCSP2Data() = default;
DlgCSP2Data::DlgCSP2Data(const DlgCSP2Data& other) = default;
DlgCSP2Data& DlgCSP2Data::operator=(const DlgCSP2Data& other) = default;
DlgCSP2Data::~DlgCSP2Data() = default;
