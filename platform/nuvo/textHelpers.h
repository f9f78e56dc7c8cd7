#pragma once
// The host library's text helpers. Indexes are 0-based; `ignoreCase` flags follow Ork_String's rule
// (true ignores case, false — the default — compares exactly).
#include "cadhost/AcArray.h"
#include "nuvo/Ork_Array.h"
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"

// Splits at the first `symbol`: true with the parts before and after it; false (outputs untouched) when
// the text has no `symbol`.
bool splitString(const Ork_String& text, char16_t symbol, Ork_String& before, Ork_String& after);

// Splits at every `symbol` into `parts` (emptied first); empty pieces are kept ("a,,b" gives three parts).
// With `trim`, blanks and tabs are removed from both ends of every part. With `maxParts` > 0 the text is
// split at most into that many parts, the last holding the rest unsplit (2 splits at the first symbol only).
// An empty text gives no parts. Returns whether `symbol` occurred.
bool splitStringAtSymbol(const Ork_String& text, char16_t symbol, Ork_StringArray& parts, bool trim,
                         int maxParts = 0);

// Removes `symbol` from the text in place: from both ends when `atEnds`, and every other occurrence too
// when `inside`. stripSymbols(text, 32, true, false) removes leading and trailing blanks.
Ork_String& stripSymbols(Ork_String& text, char16_t symbol, bool atEnds, bool inside);

// Pieces between separators, empty pieces kept; an empty text gives no pieces.
Ork_StringArray strToArr(const Ork_String& text, char16_t separator);
// The pieces joined by the separator (the inverse of strToArr for a non-empty array).
Ork_String arrToStr(const Ork_StringArray& pieces, char16_t separator);
// strToArr of every line.
Ork_Array<Ork_StringArray> arrToArrArr(const Ork_StringArray& lines, char16_t separator);
// The texts joined with `glue` between them.
Ork_String appStrs(const Ork_StringArray& texts, const Ork_String& glue);

// File name parts of a path with "\" or "/" separators. The extension is what follows the last "." of the
// last path component ("a.b.kvs" has "kvs"; a "." in a folder name is not an extension).
// changeExtension takes the new extension with or without its dot, and appends it to a path without one.
Ork_String changeExtension(const Ork_String& path, const Ork_String& extension);
Ork_String removeExtension(const Ork_String& path);
Ork_String getExtension(const Ork_String& path);
// The folder part including its trailing separator ("C:\a\b.txt" gives "C:\a\"); "" without a folder.
Ork_String getPath(const Ork_String& path);
// The last path component ("C:\a\b.txt" gives "b.txt").
Ork_String getFileName(const Ork_String& path);

// A whole decimal number: optional blanks, an optional sign, digits with at most one ".", an optional
// exponent, optional blanks; at least one digit. "12", "-.5", "1e3", " 7 " are numbers; "", ".", "1,5",
// "12abc", "0x10" are not.
bool isNumber(const Ork_String& text);
// Not empty, and every character an ASCII letter or digit or a letter of the Latin-1 / Latin Extended-A,
// Greek or Cyrillic alphabets.
bool hasOnlyLettersNumbers(const Ork_String& text);
bool startsWithNumber(const Ork_String& text);
// A character that file names may not hold: \ / : * ? " < > | or a control character.
bool hasInvalidFileNameChars(const Ork_String& text);

// Duplicates: a text that equals an earlier one is a duplicate; its first occurrence is not.
// getDuplicates gives the indexes of the duplicates in ascending order; hasDuplicates gives each
// duplicated text once, in the order of first occurrence. Both return whether there are any.
bool getDuplicates(const Ork_StringArray& texts, AcArray<int>& indexes, bool ignoreCase = false);
bool hasDuplicates(const Ork_StringArray& texts, Ork_StringArray& duplicated, bool ignoreCase = false);

// A text not in `existing`: `seed` itself when free; else the seed without its trailing digits followed by
// the first free number after the seed's trailing number (1 when it has none): "Table" → "Table1",
// "IPE200" → "IPE201". Exact comparison.
Ork_String findNonExistingString(const Ork_StringArray& existing, const Ork_String& seed);
// The first run of digits: true with its start index and digits; false (outputs untouched) when none.
bool findFirstNumbers(const Ork_String& text, int& start, Ork_String& digits);

// The part before / after `symbol`: at its first occurrence, or at its last when `last`. False (output
// untouched) when the text has no `symbol`.
bool getSubstrBefore(const Ork_String& text, char16_t symbol, Ork_String& before, bool last);
bool getSubstrAfter(const Ork_String& text, char16_t symbol, Ork_String& after, bool last);
bool hasASubstr(const Ork_String& text, const Ork_String& part, bool ignoreCase = false);

// Column letters of a 1-based column number: 1 → A, 26 → Z, 27 → AA, 52 → AZ, 53 → BA. "" for n < 1.
Ork_String getAlfabet(int n);

// The text before the first "//" (the whole text without one).
Ork_String removeLineComment(const Ork_String& line);
// Block comments "/*" … "*/" removed; an unclosed one runs to the end of the text.
Ork_String removeComments(const Ork_String& text);
// Both kinds over lines: a block comment may span lines; "//" ends a line outside block comments.
void removeComments(Ork_StringArray& lines);

// Ascending; equal texts keep their order. With `ignoreCase`, texts that differ only in case are ordered
// exactly among themselves.
void sortArray(Ork_StringArray& texts, bool ignoreCase = true);

// A list of up to five texts for a list control, in order; empty texts are left out, so a list built from
// fewer texts than five has no blank entries.
Ork_StringArray stringArr(const Ork_String& first, const Ork_String& second = {}, const Ork_String& third = {},
                          const Ork_String& fourth = {}, const Ork_String& fifth = {});
