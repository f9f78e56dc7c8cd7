#include "standards/KvDataFiles.h"

#include "nuvo/Ork_Settings.h"
#include "nuvo/fileHelpers.h"
#include "nuvo/sections/Ork_SectionTableManager.h"
#include "nuvo/textHelpers.h"
#include "os/files.h"
#include "standards/KvResolvedPaths.h"

#include <limits>
#include <optional>
#include <string>

namespace KvDataFiles {

namespace {

// Parsed files by path, kept with the bytes they were parsed from: sheets look the same few files up in every
// evaluation, and a file is read whole anyway, so its bytes decide whether to parse again (the very same text
// object, given for a file read again unchanged, without comparing).
template <class Parsed>
class ParsedFiles {
public:
    static constexpr std::size_t kMaxFiles = 32;
    static constexpr std::size_t kMaxBytes = 1u << 20;   // larger files are parsed every time

    using Bytes = std::shared_ptr<const std::string>;

    std::shared_ptr<const Parsed> get(const Ork_String& path, const Bytes& bytes) const {
        for (const Entry& e : entries_)
            if (e.path == path && (e.bytes == bytes || *e.bytes == *bytes))
                return e.parsed;
        return nullptr;
    }
    void put(const Ork_String& path, const Bytes& bytes, std::shared_ptr<const Parsed> parsed) {
        if (bytes->size() > kMaxBytes)
            return;
        std::erase_if(entries_, [&](const Entry& e) { return e.path == path; });
        if (entries_.size() >= kMaxFiles)
            entries_.erase(entries_.begin());
        entries_.push_back({path, bytes, std::move(parsed)});
    }

private:
    struct Entry {
        Ork_String path;
        Bytes bytes;
        std::shared_ptr<const Parsed> parsed;
    };
    std::vector<Entry> entries_;
};

// The whole file as a shared text; null when it cannot be read.
std::shared_ptr<const std::string> fileBytes(const Ork_String& path) {
    bool tooLarge = false;
    return os::readShared(path, std::numeric_limits<std::uint64_t>::max(), tooLarge);
}

Ork_StringArray linesOf(const std::string& bytes) {
    Ork_StringArray lines;
    for (std::u16string& line : os::decodeLines(bytes))
        lines.append(Ork_String(std::move(line)));
    return lines;
}

bool hasWildcards(const Ork_String& name) { return name.contains(u"*") || name.contains(u"?"); }

// Blanks that only separated a value from the comment after it are no part of the value: "12 // mm" is 12.
Ork_String withoutLineComment(const Ork_String& line) {
    Ork_String out = removeLineComment(line);
    if (out.size() != line.size())
        while (!out.empty() && out.back() == u' ')
            out.pop_back();
    return out;
}

// The first candidate path of a data file that exists, as the reader needs it.
std::optional<Ork_String> findDataFile(const Ork_String& lib, const Ork_String& name) {
    // Built one at a time: the first that exists ends the search.
    const auto candidateAt = [&](int i) {
        switch (i) {
        case 0: return name;
        case 1: return lib + u"Connection Standards\\Data\\" + name;
        case 2: return lib + u"Connection Standards\\" + name;
        default: return lib + name;
        }
    };
    for (int i = 0; i < 4; ++i) {
        const Ork_String candidate = candidateAt(i);
        if (!ObjectExportFileExists(candidate))
            continue;
        // A name with wildcards exists when something matches it; the reader needs the file it matched.
        Ork_StringArray matches;
        if (hasWildcards(candidate) && ObjectExportFindFiles(candidate, matches))
            return matches[0];
        return candidate;
    }
    return std::nullopt;
}

} // namespace

bool resolveDataFile(const Ork_String& name, Ork_String& path) {
    path.clear();
    if (name.isEmpty())
        return false;   // the folders themselves exist, but they are no data file
    const Ork_String lib = Ork_Settings::libDir();
    static KvResolvedPaths resolved;
    const std::optional<Ork_String> found =
        resolved.resolve(lib + u"\n" + name, [&] { return findDataFile(lib, name); });
    if (found)
        path = *found;
    return found.has_value();
}

Ork_Array<Ork_StringArray> parseDataTable(const Ork_StringArray& lines) {
    Ork_Array<Ork_StringArray> rows;
    for (const Ork_String& line : lines) {
        const Ork_String text = withoutLineComment(line);
        if (!text.isEmpty())
            rows.append(strToArr(text, u'\t'));
    }
    return rows;
}

std::shared_ptr<const Ork_Array<Ork_StringArray>> dataTable(const Ork_String& path) {
    static ParsedFiles<Ork_Array<Ork_StringArray>> parsed;
    const auto bytes = fileBytes(path);
    if (!bytes)
        return nullptr;
    auto table = parsed.get(path, bytes);
    if (!table) {
        table = std::make_shared<const Ork_Array<Ork_StringArray>>(parseDataTable(linesOf(*bytes)));
        parsed.put(path, bytes, table);
    }
    return table->isEmpty() ? nullptr : table;
}

bool readDataTable(const Ork_String& path, Ork_Array<Ork_StringArray>& rows) {
    rows.removeAll();
    const auto table = dataTable(path);
    if (!table)
        return false;
    rows = *table;
    return true;
}

Ork_String joinKeys(const Ork_StringArray& keys) { return appStrs(keys, u";"); }

bool lookupDataTable(const Ork_Array<Ork_StringArray>& rows, const Ork_String& key, bool sectionNames,
                     Ork_String& value) {
    const Ork_SectionTableManager* sections = sectionNames ? &Ork_SectionTableManager::instance() : nullptr;
    for (const Ork_StringArray& row : rows) {
        if (row.isEmpty())
            return false;   // the first column ends at a line without columns
        Ork_String entry = row[0];
        if (sections) {
            Ork_String systemName;
            if (sections->getSystemName(entry, systemName))
                entry = systemName;
        }
        if (entry != key)
            continue;
        if (row.length() < 2)
            return false;
        value = row[1];
        return true;
    }
    return false;
}

std::vector<StdSize> parseStdSizes(const Ork_StringArray& lines) {
    // A block comment may span lines: its inner lines are comment too, not entries reading as 0.
    Ork_StringArray text(lines);
    removeComments(text);
    std::vector<StdSize> sizes;
    for (const Ork_String& line : text) {
        // A line of blanks (what is left of a commented line) would otherwise read as the size 0.
        if (line.trimmed().isEmpty())
            continue;
        StdSize size;
        Ork_String first, second;
        if (splitString(line, u'x', first, second)) {
            size.first = first.toDouble();
            size.second = second.toDouble();
        } else {
            size.first = line.toDouble();
        }
        sizes.push_back(size);
    }
    return sizes;
}

std::vector<StdSize> readStdSizes(const Ork_String& path) {
    static ParsedFiles<std::vector<StdSize>> parsed;
    const auto bytes = fileBytes(path);
    if (!bytes)
        return {};
    auto sizes = parsed.get(path, bytes);
    if (!sizes) {
        sizes = std::make_shared<const std::vector<StdSize>>(parseStdSizes(linesOf(*bytes)));
        parsed.put(path, bytes, sizes);
    }
    return *sizes;
}

} // namespace KvDataFiles
