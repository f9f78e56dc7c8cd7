#pragma once
// The host library's number helpers used by the standards engine's custom functions.
#include "cadhost/AcArray.h"

// The multiple of `step` nearest to `value`, halves rounded away from zero. A quotient within a relative
// 1e-9 of a half counts as the half, so 0.15 to the step 0.1 gives 0.2 despite binary fractions.
// A step of 0 or less (or a value or step that is not finite) returns the value unchanged.
double ObjectExportRoundTo(double value, double step);

// The smallest multiple of `step` that is not below `x`. A quotient within a relative 1e-9 of a whole
// number counts as that number, so a value already on the step (also one computed with binary noise,
// 0.30000000000000004 to the step 0.1) stays where it is. A step of 0 or less (or a value or step that
// is not finite) returns x unchanged.
// `tol` is the caller's tolerance upwards; it does not move the result: the standard-size functions
// judge the distance of the result against their tolerance themselves. It is kept so the call reads as
// the callers' rule does (x, step, upTol).
double ObjectExportRoundUp(double x, double step, double tol);

// Sorts `values` ascending; equal values keep their order. `indexes` travels with the values: when it is
// as long as `values` its entries are permuted along; otherwise it is first set to 0..n-1, so afterwards it
// tells where each value stood. Not-a-number values sort last.
void ObjectExportSort(AcArray<double>& values, AcArray<int>& indexes);
