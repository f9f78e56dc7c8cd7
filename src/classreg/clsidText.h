#pragma once
// Identifiers as text: the registry form and the initialiser form of a C++ declaration.
#include "nuvo/Ork_String.h"
#include "os/winRegistry.h"

// "{AC9BB77D-09E4-4CB1-B6CE-519A0857B65C}"; false (and empty text) when the platform cannot convert it.
bool guidText(const GUID& id, Ork_String& text);

// From the registry form: "{0xAC9BB77D,0x09E4,0x4CB1,{0xB6,0xCE,0x51,0x9A,0x08,0x57,0xB6,0x5C", which a
// declaration closes with "}};". False for a text without five groups, or with a fourth group of fewer than
// 4 digits or a fifth of fewer than 12.
bool guidInitialiser(const Ork_String& registryForm, Ork_String& initialiser);
