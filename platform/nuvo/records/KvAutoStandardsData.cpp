#include "nuvo/records/KvAutoStandardsData.h"

KvAutoStandardsData::KvAutoStandardsData() = default;
KvAutoStandardsData::KvAutoStandardsData(const KvAutoStandardsData& other) = default;
KvAutoStandardsData& KvAutoStandardsData::operator=(const KvAutoStandardsData& other) = default;
KvAutoStandardsData::~KvAutoStandardsData() = default;
