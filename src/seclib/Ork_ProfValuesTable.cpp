#include "seclib/Ork_ProfValuesTable.h"

Ork_ProfValuesTable::Ork_ProfValuesTable() = default;
Ork_ProfValuesTable::Ork_ProfValuesTable(const Ork_ProfValuesTable& other) = default;
Ork_ProfValuesTable& Ork_ProfValuesTable::operator=(const Ork_ProfValuesTable& other) = default;
Ork_ProfValuesTable::~Ork_ProfValuesTable() = default;
