#include "auxdlg/KvGridDlgData.h"

KvGridDlgData::KvGridDlgData() = default;
KvGridDlgData::KvGridDlgData(const KvGridDlgData& other) = default;
KvGridDlgData& KvGridDlgData::operator=(const KvGridDlgData& other) = default;
KvGridDlgData::~KvGridDlgData() = default;
