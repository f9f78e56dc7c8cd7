#pragma once
// Which of a name's candidate paths exists, kept while the file-system view that answered stays the same (see
// os::FileSystemSnapshot::view): a sheet resolves the same data files and child sheets at every evaluation,
// each through up to five candidate paths, and the view only changes when something it rests on does.
#include "nuvo/Ork_String.h"

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>

class KvResolvedPaths {
public:
    static constexpr std::size_t kMaxAnswers = 1024;

    // The path `key` stands for (no value: none of its candidates exists): the one kept under the live view,
    // else what `find` answers, kept for the rest of the view.
    template <class Find>
    std::optional<Ork_String> resolve(const std::u16string& key, Find&& find) {
        if (const std::optional<Ork_String>* known = lookUp(key))
            return *known;
        std::optional<Ork_String> path = find();
        keep(key, path);
        return path;
    }

private:
    // Null when nothing is kept for `key`, or no snapshot is alive.
    const std::optional<Ork_String>* lookUp(const std::u16string& key);
    void keep(const std::u16string& key, std::optional<Ork_String> path);

    std::uint64_t view_ = 0;
    std::unordered_map<std::u16string, std::optional<Ork_String>> answers_;
};
