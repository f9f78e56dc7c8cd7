#include "sheet/formulaChain.h"

#include "nuvo/Ork_String.h"
#include "os/paths.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
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
    gCalcGrid = &grid;
}

void leave(const CFormula* window) {
    std::vector<Entry>& chain = entries();
    auto it = std::find_if(chain.begin(), chain.end(), [&](const Entry& e) { return e.window == window; });
    if (it == chain.end())
        return;
    const Entry gone = *it;
    chain.erase(it);
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
    if (key.empty())
        return false;
    return std::any_of(entries().begin(), entries().end(),
                       [&](const Entry& e) { return e.window != except && *e.fileKey == key; });
}

std::string fileKey(const Ork_String& path) {
    if (path.isEmpty())
        return {};
    const std::optional<std::filesystem::path> found = os::findExisting(path);
    if (!found)
        return {};
    std::error_code error;
    const std::filesystem::path canonical = std::filesystem::weakly_canonical(*found, error);
    return (error ? *found : canonical).string();
}

} // namespace formulaChain
