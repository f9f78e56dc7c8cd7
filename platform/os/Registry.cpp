#include "os/Registry.h"

#include "os/RegistryHive.h"
#include "os/files.h"
#include "os/textCase.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <mutex>
#include <optional>
#include <system_error>

namespace fs = std::filesystem;

namespace os {
namespace {

constexpr int kHiveCount = 3;

struct HiveSlot {
    bool loaded = false;
    RegStatus status = RegStatus::Ok; // BadFile when the file was refused
    std::string error;
    RegistryHive hive;
};

struct Injection {
    int id;
    Hive hive;
    std::u16string path; // folded, every name followed by "\"
    Registry::Failure failure;
};

struct State {
    std::mutex mutex;
    std::optional<fs::path> folder;
    HiveSlot hives[kHiveCount];
    std::string lastError;
    std::vector<Injection> injections;
    int nextInjection = 1;
};

State& state() {
    static State s;
    return s;
}

std::u16string foldedPath(const std::vector<std::u16string>& names, size_t count) {
    std::u16string out;
    for (size_t i = 0; i < count && i < names.size(); ++i) {
        out += foldCase(names[i]);
        out += u'\\';
    }
    return out;
}

std::u16string joinNames(const std::vector<std::u16string>& names) {
    std::u16string out;
    for (const auto& n : names) {
        if (!out.empty()) out += u'\\';
        out += n;
    }
    return out;
}

bool injected(State& s, Hive hive, const std::u16string& folded, Registry::Failure failure) {
    for (const auto& inj : s.injections)
        if (inj.hive == hive && inj.failure == failure && inj.path == folded) return true;
    return false;
}

fs::path folderOf(State& s) {
    return s.folder ? *s.folder : Registry::defaultFolder();
}

fs::path hiveFileOf(State& s, Hive hive) {
    return folderOf(s) / (std::string(hiveName(hive)) + ".txt");
}

RegStatus loadHive(State& s, Hive hive, RegistryHive*& out) {
    HiveSlot& slot = s.hives[static_cast<int>(hive)];
    if (!slot.loaded) {
        slot = HiveSlot{};
        slot.loaded = true;
        const fs::path file = hiveFileOf(s, hive);
        std::error_code ec;
        if (fs::exists(file, ec)) {
            std::ifstream in(file, std::ios::binary);
            std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            std::string why;
            if (!in.good() && !in.eof()) {
                slot.status = RegStatus::BadFile;
                slot.error = file.string() + ": cannot be read";
            } else if (!slot.hive.parse(text, why)) {
                slot.status = RegStatus::BadFile;
                slot.error = file.string() + ": " + why;
            }
        } else if (ec) {
            slot.status = RegStatus::BadFile;
            slot.error = file.string() + ": " + ec.message();
        }
    }
    if (slot.status != RegStatus::Ok) {
        s.lastError = slot.error;
        return slot.status;
    }
    out = &slot.hive;
    return RegStatus::Ok;
}

// Applies `edit` to a copy of the hive, writes the copy, and only then makes it the hive: a change that cannot
// reach the file is not made at all.
template <class Edit> RegStatus changeHive(State& s, Hive hive, Edit&& edit) {
    RegistryHive* current = nullptr;
    if (RegStatus st = loadHive(s, hive, current); st != RegStatus::Ok) return st;
    RegistryHive changed = *current;
    if (RegStatus st = edit(changed); st != RegStatus::Ok) return st;
    const fs::path file = hiveFileOf(s, hive);
    std::error_code ec;
    fs::create_directories(file.parent_path(), ec);
    if (!writeBytesNative(file, changed.serialize(hiveName(hive)))) {
        s.lastError = file.string() + ": cannot be written";
        return RegStatus::WriteFailed;
    }
    *current = std::move(changed);
    return RegStatus::Ok;
}

// The key a handle names, or why there is none.
RegStatus keyNode(State& s, const Registry::Key& key, std::vector<std::u16string>& names, RegistryHive::Node*& node) {
    if (!key.isOpen()) return RegStatus::NotOpen;
    if (!RegistryHive::splitKeyPath(key.path(), names)) return RegStatus::InvalidName;
    RegistryHive* hive = nullptr;
    if (RegStatus st = loadHive(s, key.hive(), hive); st != RegStatus::Ok) return st;
    node = hive->find(names);
    return node ? RegStatus::Ok : RegStatus::NotFound;
}

RegStatus setValue(const Registry::Key& key, RegValue value) {
    State& s = state();
    std::lock_guard lock(s.mutex);
    std::vector<std::u16string> names;
    RegistryHive::Node* node = nullptr;
    if (RegStatus st = keyNode(s, key, names, node); st != RegStatus::Ok) return st;
    if (injected(s, key.hive(), foldedPath(names, names.size()), Registry::Failure::CannotWrite))
        return RegStatus::AccessDenied;
    return changeHive(s, key.hive(), [&](RegistryHive& hive) {
        RegistryHive::Node* target = hive.find(names);
        if (RegValue* existing = target->findValue(value.name)) {
            value.name = existing->name; // a value keeps the case it was created with
            *existing = std::move(value);
        } else {
            target->values.push_back(std::move(value));
        }
        return RegStatus::Ok;
    });
}

RegStatus queryValue(const Registry::Key& key, std::u16string_view name, const RegValue*& value) {
    State& s = state();
    std::vector<std::u16string> names;
    RegistryHive::Node* node = nullptr;
    if (RegStatus st = keyNode(s, key, names, node); st != RegStatus::Ok) return st;
    value = node->findValue(name);
    return value ? RegStatus::Ok : RegStatus::NotFound;
}

std::u16string joinKeyPath(std::u16string_view path, std::u16string_view sub) {
    std::u16string out(path);
    if (!out.empty() && !sub.empty()) out += u'\\';
    out += sub;
    return out;
}

} // namespace

const char* regStatusText(RegStatus status) {
    switch (status) {
    case RegStatus::Ok:
        return "ok";
    case RegStatus::NotFound:
        return "not found";
    case RegStatus::WrongType:
        return "wrong type";
    case RegStatus::AccessDenied:
        return "access denied";
    case RegStatus::WriteFailed:
        return "write failed";
    case RegStatus::BadFile:
        return "bad registry file";
    case RegStatus::InvalidName:
        return "invalid name";
    case RegStatus::NotOpen:
        return "key not open";
    }
    return "unknown";
}

const char* hiveName(Hive hive) {
    switch (hive) {
    case Hive::LocalMachine:
        return "HKEY_LOCAL_MACHINE";
    case Hive::ClassesRoot:
        return "HKEY_CLASSES_ROOT";
    case Hive::CurrentUser:
        return "HKEY_CURRENT_USER";
    }
    return "HKEY_UNKNOWN";
}

void Registry::setFolder(const fs::path& folder) {
    State& s = state();
    std::lock_guard lock(s.mutex);
    s.folder = folder.empty() ? std::nullopt : std::optional<fs::path>(folder);
    for (auto& slot : s.hives) slot = HiveSlot{};
}

fs::path Registry::folder() {
    State& s = state();
    std::lock_guard lock(s.mutex);
    return folderOf(s);
}

fs::path Registry::defaultFolder() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && *xdg == '/') return fs::path(xdg) / "ss" / "registry";
    const char* home = std::getenv("HOME");
    if (home && *home) return fs::path(home) / ".config" / "ss" / "registry";
    std::error_code ec;
    return fs::temp_directory_path(ec) / "ss" / "registry";
}

fs::path Registry::hiveFile(Hive hive) {
    State& s = state();
    std::lock_guard lock(s.mutex);
    return hiveFileOf(s, hive);
}

void Registry::reload() {
    State& s = state();
    std::lock_guard lock(s.mutex);
    for (auto& slot : s.hives) slot = HiveSlot{};
}

std::string Registry::lastError() {
    State& s = state();
    std::lock_guard lock(s.mutex);
    return s.lastError;
}

RegStatus Registry::openKey(Hive hive, std::u16string_view path, Key& key) {
    State& s = state();
    std::lock_guard lock(s.mutex);
    std::vector<std::u16string> names;
    if (!RegistryHive::splitKeyPath(path, names)) return RegStatus::InvalidName;
    if (injected(s, hive, foldedPath(names, names.size()), Failure::CannotOpen)) return RegStatus::AccessDenied;
    RegistryHive* h = nullptr;
    if (RegStatus st = loadHive(s, hive, h); st != RegStatus::Ok) return st;
    if (!h->find(names)) return RegStatus::NotFound;
    key.hive_ = hive;
    key.path_ = joinNames(names);
    key.open_ = true;
    return RegStatus::Ok;
}

RegStatus Registry::createKey(Hive hive, std::u16string_view path, Key& key) {
    State& s = state();
    std::lock_guard lock(s.mutex);
    std::vector<std::u16string> names;
    if (!RegistryHive::splitKeyPath(path, names)) return RegStatus::InvalidName;
    if (injected(s, hive, foldedPath(names, names.size()), Failure::CannotOpen)) return RegStatus::AccessDenied;
    RegistryHive* h = nullptr;
    if (RegStatus st = loadHive(s, hive, h); st != RegStatus::Ok) return st;
    if (!h->find(names)) {
        const RegStatus st = changeHive(s, hive, [&](RegistryHive& changed) {
            RegistryHive::Node* node = &changed.root();
            for (size_t i = 0; i < names.size(); ++i) {
                if (RegistryHive::Node* child = node->findChild(names[i])) {
                    node = child;
                    continue;
                }
                if (injected(s, hive, foldedPath(names, i), Failure::CannotWrite)) return RegStatus::AccessDenied;
                node = &node->addChild(names[i]);
            }
            return RegStatus::Ok;
        });
        if (st != RegStatus::Ok) return st;
    }
    key.hive_ = hive;
    key.path_ = joinNames(names);
    key.open_ = true;
    return RegStatus::Ok;
}

RegStatus Registry::deleteKey(Hive hive, std::u16string_view path) {
    State& s = state();
    std::lock_guard lock(s.mutex);
    std::vector<std::u16string> names;
    if (!RegistryHive::splitKeyPath(path, names) || names.empty()) return RegStatus::InvalidName;
    RegistryHive* h = nullptr;
    if (RegStatus st = loadHive(s, hive, h); st != RegStatus::Ok) return st;
    if (!h->find(names)) return RegStatus::NotFound;
    // Deleting writes the parent, and takes with it every key below, each of which may refuse.
    const std::u16string folded = foldedPath(names, names.size());
    const std::u16string parent = foldedPath(names, names.size() - 1);
    for (const auto& inj : s.injections)
        if (inj.hive == hive && inj.failure == Failure::CannotWrite &&
            (inj.path == parent || inj.path.starts_with(folded)))
            return RegStatus::AccessDenied;
    return changeHive(s, hive, [&](RegistryHive& changed) {
        const std::vector<std::u16string> parentNames(names.begin(), names.end() - 1);
        changed.find(parentNames)->removeChild(names.back());
        return RegStatus::Ok;
    });
}

Registry::FailureInjection::FailureInjection(Hive hive, std::u16string_view path, Failure failure) {
    State& s = state();
    std::lock_guard lock(s.mutex);
    std::vector<std::u16string> names;
    RegistryHive::splitKeyPath(path, names);
    id_ = s.nextInjection++;
    s.injections.push_back(Injection{id_, hive, foldedPath(names, names.size()), failure});
}

Registry::FailureInjection::~FailureInjection() {
    State& s = state();
    std::lock_guard lock(s.mutex);
    std::erase_if(s.injections, [this](const Injection& inj) { return inj.id == id_; });
}

RegStatus Registry::Key::openSubKey(std::u16string_view subPath, Key& key) const {
    if (!open_) return RegStatus::NotOpen;
    return Registry::openKey(hive_, joinKeyPath(path_, subPath), key);
}

RegStatus Registry::Key::createSubKey(std::u16string_view subPath, Key& key) const {
    if (!open_) return RegStatus::NotOpen;
    return Registry::createKey(hive_, joinKeyPath(path_, subPath), key);
}

RegStatus Registry::Key::deleteSubKey(std::u16string_view subPath) const {
    if (!open_) return RegStatus::NotOpen;
    if (subPath.empty()) return RegStatus::InvalidName;
    return Registry::deleteKey(hive_, joinKeyPath(path_, subPath));
}

RegStatus Registry::Key::setString(std::u16string_view name, std::u16string_view text) const {
    RegValue v;
    v.name = name;
    v.type = RegType::String;
    v.text = text;
    return setValue(*this, std::move(v));
}

RegStatus Registry::Key::setNumber(std::u16string_view name, std::uint32_t number) const {
    RegValue v;
    v.name = name;
    v.type = RegType::Number;
    v.number = number;
    return setValue(*this, std::move(v));
}

RegStatus Registry::Key::setBinary(std::u16string_view name, std::string_view bytes) const {
    RegValue v;
    v.name = name;
    v.type = RegType::Binary;
    v.bytes = bytes;
    return setValue(*this, std::move(v));
}

RegStatus Registry::Key::queryString(std::u16string_view name, std::u16string& text) const {
    std::lock_guard lock(state().mutex);
    const RegValue* v = nullptr;
    if (RegStatus st = queryValue(*this, name, v); st != RegStatus::Ok) return st;
    if (v->type != RegType::String) return RegStatus::WrongType;
    text = v->text;
    return RegStatus::Ok;
}

RegStatus Registry::Key::queryNumber(std::u16string_view name, std::uint32_t& number) const {
    std::lock_guard lock(state().mutex);
    const RegValue* v = nullptr;
    if (RegStatus st = queryValue(*this, name, v); st != RegStatus::Ok) return st;
    if (v->type != RegType::Number) return RegStatus::WrongType;
    number = v->number;
    return RegStatus::Ok;
}

RegStatus Registry::Key::queryBinary(std::u16string_view name, std::string& bytes) const {
    std::lock_guard lock(state().mutex);
    const RegValue* v = nullptr;
    if (RegStatus st = queryValue(*this, name, v); st != RegStatus::Ok) return st;
    if (v->type != RegType::Binary) return RegStatus::WrongType;
    bytes = v->bytes;
    return RegStatus::Ok;
}

RegStatus Registry::Key::queryType(std::u16string_view name, RegType& type) const {
    std::lock_guard lock(state().mutex);
    const RegValue* v = nullptr;
    if (RegStatus st = queryValue(*this, name, v); st != RegStatus::Ok) return st;
    type = v->type;
    return RegStatus::Ok;
}

RegStatus Registry::Key::deleteValue(std::u16string_view name) const {
    State& s = state();
    std::lock_guard lock(s.mutex);
    std::vector<std::u16string> names;
    RegistryHive::Node* node = nullptr;
    if (RegStatus st = keyNode(s, *this, names, node); st != RegStatus::Ok) return st;
    if (!node->findValue(name)) return RegStatus::NotFound;
    if (injected(s, hive_, foldedPath(names, names.size()), Failure::CannotWrite)) return RegStatus::AccessDenied;
    return changeHive(s, hive_, [&](RegistryHive& hive) {
        auto& values = hive.find(names)->values;
        std::erase_if(values, [&](const RegValue& v) { return equalsNoCase(v.name, name); });
        return RegStatus::Ok;
    });
}

RegStatus Registry::Key::subKeyNames(std::vector<std::u16string>& out) const {
    State& s = state();
    std::lock_guard lock(s.mutex);
    std::vector<std::u16string> names;
    RegistryHive::Node* node = nullptr;
    if (RegStatus st = keyNode(s, *this, names, node); st != RegStatus::Ok) return st;
    out.clear();
    for (const auto& child : node->children) out.push_back(child.name);
    return RegStatus::Ok;
}

RegStatus Registry::Key::valueNames(std::vector<std::u16string>& out) const {
    State& s = state();
    std::lock_guard lock(s.mutex);
    std::vector<std::u16string> names;
    RegistryHive::Node* node = nullptr;
    if (RegStatus st = keyNode(s, *this, names, node); st != RegStatus::Ok) return st;
    out.clear();
    for (const auto& v : node->values) out.push_back(v.name);
    return RegStatus::Ok;
}

} // namespace os
