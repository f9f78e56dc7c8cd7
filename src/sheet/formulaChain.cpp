#include "sheet/formulaChain.h"

#include "base/calculatingDocuments.h"

#include <algorithm>
#include <vector>

namespace formulaChain {
namespace {

struct Entry {
    CFormula* window;
    Ork_Spread* grid;
    Ork_Spread* found;   // the calculating grid when the window joined
    const std::string* fileKey;
};

std::vector<Entry>& entries() {
    static std::vector<Entry> chain;
    return chain;
}

Ork_Spread* gCalcGrid = nullptr;

} // namespace

void enter(CFormula* window, Ork_Spread& grid, const std::string& fileKey) {
    leave(window);
    entries().push_back(Entry{window, &grid, gCalcGrid, &fileKey});
    calculatingDocuments::enter(fileKey);
    gCalcGrid = &grid;
}

void leave(const CFormula* window) {
    std::vector<Entry>& chain = entries();
    auto it = std::find_if(chain.begin(), chain.end(), [&](const Entry& e) { return e.window == window; });
    if (it == chain.end())
        return;
    const Entry gone = *it;
    chain.erase(it);
    calculatingDocuments::leave(*gone.fileKey);
    // Whoever would give this grid back later gives back what this window found instead: the grid goes away
    // with its window, and a pointer to it must not outlive it.
    if (gCalcGrid == gone.grid)
        gCalcGrid = gone.found;
    for (Entry& e : chain)
        if (e.found == gone.grid)
            e.found = gone.found;
}

Ork_Spread* calcGrid() { return gCalcGrid; }

int size() { return static_cast<int>(entries().size()); }

CFormula* windowOf(const Ork_Spread* grid) {
    for (const Entry& e : entries())
        if (e.grid == grid)
            return e.window;
    return nullptr;
}

bool holdsFile(const std::string& key, const CFormula* except) {
    const std::string* exceptKey = nullptr;
    for (const Entry& e : entries())
        if (except && e.window == except)
            exceptKey = e.fileKey;
    return calculatingDocuments::isCalculating(key, exceptKey);
}

} // namespace formulaChain
