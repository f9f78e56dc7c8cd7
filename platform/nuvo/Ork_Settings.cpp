#include "nuvo/Ork_Settings.h"

#include "nuvo/fileHelpers.h"
#include "nuvo/textHelpers.h"
#include "os/paths.h"

#include <cstdlib>
#include <filesystem>
#include <optional>

#include <dlfcn.h>

#ifndef NUVO_DEFAULT_HOME
#define NUVO_DEFAULT_HOME "."
#endif

namespace {

struct Values {
    std::optional<Ork_String> libDir;
    std::optional<Ork_String> orkDir;
    std::optional<Ork_String> language;
    std::optional<bool> standardsMessages;
};

struct State {
    Values set;       // by the program
    Values env;       // from the environment
    Values file;      // from the settings file
    bool loaded = false;
};

std::optional<Ork_String> environment(const char* name) {
    const char* value = std::getenv(name);
    if (!value || !*value)
        return std::nullopt;
    return Ork_String::fromUtf8(value);
}

std::optional<bool> parseSwitch(const Ork_String& text) {
    const Ork_String t = text.trimmed().toLower();
    if (t == u"1" || t == u"true" || t == u"on" || t == u"yes")
        return true;
    if (t == u"0" || t == u"false" || t == u"off" || t == u"no")
        return false;
    return std::nullopt;
}

void readInto(const Ork_String& path, Values& values, bool& ok) {
    Ork_StringArray lines;
    ok = ObjectExportReadFile(path, lines);
    if (!ok)
        return;
    for (const Ork_String& raw : lines) {
        const Ork_String line = raw.trimmed();
        if (line.empty() || line[0] == u'#' || line[0] == u';')
            continue;
        Ork_String key;
        Ork_String value;
        if (!splitString(line, u'=', key, value))
            continue;
        key = key.trimmed();
        value = value.trimmed();
        if (key.equal(u"library", true)) {
            values.libDir = value;
        } else if (key.equal(u"language", true)) {
            values.language = value;
        } else if (key.equal(u"standardsMessages", true)) {
            if (auto on = parseSwitch(value))
                values.standardsMessages = on;
        } else if (key.size() == 7 && key.startsWith(u"drive.", true)) {
            os::setDriveFolder(key[6], os::toNativeName(value));
        }
    }
}

State& state();

// Installed, this library lies in <prefix>/<libdir> and the installation folder is NUVO_INSTALLED_HOME from
// there (<prefix>/share/ss), wherever the tree was unpacked; it counts only when it holds the sample library.
// In the build tree no such folder exists, and the source folder is the installation folder.
std::optional<Ork_String> installedHome() {
#ifdef NUVO_INSTALLED_HOME
    Dl_info info{};
    if (dladdr(reinterpret_cast<const void*>(&installedHome), &info) && info.dli_fname) {
        std::error_code ec;
        const std::filesystem::path home =
            (std::filesystem::path(info.dli_fname).parent_path() / NUVO_INSTALLED_HOME).lexically_normal();
        if (std::filesystem::is_directory(home / "samples" / "library", ec))
            return Ork_String::fromUtf8(home.string());
    }
#endif
    return std::nullopt;
}

Ork_String homeDir(State& s) {
    if (s.set.orkDir)
        return *s.set.orkDir;
    if (s.env.orkDir)
        return *s.env.orkDir;
    static const std::optional<Ork_String> installed = installedHome();
    return Ork_Settings::asFolder(installed ? *installed : Ork_String::fromUtf8(NUVO_DEFAULT_HOME));
}

void loadDefaults(State& s) {
    s.env = Values{};
    s.file = Values{};
    if (auto v = environment("SS_LIBRARY"))
        s.env.libDir = Ork_Settings::asFolder(*v);
    if (auto v = environment("SS_HOME"))
        s.env.orkDir = Ork_Settings::asFolder(*v);
    const Ork_String settingsFile = environment("SS_SETTINGS").value_or(homeDir(s) + u"ss.ini");
    bool ok = false;
    if (ObjectExportFileExists(settingsFile))
        readInto(settingsFile, s.file, ok);
    s.loaded = true;
}

State& state() {
    static State s;
    if (!s.loaded)
        loadDefaults(s);
    return s;
}

template <typename T>
T pick(const std::optional<T>& a, const std::optional<T>& b, const std::optional<T>& c, T fallback) {
    return a ? *a : b ? *b : c ? *c : fallback;
}

} // namespace

Ork_String Ork_Settings::asFolder(const Ork_String& folder) {
    Ork_String out = folder;
    for (char16_t& c : out)
        if (c == u'/')
            c = u'\\';
    if (out.empty() || out.back() != u'\\')
        out += u'\\';
    return out;
}

Ork_String Ork_Settings::orkDir() { return homeDir(state()); }

Ork_String Ork_Settings::libDir() {
    State& s = state();
    if (s.set.libDir)
        return *s.set.libDir;
    if (s.env.libDir)
        return *s.env.libDir;
    if (s.file.libDir)
        return asFolder(*s.file.libDir);
    return orkDir() + u"samples\\library\\";
}

Ork_String Ork_Settings::language() {
    State& s = state();
    return pick(s.set.language, s.env.language, s.file.language, Ork_String(u"English"));
}

bool Ork_Settings::standardsMessages() {
    State& s = state();
    return pick(s.set.standardsMessages, s.env.standardsMessages, s.file.standardsMessages, true);
}

bool Ork_Settings::load(const Ork_String& settingsFile) {
    bool ok = false;
    readInto(settingsFile, state().file, ok);
    return ok;
}

void Ork_Settings::reset() {
    State& s = state();
    s.set = Values{};
    loadDefaults(s);
}

void Ork_Settings::setLibDir(const Ork_String& folder) { state().set.libDir = asFolder(folder); }
void Ork_Settings::setOrkDir(const Ork_String& folder) { state().set.orkDir = asFolder(folder); }
void Ork_Settings::setLanguage(const Ork_String& language) { state().set.language = language; }
void Ork_Settings::setStandardsMessages(bool on) { state().set.standardsMessages = on; }
