// Any bytes as a dialog script, and as the --steps option: reading never crashes or hangs, a refusal names a
// line that exists and says why, and what is read keeps its lines in order, its blocks within their depth.
#include "dialogScript.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace {

// Steps come in the order of their lines, blocks included: each line is later than the one before.
void checkSteps(const std::vector<ssdialog::Step>& steps, int& lastLine, int lines, int depth) {
    if (depth > 16) std::abort();
    for (const ssdialog::Step& s : steps) {
        if (s.line <= lastLine || s.line > lines) std::abort();
        lastLine = s.line;
        if (s.kind == ssdialog::StepKind::Key && s.vk == 0) std::abort();
        if (s.kind != ssdialog::StepKind::Dialog && !s.body.empty()) std::abort();
        if (s.number < 0 || s.number2 < 0 || (s.index && *s.index < 0)) std::abort();
        checkSteps(s.body, lastLine, lines, depth + 1);
    }
}

void check(bool ok, const std::vector<ssdialog::Step>& steps, const ssdialog::ScriptError& error, int pieces) {
    if (!ok) {
        if (error.message.empty() || error.line < 1 || error.line > pieces || !steps.empty()) std::abort();
        return;
    }
    int last = 0;
    checkSteps(steps, last, pieces, 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<ssdialog::Step> steps;
    ssdialog::ScriptError error;

    const int lines = int(std::count(text.begin(), text.end(), '\n')) + 1;
    check(ssdialog::parseScript(text, steps, error), steps, error, lines);

    // At most one piece for each ';' and line break, and one more.
    const int pieces = int(std::count(text.begin(), text.end(), ';')) + lines;
    steps.clear();
    error = {};
    check(ssdialog::parseStepsOption(text, steps, error), steps, error, pieces);
    return 0;
}
