#pragma once
// The choice of a standard size for a computed one, as the STD...WITHTOLERANCE sheet functions make it: the
// nearest standard value within the tolerances, and where none lies within them, the computed value
// rounded to the step within them.
#include "cadhost/AcArray.h"
#include "standards/KvDataFiles.h"

#include <vector>

namespace KvStdSizes {

// Candidates of the three functions: the first numbers (sizes), the second numbers (thicknesses), and the
// first numbers of the entries for `thickness` or for any thickness (second number 0), in ascending order
// (widths).
AcArray<double> sizeCandidates(const std::vector<KvDataFiles::StdSize>& sizes);
AcArray<double> thicknessCandidates(const std::vector<KvDataFiles::StdSize>& sizes);
AcArray<double> widthCandidates(const std::vector<KvDataFiles::StdSize>& sizes, double thickness);

// The nearest candidate above `value` and the nearest at or below it, the nearer tried first: one above is
// accepted within `upTol` (and not below value - downTol), one below within `downTol` (and not above
// value + upTol). False when neither is accepted.
bool nearestStandard(const AcArray<double>& candidates, double value, double downTol, double upTol,
                     double& result);

// The value kept within [value - downTol, value + upTol] and rounded up or down to a multiple of `step`,
// whichever is nearer and within the tolerances; the kept value itself when neither is. A step of 0 or
// less leaves the kept value as it is.
double roundToStep(double value, double step, double downTol, double upTol);

// nearestStandard, else roundToStep.
double chooseStandard(const AcArray<double>& candidates, double step, double value, double downTol, double upTol);

} // namespace KvStdSizes
