#pragma once
// The open formula windows, innermost last, and the current calculating grid they hand on to one another.
//
// A window joins when it opens and takes the calculating grid, remembering the one it found; when it leaves,
// the grid it found comes back. Windows close in the reverse order they opened, but the bookkeeping does not
// rely on it: whatever order they leave in, the calculating grid and every remembered grid always belong to a
// window that is still open, or are null.
#include <string>

class CFormula;
class Ork_Spread;
class Ork_String;

namespace formulaChain {

// Joins `window` with its grid; `fileKey` (see fileKey below) names the file the window holds and is read
// whenever the chain is asked about open files, so the window may change it while it is open.
void enter(CFormula* window, Ork_Spread& grid, const std::string& fileKey);
// Leaves the chain; nothing when `window` is not in it.
void leave(const CFormula* window);

Ork_Spread* calcGrid();
int size();
// The open window whose grid `grid` is; null for any other grid.
CFormula* windowOf(const Ork_Spread* grid);
// Whether a window other than `except` holds the file with that key (an empty key is never held).
bool holdsFile(const std::string& key, const CFormula* except = nullptr);

// The identity of a sheet file: its resolved path on disk, the same for every spelling of it (case, "\" or
// "/", "..", links); empty when no such file exists.
std::string fileKey(const Ork_String& path);

} // namespace formulaChain
