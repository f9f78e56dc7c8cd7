#include "cadhost/MainWindow.h"

#include "ui/Window.h"
#include "ui/constants.h"

ui::Window* adsw_acadMainWnd() {
    // Never destroyed: windows may still refer to it as their owner while the process ends.
    static ui::Window* const window = new ui::Window;
    if (!window->isWindow())
        window->create(u"AcadMainFrame", u"AutoCAD", ui::WS_OVERLAPPEDWINDOW | ui::WS_VISIBLE,
                       ui::Rect::fromSize(0, 0, 1280, 960), nullptr, 0);
    return window;
}
