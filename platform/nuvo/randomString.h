#pragma once
// Random texts from the host, such as the keys under which a mapping file stores a macro's mappings.
#include "nuvo/Ork_String.h"

#include <cstdint>
#include <functional>

// `length` random characters into `out`: letters and digits when `lettersAndDigits` is set, otherwise also
// a few punctuation marks that file names and mapping lines can hold ('-' and '_'). False, `out`
// untouched, for a negative length or when the source of randomness fails.
bool generateRandomString(int length, Ork_String& out, bool lettersAndDigits);

namespace nuvo {
// Where the random numbers come from: a function giving one number (false when it cannot). Tests seed it
// or make it fail; an empty function goes back to the host's own source.
using RandomSource = std::function<bool(std::uint32_t&)>;
void setRandomSource(RandomSource source);
// A source that gives the numbers of a fixed seed, the same on every machine.
RandomSource seededRandomSource(std::uint32_t seed);
} // namespace nuvo
