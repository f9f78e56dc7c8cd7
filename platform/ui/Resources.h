#pragma once
// Resources as the platform keeps them: each library registers its dialog templates, bitmaps and icons as a
// resource module; the modules form a chain in registration order, and one of them is current. A lookup tries
// the current module first, then every module of the chain in order. The module's resource guard switches the
// current module for the length of a scope (ScopedResourceModule), which tests can watch.
#include "ui/DialogTemplate.h"
#include "ui/Window.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace ui {

class ResourceModule {
public:
    explicit ResourceModule(std::u16string name) : m_name(std::move(name)) {}
    const std::u16string& name() const { return m_name; }

    void addDialog(DialogTemplate tmpl);
    // Bytes of a BMP file (with its file header) or of an ICO file; the painting part decodes them.
    void addBitmap(int id, std::vector<std::uint8_t> bmpBytes, Size size = {});
    void addIcon(int id, std::vector<std::uint8_t> icoBytes = {}, Size size = {Metrics::kIconSize, Metrics::kIconSize});
    void addString(int id, std::u16string text);

    const DialogTemplate* dialog(int id) const;
    const Image* bitmap(int id) const;
    const Image* icon(int id) const;
    const std::u16string* string(int id) const;

private:
    std::u16string m_name;
    std::map<int, DialogTemplate> m_dialogs;
    std::map<int, Image> m_bitmaps;
    std::map<int, Image> m_icons;
    std::map<int, std::u16string> m_strings;
};

class Resources {
public:
    // Adds a module at the end of the chain (or returns the one of that name). The first module added becomes
    // current. Modules live as long as the process: a module taken out of the chain is kept, and adding its
    // name again puts that same module back at the end.
    static ResourceModule& addModule(const std::u16string& name);
    // Takes a module out of the chain (a library that leaves the process). When it was current, no module is
    // current afterwards; the library restores the one it found.
    static void removeModule(ResourceModule* module);
    static ResourceModule* findModule(const std::u16string& name);
    static ResourceModule* current();
    static void setCurrent(ResourceModule* module);  // null: no current module, the chain alone is searched
    static std::vector<ResourceModule*> chain();

    static const DialogTemplate* findDialog(int id);
    static Image loadBitmap(int id);  // a null Image when no module has it
    static Image loadIcon(int id);
    static std::u16string loadString(int id);
    // How often the current module was switched, for tests that check a guard was taken.
    static int switchCount();
};

// Makes `module` current for the life of this object and restores the previous one after.
class ScopedResourceModule {
public:
    explicit ScopedResourceModule(ResourceModule* module);
    ~ScopedResourceModule();
    ScopedResourceModule(const ScopedResourceModule&) = delete;
    ScopedResourceModule& operator=(const ScopedResourceModule&) = delete;

private:
    ResourceModule* m_previous;
};

} // namespace ui
