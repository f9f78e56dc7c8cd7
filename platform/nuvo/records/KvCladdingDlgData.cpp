#include "nuvo/records/KvCladdingDlgData.h"

KvCladdingDlgData::KvCladdingDlgData() = default;
KvCladdingDlgData::KvCladdingDlgData(const KvCladdingDlgData& other) = default;
KvCladdingDlgData& KvCladdingDlgData::operator=(const KvCladdingDlgData& other) = default;
KvCladdingDlgData::~KvCladdingDlgData() = default;
