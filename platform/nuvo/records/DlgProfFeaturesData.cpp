#include "nuvo/records/DlgProfFeaturesData.h"

DlgProfFeaturesData::DlgProfFeaturesData() = default;
DlgProfFeaturesData::DlgProfFeaturesData(const DlgProfFeaturesData& other) = default;
DlgProfFeaturesData& DlgProfFeaturesData::operator=(const DlgProfFeaturesData& other) = default;
DlgProfFeaturesData::~DlgProfFeaturesData() = default;
