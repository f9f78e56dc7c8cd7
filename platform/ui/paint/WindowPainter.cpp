#include "ui/paint/WindowPainter.h"

#include "ui/TabCtrl.h"
#include "ui/paint/controlPainters.h"
#include "ui/paint/pngFile.h"
#include "os/textCase.h"

#include <algorithm>
#include <map>

namespace ui {

namespace {

// Painters are found by class name ignoring case, as the platform finds window classes: keyed by the folded name.
std::map<std::u16string, PaintFunction>& registry() {
    static std::map<std::u16string, PaintFunction> painters;
    return painters;
}

struct WindowSteps {
    PaintFunction erase;
    PaintFunction paint;
};

std::map<const Window*, WindowSteps>& windowSteps() {
    static std::map<const Window*, WindowSteps> steps;
    return steps;
}

// Windows nest far less deeply than this; the limit only keeps a corrupt tree from exhausting the stack.
constexpr int kMaxDepth = 64;

void paintTree(Canvas& canvas, const Window& w, Point offset, const Rect& parentClip, int depth) {
    if (depth > kMaxDepth) return;
    const Rect window = w.getWindowRect().offsetBy(offset.x, offset.y);
    const Rect windowClip = window.intersect(parentClip);
    if (windowClip.isEmpty()) return;
    const Insets in = w.nonClientInsets();
    Rect client = window;
    client.deflate(in.left, in.top, in.right, in.bottom);
    if (client.right < client.left) client.right = client.left;
    if (client.bottom < client.top) client.bottom = client.top;

    canvas.setClipRect(windowClip);
    painters::paintFrame(canvas, w, window, client);

    const Rect clientClip = client.intersect(windowClip);
    canvas.setClipRect(clientClip);
    if (!clientClip.isEmpty()) {
        const auto found = registry().find(os::foldCase(w.getClassName()));
        if (found != registry().end())
            found->second(canvas, w, client);
        else if (!painters::paintBuiltIn(canvas, w, client))
            painters::paintPlaceholder(canvas, w, client);
        const auto steps = windowSteps().find(&w);
        if (steps != windowSteps().end()) {
            // Copied first: a step may change the registry.
            const WindowSteps own = steps->second;
            if (own.erase) own.erase(canvas, w, client);
            canvas.setClipRect(clientClip);
            if (own.paint) own.paint(canvas, w, client);
            canvas.setClipRect(clientClip);
        }
    }

    // Children from the bottom of the z-order up. Tab controls go first whatever their place: they are the
    // backdrop that the controls of their pages stand on.
    std::vector<Window*> order = w.children();
    std::reverse(order.begin(), order.end());
    std::stable_partition(order.begin(), order.end(),
                          [](const Window* c) { return dynamic_cast<const TabCtrl*>(c) != nullptr; });
    for (const Window* child : order) {
        if (child && (child->getStyle() & WS_VISIBLE)) paintTree(canvas, *child, offset, clientClip, depth + 1);
    }
    canvas.setClipRect(parentClip);
}

} // namespace

void WindowPainter::registerPainter(std::u16string_view className, PaintFunction paint) {
    if (paint)
        registry()[os::foldCase(className)] = std::move(paint);
    else
        registry().erase(os::foldCase(className));
}

bool WindowPainter::hasPainter(std::u16string_view className) {
    return registry().count(os::foldCase(className)) != 0;
}

void WindowPainter::setWindowSteps(const Window* window, PaintFunction erase, PaintFunction paint) {
    if (!window) return;
    if (erase || paint)
        windowSteps()[window] = WindowSteps{std::move(erase), std::move(paint)};
    else
        windowSteps().erase(window);
}

bool WindowPainter::hasWindowSteps(const Window* window) { return windowSteps().count(window) != 0; }

Canvas renderWindow(const Window& window) {
    const Rect r = window.getWindowRect();
    const int width = std::clamp(r.width(), 1, Canvas::kMaxSide);
    const int height = std::clamp(r.height(), 1, Canvas::kMaxSide);
    Canvas canvas(width, height, colors::buttonFace);
    paintTree(canvas, window, Point{-r.left, -r.top}, Rect{0, 0, width, height}, 0);
    canvas.resetClip();
    return canvas;
}

bool writeWindowPng(const Window& window, const std::filesystem::path& path, std::u16string& error) {
    return writePngFile(path, renderWindow(window), error);
}

} // namespace ui
