#include "auxdlg/KvDlgCis2Data.h"

KvDlgCis2Data::KvDlgCis2Data() = default;
KvDlgCis2Data::KvDlgCis2Data(const KvDlgCis2Data& other) = default;
KvDlgCis2Data& KvDlgCis2Data::operator=(const KvDlgCis2Data& other) = default;
KvDlgCis2Data::~KvDlgCis2Data() = default;
