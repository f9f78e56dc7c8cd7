// Any bytes given as a standard-size list: the list reads without failing hard, and the choice of a standard
// size among its entries is the accepted nearest entry when there is one, and finite for ordinary inputs. The
// first line holds the choice's numbers (step, value, downTol, upTol, thickness); the rest is the list.
#include "nuvo/Ork_StringArray.h"
#include "nuvo/textHelpers.h"
#include "os/files.h"
#include "standards/KvDataFiles.h"
#include "standards/KvStdSizes.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Ork_StringArray lines;
    for (auto& line : os::decodeLines(bytes))
        lines.append(Ork_String(std::move(line)));
    double n[5] = {1, 10, 1, 1, 0};
    if (!lines.isEmpty()) {
        const Ork_StringArray numbers = strToArr(lines[0], u' ');
        for (int i = 0; i < numbers.length() && i < 5; ++i)
            n[i] = numbers[i].toDouble();
        lines.removeAt(0);
    }
    const double step = n[0], value = n[1], downTol = n[2], upTol = n[3], thickness = n[4];

    const std::vector<KvDataFiles::StdSize> sizes = KvDataFiles::parseStdSizes(lines);
    if (sizes.size() > static_cast<std::size_t>(lines.length()))
        std::abort();
    const AcArray<double> lists[] = {KvStdSizes::sizeCandidates(sizes), KvStdSizes::thicknessCandidates(sizes),
                                     KvStdSizes::widthCandidates(sizes, thickness)};
    auto ordinary = [](double v) { return std::isfinite(v) && std::fabs(v) <= 1e6; };
    const bool bounded = ordinary(step) && ordinary(value) && ordinary(downTol) && ordinary(upTol);
    for (const AcArray<double>& candidates : lists) {
        const double r = KvStdSizes::chooseStandard(candidates, step, value, downTol, upTol);
        if (!bounded)
            continue;
        if (!std::isfinite(r))
            std::abort();
        double nearest = 0;
        if (KvStdSizes::nearestStandard(candidates, value, downTol, upTol, nearest) && r != nearest)
            std::abort();
    }
    return 0;
}
