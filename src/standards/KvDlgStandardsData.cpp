#include "standards/KvDlgStandardsData.h"

// Special members are defined here, out of line, so that they are part of the module's exported interface.
KvDlgStandardsData::KvDlgStandardsData() = default;
KvDlgStandardsData::KvDlgStandardsData(const KvDlgStandardsData& other) = default;
KvDlgStandardsData& KvDlgStandardsData::operator=(const KvDlgStandardsData& other) = default;
KvDlgStandardsData::~KvDlgStandardsData() = default;
