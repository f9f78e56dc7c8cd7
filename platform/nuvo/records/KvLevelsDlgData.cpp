#include "nuvo/records/KvLevelsDlgData.h"

KvLevelsDlgData::KvLevelsDlgData() = default;
KvLevelsDlgData::KvLevelsDlgData(const KvLevelsDlgData& other) = default;
KvLevelsDlgData& KvLevelsDlgData::operator=(const KvLevelsDlgData& other) = default;
KvLevelsDlgData::~KvLevelsDlgData() = default;
