#pragma once
// The direction of every #include in the module and its platform: each folder may include only the folders
// below it. The check reads the include lines of a source tree (quoted, angle-bracket and relative forms
// alike), resolves each the way the compiler does against the tree's include roots, and reports every
// include that points upwards or sideways, with the file and line.
#include <filesystem>
#include <string>
#include <vector>

namespace layout {

struct Violation {
    std::string file;      // relative to the tree's root, "/" separated
    int line = 0;
    std::string included;  // the included file, relative to the root
    std::string why;       // "src/base may not include src/frame"

    std::string text() const { return file + ":" + std::to_string(line) + ": includes " + included + " (" + why + ")"; }
};

// The layer a file belongs to ("platform/os", "src/standards", "include/SS"), empty for files outside the
// checked folders (tests, tools, third-party headers).
std::string componentOf(const std::string& relativePath);

// True when `from` may include `to` (a component always includes itself).
bool mayInclude(const std::string& from, const std::string& to);

// Every upward include under root/src, root/platform and root/include.
std::vector<Violation> checkTree(const std::filesystem::path& root);

} // namespace layout
