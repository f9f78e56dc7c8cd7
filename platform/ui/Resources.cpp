#include "ui/Resources.h"

#include <algorithm>
#include <memory>

namespace ui {

namespace {
struct State {
    std::vector<std::unique_ptr<ResourceModule>> chain;
    std::vector<std::unique_ptr<ResourceModule>> removed;   // out of the chain; pointers to them stay valid
    ResourceModule* current = nullptr;
    int switches = 0;
};
State& st() {
    static State* s = new State;
    return *s;
}

template <class F> auto search(F&& find) -> decltype(find(std::declval<ResourceModule&>())) {
    State& s = st();
    if (s.current)
        if (auto r = find(*s.current)) return r;
    for (auto& m : s.chain)
        if (m.get() != s.current)
            if (auto r = find(*m)) return r;
    return nullptr;
}
} // namespace

void ResourceModule::addDialog(DialogTemplate tmpl) {
    int id = tmpl.id;
    m_dialogs[id] = std::move(tmpl);
}

void ResourceModule::addBitmap(int id, std::vector<std::uint8_t> bmpBytes, Size size) {
    Image img;
    img.resourceId = id;
    img.bytes = std::make_shared<const std::vector<std::uint8_t>>(std::move(bmpBytes));
    img.size = size;
    img.isIcon = false;
    m_bitmaps[id] = std::move(img);
}

void ResourceModule::addIcon(int id, std::vector<std::uint8_t> icoBytes, Size size) {
    Image img;
    img.resourceId = id;
    img.bytes = std::make_shared<const std::vector<std::uint8_t>>(std::move(icoBytes));
    img.size = size;
    img.isIcon = true;
    m_icons[id] = std::move(img);
}

void ResourceModule::addString(int id, std::u16string text) { m_strings[id] = std::move(text); }

const DialogTemplate* ResourceModule::dialog(int id) const {
    auto it = m_dialogs.find(id);
    return it == m_dialogs.end() ? nullptr : &it->second;
}
const Image* ResourceModule::bitmap(int id) const {
    auto it = m_bitmaps.find(id);
    return it == m_bitmaps.end() ? nullptr : &it->second;
}
const Image* ResourceModule::icon(int id) const {
    auto it = m_icons.find(id);
    return it == m_icons.end() ? nullptr : &it->second;
}
const std::u16string* ResourceModule::string(int id) const {
    auto it = m_strings.find(id);
    return it == m_strings.end() ? nullptr : &it->second;
}

ResourceModule& Resources::addModule(const std::u16string& name) {
    if (ResourceModule* m = findModule(name)) return *m;
    auto& removed = st().removed;
    auto back = std::find_if(removed.begin(), removed.end(), [&](const auto& m) { return m->name() == name; });
    if (back != removed.end()) {
        st().chain.push_back(std::move(*back));
        removed.erase(back);
    } else {
        st().chain.push_back(std::make_unique<ResourceModule>(name));
    }
    ResourceModule& m = *st().chain.back();
    if (!st().current) st().current = &m;
    return m;
}

void Resources::removeModule(ResourceModule* module) {
    auto& chain = st().chain;
    auto at = std::find_if(chain.begin(), chain.end(), [&](const auto& m) { return m.get() == module; });
    if (at == chain.end())
        return;
    st().removed.push_back(std::move(*at));
    chain.erase(at);
    if (st().current == module)
        setCurrent(nullptr);
}

ResourceModule* Resources::findModule(const std::u16string& name) {
    for (auto& m : st().chain)
        if (m->name() == name) return m.get();
    return nullptr;
}

ResourceModule* Resources::current() { return st().current; }

void Resources::setCurrent(ResourceModule* module) {
    st().current = module;
    ++st().switches;
}

std::vector<ResourceModule*> Resources::chain() {
    std::vector<ResourceModule*> v;
    for (auto& m : st().chain) v.push_back(m.get());
    return v;
}

const DialogTemplate* Resources::findDialog(int id) {
    return search([id](ResourceModule& m) { return m.dialog(id); });
}

Image Resources::loadBitmap(int id) {
    const Image* img = search([id](ResourceModule& m) { return m.bitmap(id); });
    return img ? *img : Image{};
}

Image Resources::loadIcon(int id) {
    const Image* img = search([id](ResourceModule& m) { return m.icon(id); });
    return img ? *img : Image{};
}

std::u16string Resources::loadString(int id) {
    const std::u16string* s = search([id](ResourceModule& m) { return m.string(id); });
    return s ? *s : std::u16string();
}

int Resources::switchCount() { return st().switches; }

ScopedResourceModule::ScopedResourceModule(ResourceModule* module) : m_previous(Resources::current()) {
    Resources::setCurrent(module);
}

ScopedResourceModule::~ScopedResourceModule() { Resources::setCurrent(m_previous); }

} // namespace ui
