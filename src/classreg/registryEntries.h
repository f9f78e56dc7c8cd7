#pragma once
// The two registry steps the class registration is made of, on keys below HKEY_CLASSES_ROOT.
#include "nuvo/Ork_String.h"

// Creates or opens the key and writes `text` as its default value. False when either step failed.
bool writeDefaultValue(const Ork_String& keyPath, const Ork_String& text);

// Deletes the key with its whole subtree. True when it is gone afterwards: deleted now, or never there (its
// parent missing, or the key itself). A key that refuses, or a store that cannot be written, is a failure.
bool deleteKeyTree(const Ork_String& keyPath);
