#include "nuvo/dlgSize.h"

#include "nuvo/DlgSizeStore.h"
#include "ui/Window.h"

bool getDlgSize(const ui::Window* window, ui::Size& size) {
    if (!ui::isWindow(window))
        return false;
    const ui::Rect r = window->getWindowRect();
    size = ui::Size{r.width(), r.height()};
    return true;
}

bool WriteDlgSize(const ui::Window* window, const Ork_String& key) {
    ui::Size size;
    return getDlgSize(window, size) && DlgSizeStore::instance().set(key, size.cx, size.cy);
}

bool ChangeDlgSize(ui::Window* window, const Ork_String& key) {
    int width = 0;
    int height = 0;
    if (!ui::isWindow(window) || !DlgSizeStore::instance().get(key, width, height))
        return false;
    const ui::Rect r = window->getRectInParent();
    return window->moveWindow(r.left, r.top, width, height);
}
