#include "nuvo/hostJson.h"

#include <algorithm>

int jsonNestingDepth(std::string_view text, int limit) {
    int depth = 0, deepest = 0;
    bool inString = false, escaped = false;
    for (char c : text) {
        if (inString) {
            if (escaped)
                escaped = false;
            else if (c == '\\')
                escaped = true;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            deepest = std::max(deepest, ++depth);
            if (deepest > limit)
                return deepest;
        } else if (c == ']' || c == '}') {
            --depth;
        }
    }
    return deepest;
}

bool parseHostJson(std::string_view utf8, int maxDepth, std::string_view what, nlohmann::ordered_json& doc,
                   Ork_String& error) {
    if (utf8.substr(0, 3) == "\xEF\xBB\xBF")
        utf8.remove_prefix(3);
    if (jsonNestingDepth(utf8, maxDepth) > maxDepth) {
        error = Ork_String::fromUtf8("the document nests deeper than " + std::string(what) + " does");
        return false;
    }
    // The parser reports by exception; it is caught here, at the library's edge, and becomes the message.
    try {
        doc = nlohmann::ordered_json::parse(utf8.begin(), utf8.end());
    } catch (const nlohmann::ordered_json::exception& e) {
        std::string message = e.what();
        // "[json.exception.parse_error.101] parse error at line 2, column 5: ..." reads better without its id.
        if (auto close = message.find("] "); message.rfind("[json.", 0) == 0 && close != std::string::npos)
            message.erase(0, close + 2);
        error = Ork_String::fromUtf8(message);
        return false;
    }
    return true;
}
