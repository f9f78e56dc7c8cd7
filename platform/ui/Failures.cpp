#include "ui/Failures.h"

#include "os/textCase.h"

namespace ui {

namespace {
struct State {
    int createCount = 0;
    std::u16string createClass;
    int destroyCount = 0;
};
State& st() {
    static State s;
    return s;
}
} // namespace

void Failures::failCreate(int count, std::u16string className) {
    st().createCount = count;
    st().createClass = std::move(className);
}

void Failures::failDestroy(int count) { st().destroyCount = count; }

void Failures::clear() { st() = State{}; }

bool Failures::takeCreateFailure(const std::u16string& className) {
    State& s = st();
    if (s.createCount <= 0) return false;
    if (!s.createClass.empty() && !os::equalsNoCase(s.createClass, className)) return false;
    --s.createCount;
    return true;
}

bool Failures::takeDestroyFailure() {
    if (st().destroyCount <= 0) return false;
    --st().destroyCount;
    return true;
}

} // namespace ui
