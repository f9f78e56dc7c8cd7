#include "sheet/genVarsFilter.h"

#include "os/textCase.h"

#include <string>
#include <vector>

namespace {

// The names of a path with "." and ".." applied; a ".." above the first name is kept, so it never matches
// a folder it climbed out of.
std::vector<std::u16string> normalNames(const Ork_String& path) {
    std::vector<std::u16string> names;
    std::u16string name;
    auto take = [&] {
        if (name == u"..") {
            if (!names.empty() && names.back() != u"..")
                names.pop_back();
            else
                names.push_back(name);
        } else if (!name.empty() && name != u".") {
            names.push_back(name);
        }
        name.clear();
    };
    for (char16_t c : path) {
        if (c == u'\\' || c == u'/')
            take();
        else
            name += c;
    }
    take();
    return names;
}

} // namespace

Ork_String pathBelowFolder(const Ork_String& base, const Ork_String& chosen) {
    const std::vector<std::u16string> folder = normalNames(base), path = normalNames(chosen);
    if (path.size() <= folder.size())
        return Ork_String();
    for (std::size_t i = 0; i < folder.size(); ++i)
        if (!os::equalsNoCase(folder[i], path[i]))
            return Ork_String();
    // A path that starts with a separator keeps starting with one, so "\a" never matches "a".
    const bool rootedBase = !base.isEmpty() && (base[0] == u'\\' || base[0] == u'/');
    const bool rootedPath = !chosen.isEmpty() && (chosen[0] == u'\\' || chosen[0] == u'/');
    if (rootedBase != rootedPath)
        return Ork_String();
    Ork_String below;
    for (std::size_t i = folder.size(); i < path.size(); ++i) {
        if (path[i] == u"..")
            return Ork_String();
        if (!below.isEmpty())
            below += u"\\";
        below += Ork_String(path[i]);
    }
    return below;
}

Ork_String appendToFilter(const Ork_String& filter, const Ork_String& base, const Ork_StringArray& chosen) {
    Ork_String out = filter;
    for (const Ork_String& path : chosen) {
        const Ork_String below = pathBelowFolder(base, path);
        if (below.isEmpty())
            continue;
        if (!out.isEmpty())
            out += u";";
        out += below;
    }
    return out;
}
