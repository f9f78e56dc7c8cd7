#include "auxdlg/KvSelectImageDlgData.h"

KvSelectImageDlgData::KvSelectImageDlgData() = default;
KvSelectImageDlgData::KvSelectImageDlgData(const KvSelectImageDlgData& other) = default;
KvSelectImageDlgData& KvSelectImageDlgData::operator=(const KvSelectImageDlgData& other) = default;
KvSelectImageDlgData::~KvSelectImageDlgData() = default;
