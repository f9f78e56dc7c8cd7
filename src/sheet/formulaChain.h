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

namespace formulaChain {

// Joins `window` with its grid; `fileKey` (calculatingDocuments::documentKey) names the file the window holds.
// Until the window leaves, that file counts among the documents being calculated; the key is read whenever
// anyone asks, so the window may change it while it is open.
void enter(CFormula* window, Ork_Spread& grid, const std::string& fileKey);
// Leaves the chain; nothing when `window` is not in it.
void leave(const CFormula* window);

Ork_Spread* calcGrid();
int size();
// The open window whose grid `grid` is; null for any other grid.
CFormula* windowOf(const Ork_Spread* grid);
// Whether the file with that key is being calculated, by a window other than `except` or anywhere else (an
// empty key never is).
bool holdsFile(const std::string& key, const CFormula* except = nullptr);

} // namespace formulaChain
