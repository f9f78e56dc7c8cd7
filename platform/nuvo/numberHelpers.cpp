#include "nuvo/numberHelpers.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

namespace {

constexpr double kRelative = 1e-9;

double nearness(double q) { return kRelative * std::max(1.0, std::fabs(q)); }

} // namespace

double ObjectExportRoundTo(double value, double step) {
    if (!(step > 0) || !std::isfinite(step) || !std::isfinite(value))
        return value;
    const double q = value / step;
    double whole = std::floor(std::fabs(q));
    const double fraction = std::fabs(q) - whole;
    if (fraction >= 0.5 - nearness(q))
        whole += 1;
    return whole == 0 ? 0.0 : std::copysign(whole, q) * step;
}

double ObjectExportRoundUp(double x, double step, double /*tol*/) {
    if (!(step > 0) || !std::isfinite(step) || !std::isfinite(x))
        return x;
    const double q = x / step;
    const double nearest = std::round(q);
    if (std::fabs(q - nearest) <= nearness(q))
        return nearest * step;
    return std::ceil(q) * step;
}

void ObjectExportSort(AcArray<double>& values, AcArray<int>& indexes) {
    const int n = values.length();
    if (indexes.length() != n) {
        indexes.removeAll();
        for (int i = 0; i < n; ++i)
            indexes.append(i);
    }
    std::vector<int> order(static_cast<std::size_t>(n));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&values](int a, int b) {
        const double va = values[a];
        const double vb = values[b];
        if (std::isnan(va) || std::isnan(vb))
            return !std::isnan(va) && std::isnan(vb);
        return va < vb;
    });
    AcArray<double> sortedValues;
    AcArray<int> sortedIndexes;
    for (int i : order) {
        sortedValues.append(values[i]);
        sortedIndexes.append(indexes[i]);
    }
    values = sortedValues;
    indexes = sortedIndexes;
}
