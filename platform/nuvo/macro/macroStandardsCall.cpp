#include "nuvo/macro/macroStandardsCall.h"

#include "nuvo/macro/MacroData.h"

namespace nuvo {
namespace {

StandardsCall& installed() {
    static StandardsCall call;
    return call;
}

} // namespace

StandardsCall setStandardsCall(StandardsCall call) {
    StandardsCall old = std::move(installed());
    installed() = std::move(call);
    return old;
}

bool callStandards(void* entry, MacroData& macro, const MacroStandardData& standard) {
    const StandardsCall& call = installed();
    return entry && call && call(entry, macro, standard);
}

} // namespace nuvo
