#include "standards/KvVarCells.h"

// Special members are defined here, out of line, so that they are part of the module's exported interface.
KvVarCells::KvVarCells() = default;
KvVarCells::KvVarCells(const KvVarCells& other) = default;
KvVarCells& KvVarCells::operator=(const KvVarCells& other) = default;
KvVarCells::~KvVarCells() = default;
