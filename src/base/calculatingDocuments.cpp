#include "base/calculatingDocuments.h"

#include "os/paths.h"

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <system_error>

namespace calculatingDocuments {
namespace {

std::vector<const std::string*>& registered() {
    static std::vector<const std::string*> keys;
    return keys;
}

} // namespace

std::string documentKey(std::u16string_view path) {
    if (path.empty())
        return {};
    const std::optional<std::filesystem::path> found = os::findCanonical(path);
    return found ? found->string() : std::string();
}

void enter(const std::string& key) { registered().push_back(&key); }

void leave(const std::string& key) {
    std::vector<const std::string*>& keys = registered();
    const auto it = std::find(keys.rbegin(), keys.rend(), &key);
    if (it != keys.rend())
        keys.erase(std::next(it).base());
}

bool isCalculating(const std::string& key, const std::string* except) {
    if (key.empty())
        return false;
    return std::any_of(registered().begin(), registered().end(),
                       [&](const std::string* held) { return held != except && *held == key; });
}

std::vector<std::string> documents() {
    std::vector<std::string> keys;
    for (const std::string* held : registered())
        keys.push_back(*held);
    return keys;
}

} // namespace calculatingDocuments
