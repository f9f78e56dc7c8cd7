#pragma once
// Failure injection for tests: the next window creations or destructions fail, so that callers' failure paths
// can be reached. A refused creation leaves no window; a refused destruction leaves the window as it was.
#include <string>

namespace ui {

class Failures {
public:
    // The next `count` creations fail — of any class, or only of `className` (ignoring case).
    static void failCreate(int count = 1, std::u16string className = {});
    static void failDestroy(int count = 1);
    static void clear();
    // Internal: consulted by the window code.
    static bool takeCreateFailure(const std::u16string& className);
    static bool takeDestroyFailure();
};

} // namespace ui
