#include "standards/KvVarCell.h"

// Special members are defined here, out of line, so that they are part of the module's exported interface.
KvVarCell::KvVarCell() = default;
KvVarCell::KvVarCell(const KvVarCell& other) = default;
KvVarCell& KvVarCell::operator=(const KvVarCell& other) = default;
KvVarCell::~KvVarCell() = default;
