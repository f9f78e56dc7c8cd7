#pragma once
// The host's language texts by number. The texts are this library's own, in plain English, one line per
// text in texts/en.txt ("number<TAB>text", with "\n", "\t" and "\\" escapes), built into the library.
// An unknown number gives "#n". Text 695 is the "mixed values" marker that several fields show when a
// selection holds different values; it never equals a real value.
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"

// Dialog texts (captions, labels, messages).
Ork_String dialString(int number);
// The host's general strings. They share the numbers and the table of dialString.
Ork_String string(int number);
// The dialog text in every host language (MacroLangs::GetAllLanguages order): each language's translation
// of the English text, the English text where there is none. For records that keep a name per language.
Ork_StringArray dialStringAllLangs(int number);

namespace nuvo {
// Parses a text table in the en.txt format into the lookup (for tests and other languages); lines that do
// not start with a number and a TAB are skipped. Returns how many texts were read.
int loadHostTexts(std::string_view utf8Table);
// Back to the built-in English table.
void resetHostTexts();
} // namespace nuvo
