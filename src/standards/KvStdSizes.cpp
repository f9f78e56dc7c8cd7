#include "standards/KvStdSizes.h"

#include "nuvo/numberHelpers.h"

#include <cmath>

namespace KvStdSizes {

AcArray<double> sizeCandidates(const std::vector<KvDataFiles::StdSize>& sizes) {
    AcArray<double> out;
    for (const KvDataFiles::StdSize& s : sizes)
        out.append(s.first);
    return out;
}

AcArray<double> thicknessCandidates(const std::vector<KvDataFiles::StdSize>& sizes) {
    AcArray<double> out;
    for (const KvDataFiles::StdSize& s : sizes)
        out.append(s.second);
    return out;
}

AcArray<double> widthCandidates(const std::vector<KvDataFiles::StdSize>& sizes, double thickness) {
    AcArray<double> out;
    for (const KvDataFiles::StdSize& s : sizes)
        if (s.second == 0 || s.second == thickness)
            out.append(s.first);
    AcArray<int> order;
    ObjectExportSort(out, order);
    return out;
}

bool nearestStandard(const AcArray<double>& candidates, double value, double downTol, double upTol,
                     double& result) {
    bool haveAbove = false, haveBelow = false;
    double above = 0, below = 0, distAbove = 0, distBelow = 0;
    for (int i = 0; i < candidates.length(); ++i) {
        const double c = candidates[i];
        // A size the list could not state as a number (1e999, nan) is no size to choose.
        if (!std::isfinite(c))
            continue;
        if (c > value) {
            if (!haveAbove || c - value < distAbove) {
                haveAbove = true;
                above = c;
                distAbove = c - value;
            }
        } else if (c <= value) {
            if (!haveBelow || value - c < distBelow) {
                haveBelow = true;
                below = c;
                distBelow = value - c;
            }
        }
    }
    const bool aboveOk = haveAbove && distAbove <= upTol && above >= value - downTol;
    const bool belowOk = haveBelow && distBelow <= downTol && below <= value + upTol;
    const bool aboveFirst = haveAbove && haveBelow ? distBelow > distAbove : haveAbove;
    if (aboveFirst ? aboveOk : belowOk) {
        result = aboveFirst ? above : below;
        return true;
    }
    if (aboveFirst ? belowOk : aboveOk) {
        result = aboveFirst ? below : above;
        return true;
    }
    return false;
}

double roundToStep(double value, double step, double downTol, double upTol) {
    double x = value;
    if (value + upTol < x)
        x = value + upTol;
    if (value - downTol > x)
        x = value - downTol;
    // The host's rounding leaves x as it is for a step of 0 or less, so no step divides by zero here.
    const double up = ObjectExportRoundUp(x, step, upTol);
    double down = ObjectExportRoundTo(x, step);
    if (down > x)
        down -= step;
    const double dUp = up - value;
    const double dDown = value - down;
    // A step far below the value's precision rounds to infinity; that is no size either.
    const bool upOk = std::isfinite(up) && dUp <= upTol && up <= value + upTol;
    const bool downOk = std::isfinite(down) && dDown <= downTol && down >= value - downTol;
    if (dDown > dUp) {
        if (upOk)
            return up;
        if (downOk)
            return down;
    } else {
        if (downOk)
            return down;
        if (upOk)
            return up;
    }
    return x;
}

double chooseStandard(const AcArray<double>& candidates, double step, double value, double downTol, double upTol) {
    double result = 0;
    if (nearestStandard(candidates, value, downTol, upTol, result))
        return result;
    return roundToStep(value, step, downTol, upTol);
}

} // namespace KvStdSizes
