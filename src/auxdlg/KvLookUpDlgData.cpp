#include "auxdlg/KvLookUpDlgData.h"

KvLookUpDlgData::KvLookUpDlgData() = default;
KvLookUpDlgData::KvLookUpDlgData(const KvLookUpDlgData& other) = default;
KvLookUpDlgData& KvLookUpDlgData::operator=(const KvLookUpDlgData& other) = default;
KvLookUpDlgData::~KvLookUpDlgData() = default;
