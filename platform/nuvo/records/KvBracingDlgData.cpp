#include "nuvo/records/KvBracingDlgData.h"

KvBracingDlgData::KvBracingDlgData() = default;
KvBracingDlgData::KvBracingDlgData(const KvBracingDlgData& other) = default;
KvBracingDlgData& KvBracingDlgData::operator=(const KvBracingDlgData& other) = default;
KvBracingDlgData::~KvBracingDlgData() = default;
