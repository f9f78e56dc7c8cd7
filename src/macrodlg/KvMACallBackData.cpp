#include "macrodlg/KvMACallBackData.h"

KvMACallBackData::KvMACallBackData() = default;
KvMACallBackData::KvMACallBackData(const KvMACallBackData& other) = default;
KvMACallBackData& KvMACallBackData::operator=(const KvMACallBackData& other) = default;
KvMACallBackData::~KvMACallBackData() = default;
