#pragma once
// The property-palette component classes of the sibling module Pelt.arx, their interfaces and their type
// library: names with the fixed identifiers under which they are registered. The team chose the 34 values
// once; the registry layout and the identifier file follow whatever values stand here.
#include "os/winRegistry.h"

struct OpmIdentity {
    const char16_t* name;
    GUID id;
};

inline constexpr int kOpmClassCount = 19;
inline constexpr int kOpmInterfaceCount = 14;

extern const GUID kOpmTypeLibId;
extern const OpmIdentity kOpmClasses[kOpmClassCount];
extern const OpmIdentity kOpmInterfaces[kOpmInterfaceCount];
