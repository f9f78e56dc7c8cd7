#include "includeLayout.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <regex>
#include <set>

namespace layout {
namespace {

namespace fs = std::filesystem;

// What each folder builds on directly; what those build on is allowed too. The platform order is the one
// its libraries link in; the module's follows the subsystems' "builds on" lines, with frame on top.
struct LayerRule {
    const char* component;
    std::vector<const char*> buildsOn;
};

const std::vector<LayerRule>& layerRules() {
    static const std::vector<LayerRule> rules = {
        // platform: os at the bottom, nuvo (the host macro library) on top
        {"platform/os", {}},
        {"platform/ui", {"platform/os"}},
        {"platform/cadhost", {"platform/ui"}},
        {"platform/grid", {"platform/ui"}},
        {"platform/nuvo", {"platform/cadhost", "platform/grid"}},
        // the exported interface names host types and nothing of the module's inside
        {"include/SS", {"platform/nuvo"}},
        // the module, bottom to top
        {"src/resources", {"platform/nuvo"}},
        {"src/base", {"src/resources", "include/SS"}},
        {"src/spread", {"src/base"}},
        {"src/standards", {"src/spread"}},
        {"src/sheet", {"src/standards"}},
        {"src/designer", {"src/base"}},
        {"src/auxdlg", {"src/base"}},
        {"src/classreg", {"src/base"}},
        {"src/seclib", {"src/sheet"}},
        {"src/macroedit", {"src/standards", "src/designer"}},
        {"src/macrodlg", {"src/designer", "src/seclib"}},
        {"src/frame", {"src/macroedit", "src/macrodlg", "src/auxdlg", "src/classreg"}},
    };
    return rules;
}

// The closure of the rules: for each component, every component below it.
const std::map<std::string, std::set<std::string>>& reachable() {
    static const std::map<std::string, std::set<std::string>> below = [] {
        std::map<std::string, std::set<std::string>> result;
        // Rules are listed bottom-up, so one pass in order sees every lower component complete.
        for (const LayerRule& rule : layerRules()) {
            std::set<std::string>& set = result[rule.component];
            for (const char* lower : rule.buildsOn) {
                set.insert(lower);
                const auto& further = result[lower];
                set.insert(further.begin(), further.end());
            }
        }
        return result;
    }();
    return below;
}

bool isSourceFile(const fs::path& p) {
    const std::string ext = p.extension().string();
    return ext == ".h" || ext == ".hpp" || ext == ".cpp" || ext == ".cc" || ext == ".inc";
}

std::string relativeText(const fs::path& p, const fs::path& root) {
    return p.lexically_normal().lexically_relative(root.lexically_normal()).generic_string();
}

// The file an include names, as the compiler finds it: a quoted name first beside the including file, then
// (both forms) below each include root of the tree. Empty when it is not a file of the tree.
fs::path resolve(const fs::path& root, const fs::path& includer, const std::string& name, bool quoted) {
    std::error_code ec;
    if (quoted) {
        fs::path beside = (includer.parent_path() / name).lexically_normal();
        if (fs::is_regular_file(beside, ec))
            return beside;
    }
    for (const char* includeRoot : {"src", "platform", "include"}) {
        fs::path candidate = (root / includeRoot / name).lexically_normal();
        if (fs::is_regular_file(candidate, ec))
            return candidate;
    }
    return {};
}

} // namespace

std::string componentOf(const std::string& relativePath) {
    const auto first = relativePath.find('/');
    if (first == std::string::npos)
        return {};
    const std::string top = relativePath.substr(0, first);
    if (top != "src" && top != "platform" && top != "include")
        return {};
    const auto second = relativePath.find('/', first + 1);
    if (second == std::string::npos)
        return {};  // a file directly in src/ (its CMakeLists) belongs to no layer
    return relativePath.substr(0, second);
}

bool mayInclude(const std::string& from, const std::string& to) {
    if (from == to || to.empty())
        return true;
    const auto& below = reachable();
    const auto it = below.find(from);
    return it != below.end() && it->second.count(to) > 0;
}

std::vector<Violation> checkTree(const fs::path& root) {
    static const std::regex includeLine(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
    std::vector<Violation> found;
    std::vector<fs::path> files;
    std::error_code ec;
    for (const char* top : {"src", "platform", "include"}) {
        if (!fs::is_directory(root / top, ec))
            continue;
        for (auto it = fs::recursive_directory_iterator(root / top, ec); it != fs::recursive_directory_iterator();
             it.increment(ec)) {
            if (ec)
                break;
            if (it->is_regular_file(ec) && isSourceFile(it->path()))
                files.push_back(it->path());
        }
    }
    std::sort(files.begin(), files.end());
    for (const fs::path& file : files) {
        const std::string fileText = relativeText(file, root);
        const std::string from = componentOf(fileText);
        std::ifstream in(file);
        std::string line;
        int number = 0;
        while (std::getline(in, line)) {
            ++number;
            std::smatch m;
            if (!std::regex_search(line, m, includeLine))
                continue;
            const fs::path target = resolve(root, file, m[2].str(), m[1].str() == "\"");
            if (target.empty())
                continue;  // the standard library or a system package
            const std::string included = relativeText(target, root);
            const std::string to = componentOf(included);
            if (from.empty() || mayInclude(from, to))
                continue;
            found.push_back({fileText, number, included, from + " may not include " + to});
        }
    }
    return found;
}

} // namespace layout
