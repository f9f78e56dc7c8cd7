#include "macrodlg/patternAlternation.h"

namespace macrodlg {
namespace {

constexpr int kButtonFlags[6][3] = {{1, 0, 0}, {0, 0, 0}, {1, 1, 1}, {1, 0, 0}, {1, 0, 1}, {1, 1, 0}};

} // namespace

int alternationButton(const int flags[3]) {
    for (int i = 0; i < 3; ++i)
        if (flags[i] == -1)
            return 0;
    if (flags[0] == 0)
        return 1;   // the other two do not matter without the first
    for (int b = 2; b <= 5; ++b)
        if (flags[1] == kButtonFlags[b][1] && flags[2] == kButtonFlags[b][2])
            return b;
    return 0;
}

void alternationFlags(int button, int flags[3]) {
    const int b = button >= 1 && button <= 5 ? button : 0;
    for (int i = 0; i < 3; ++i)
        flags[i] = kButtonFlags[b][i];
}

} // namespace macrodlg
