#pragma once
// What the module shows to its host and its sibling modules. Everything in libSS.so is hidden unless marked
// with SS_EXPORT: the exported functions, the exported data classes, the profiling timers and gSSDlgsMgr.
// The mark on a class exports its members, its vtable and its type information with it.
#define SS_EXPORT __attribute__((visibility("default")))
