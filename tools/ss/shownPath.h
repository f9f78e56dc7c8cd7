#pragma once
// A path of the module ("\home\me\library\") as this machine writes it ("/home/me/library/"), for what `ss`
// prints for a person: the module keeps its own form inside, the person copies the path into a shell.
#include "nuvo/Ork_String.h"
#include "os/paths.h"

#include <string>

namespace sscmd {

inline std::string shownPath(const Ork_String& path) {
    const auto native = os::resolvePath(path);
    if (!native)
        return path.utf8();   // a drive no setting maps: shown as the module writes it
    std::string shown = native->string();
    if (!path.empty() && os::isSeparator(path.back()) && (shown.empty() || shown.back() != '/'))
        shown += '/';   // a folder stays recognisable as one
    return shown;
}

} // namespace sscmd
