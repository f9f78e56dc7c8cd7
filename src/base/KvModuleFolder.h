#pragma once
// The folder this module's own file was loaded from, where its sibling modules and the files written for
// developers live. Tests and tools point it elsewhere with KvModuleFolderOverride.
#include "nuvo/Ork_String.h"

// The folder in the module's path form ("\" separators, a trailing "\"); empty when it cannot be known.
Ork_String ssModuleFolder();

// While alive, ssModuleFolder() answers `folder` (with a trailing "\" added when missing).
class KvModuleFolderOverride {
public:
    explicit KvModuleFolderOverride(const Ork_String& folder);
    ~KvModuleFolderOverride();
    KvModuleFolderOverride(const KvModuleFolderOverride&) = delete;
    KvModuleFolderOverride& operator=(const KvModuleFolderOverride&) = delete;

private:
    Ork_String m_previous;
    bool m_hadPrevious;
};
