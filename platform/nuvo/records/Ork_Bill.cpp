#include "nuvo/records/Ork_Bill.h"

Ork_Bill::Ork_Bill() = default;
Ork_Bill::Ork_Bill(const Ork_Bill&) = default;
Ork_Bill& Ork_Bill::operator=(const Ork_Bill&) = default;
Ork_Bill::~Ork_Bill() = default;
