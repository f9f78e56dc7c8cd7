#include "nuvo/records/EditConstrData.h"

EditConstrData::EditConstrData() = default;
EditConstrData::EditConstrData(const EditConstrData& other) = default;
EditConstrData& EditConstrData::operator=(const EditConstrData& other) = default;
EditConstrData::~EditConstrData() = default;
