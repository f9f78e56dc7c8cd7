#include "ui/WindowClasses.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Dialog.h"
#include "ui/Edit.h"
#include "ui/ListCtrl.h"
#include "ui/RichEdit.h"
#include "ui/Static.h"
#include "ui/TabCtrl.h"
#include "ui/ToolTip.h"
#include "os/textCase.h"

#include <vector>

namespace ui {

namespace {

struct Entry {
    std::u16string name;
    WindowClasses::Factory factory;
};

template <class T> WindowClasses::Factory factoryOf() {
    return [] { return std::unique_ptr<Window>(new T()); };
}

std::vector<Entry>& table() {
    static std::vector<Entry>* t = new std::vector<Entry>{
        {u"Button", factoryOf<Button>()},
        {u"Edit", factoryOf<Edit>()},
        {u"Static", factoryOf<Static>()},
        {u"ComboBox", factoryOf<ComboBox>()},
        {u"SysTabControl32", factoryOf<TabCtrl>()},
        {u"SysListView32", factoryOf<ListCtrl>()},
        {u"tooltips_class32", factoryOf<ToolTip>()},
        {u"RichEdit20W", factoryOf<RichEdit>()},
        {u"RICHEDIT50W", factoryOf<RichEdit>()},
        {u"#32770", factoryOf<Dialog>()},
        {u"ToolbarWindow32", factoryOf<Window>()},
    };
    return *t;
}

Entry* find(std::u16string_view name) {
    for (auto& e : table())
        if (os::equalsNoCase(e.name, name)) return &e;
    return nullptr;
}

} // namespace

bool WindowClasses::registerClass(std::u16string_view name, Factory factory) {
    if (name.empty() || !factory) return false;
    if (Entry* e = find(name)) {
        e->factory = std::move(factory);
        return true;
    }
    table().push_back({std::u16string(name), std::move(factory)});
    return true;
}

bool WindowClasses::isRegistered(std::u16string_view name) { return find(name) != nullptr; }

std::unique_ptr<Window> WindowClasses::make(std::u16string_view name) {
    Entry* e = find(name);
    return e ? e->factory() : nullptr;
}

std::u16string WindowClasses::canonicalName(std::u16string_view name) {
    Entry* e = find(name);
    return e ? e->name : std::u16string();
}

} // namespace ui
