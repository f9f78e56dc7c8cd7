#include "nuvo/records/DlgEditLibData.h"

DlgEditLibData::DlgEditLibData() = default;
DlgEditLibData::DlgEditLibData(const DlgEditLibData& other) = default;
DlgEditLibData& DlgEditLibData::operator=(const DlgEditLibData& other) = default;
DlgEditLibData::~DlgEditLibData() = default;
