#pragma once
// The C runtime's wide number readers and writers as the module calls them, on UTF-16 text and
// independent of the locale ("." is the decimal point everywhere).
//
// Readers take the leading number of the text and ignore what follows ("12abc" reads 12); leading white
// space is skipped; a text without a leading number (also the empty text and null) reads 0.
// _wtof accepts an optional sign, digits with an optional "." (".5", "5.", "-.5") and an optional exponent
// ("1e3"); a value too large for a double reads as ±infinity, one too small as 0.
// _wtoi and _wtol accept an optional sign and decimal digits; a value out of range is clamped to the
// type's limits, as the runtime does.

int _wtoi(const char16_t* text);
long _wtol(const char16_t* text);
double _wtof(const char16_t* text);

// Writes `value` in `radix` (2 to 36) into `buffer` (at least 34 units) with a terminating 0 and returns
// `buffer`. Negative values get a "-" in radix 10 and are written as their unsigned 32-bit form in the
// others. An invalid radix writes an empty text.
char16_t* _itow(int value, char16_t* buffer, int radix);
