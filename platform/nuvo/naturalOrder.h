#pragma once
// Natural order of texts, as people sort section sizes: numbers inside a text compare by their value, so "90"
// lies between "80" and "100", and "100x50x6" compares part by part (100, "x", 50, "x", 6).
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"

// Negative, zero or positive as `a` sorts before, with or after `b`. A number is a run of digits, with a
// decimal part when a "." and a digit follow ("5.5" before "5.25" is wrong: 5.25 < 5.5). Other parts compare
// without case; texts equal so far compare exactly last, so the order is total.
int naturalCompare(const Ork_String& a, const Ork_String& b);

// Inserts `text` into `sorted` (an array in natural order) after every entry that does not sort after it,
// and returns the index it got. On an array that is not sorted it goes before the first entry that sorts
// after it.
int ObjectExportAddToSorted(Ork_StringArray& sorted, const Ork_String& text);
