#pragma once
// The documents whose calculation is running right now, wherever it runs: a standards sheet and its child
// calls, a formula window and the tables it looks up. Each of them refuses to calculate a document that is
// already in here, because calculating it again from inside itself would never end.
//
// One rule says when two paths name the same document: both are resolved as the file system stand-in opens
// files (os::findExisting: each name with its exact case where that exists, else its one case-insensitive
// match, "." and ".." applied, drive letters mapped), links are followed, and the native paths that result
// compare exactly. A name that exists with its exact case is that file even when another file differs from
// it only in case, so the comparison may not ignore case again once the path has been resolved.
#include <string>
#include <string_view>
#include <vector>

namespace calculatingDocuments {

// The document `path` names, as the rule above compares it; empty when no such file exists.
std::string documentKey(std::u16string_view path);

// Registers the document whose key `key` holds until leave(key) is called with the same string (each enter
// wants its own leave). The string is read whenever the registry is asked, so its holder may load another
// document meanwhile without telling.
void enter(const std::string& key);
// Takes back the latest registration of that string; nothing when there is none.
void leave(const std::string& key);

// Whether a document with this key is being calculated; the holder `except` (by address) does not count. An
// empty key (no document) never is.
bool isCalculating(const std::string& key, const std::string* except = nullptr);

// The keys of the registered documents, outermost first (empty keys included).
std::vector<std::string> documents();

} // namespace calculatingDocuments
