#include "nuvo/DlgSizeStore.h"

#include "nuvo/Ork_StringArray.h"
#include "nuvo/crtNumbers.h"
#include "nuvo/fileHelpers.h"
#include "nuvo/textHelpers.h"

#include <cstdlib>
#include <memory>

namespace {

Ork_String defaultFile() {
    auto env = [](const char* name) -> Ork_String {
        const char* v = std::getenv(name);
        return v && *v ? Ork_String::fromUtf8(v) : Ork_String();
    };
    Ork_String folder = env("SS_CONFIG_DIR");
    if (folder.empty()) {
        const Ork_String xdg = env("XDG_CONFIG_HOME");
        const Ork_String home = env("HOME");
        if (!xdg.empty())
            folder = xdg + u"/ss";
        else if (!home.empty())
            folder = home + u"/.config/ss";
        else
            folder = u".";
    }
    return folder + u"/dialog-sizes.txt";
}

std::unique_ptr<DlgSizeStore>& processStore() {
    static std::unique_ptr<DlgSizeStore> store;
    return store;
}

} // namespace

DlgSizeStore::DlgSizeStore(Ork_String file) : file_(std::move(file)) {
    Ork_StringArray lines;
    if (!ObjectExportReadFile(file_, lines))
        return;
    for (const Ork_String& line : lines) {
        const Ork_StringArray fields = strToArr(line, u'\t');
        if (fields.length() != 3 || fields[0].empty() || !isNumber(fields[1]) || !isNumber(fields[2]))
            continue;
        const int width = _wtoi(fields[1].c_str());
        const int height = _wtoi(fields[2].c_str());
        if (width > 0 && height > 0)
            sizes_[fields[0]] = {width, height};
    }
}

bool DlgSizeStore::get(const Ork_String& key, int& width, int& height) const {
    const auto it = sizes_.find(key);
    if (it == sizes_.end())
        return false;
    width = it->second.width;
    height = it->second.height;
    return true;
}

bool DlgSizeStore::set(const Ork_String& key, int width, int height) {
    if (key.empty() || key.find_first_of(u"\t\r\n") != Ork_String::npos || width <= 0 || height <= 0)
        return false;
    sizes_[key] = {width, height};
    Ork_StringArray lines;
    for (const auto& [k, size] : sizes_) {
        Ork_String line = k;
        line += u'\t';
        line.append(size.width);
        line += u'\t';
        line.append(size.height);
        lines.append(line);
    }
    ObjectExportCreateDirectory(getPath(file_));
    return ObjectExportWriteFile(file_, lines);
}

DlgSizeStore& DlgSizeStore::instance() {
    auto& store = processStore();
    if (!store)
        store = std::make_unique<DlgSizeStore>(defaultFile());
    return *store;
}

void DlgSizeStore::useFile(const Ork_String& file) { processStore() = std::make_unique<DlgSizeStore>(file); }
