#pragma once
// The host's language table for texts that users author (labels of designed dialogs, picture names,
// section names per language): the languages the library knows, the current one, and translations.
//
// The current language is Ork_Settings::language(). A text without a translation is its own translation,
// so a library without translation tables shows its texts as written.
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"

#include <map>
#include <utility>

class MacroLangs {
public:
    MacroLangs();
    virtual ~MacroLangs() = default;

    Ork_String GetCurLanguage() const;
    void GetAllLanguages(Ork_StringArray& languages) const;
    Ork_StringArray GetAllLanguages() const { return languages_; }
    int GetNrLanguages() const { return languages_.length(); }

    // The translation of `text` into `language` (the current language when empty).
    Ork_String GetString(const Ork_String& language, const Ork_String& text) const;
    // As GetString; with `chop`, a text that has no translation as a whole is translated piece by piece
    // between the `symbol`s, which stay in place ("Widthxheight" with 'x' translates "Width" and "height").
    Ork_String GetStringChopSymbols(const Ork_String& language, const Ork_String& text, bool chop,
                                    char16_t symbol) const;

    // Adds or replaces a translation (exact text match).
    void setTranslation(const Ork_String& language, const Ork_String& text, const Ork_String& translated);
    void clearTranslations() { translations_.clear(); }

private:
    bool translate(const Ork_String& language, const Ork_String& text, Ork_String& out) const;

    Ork_StringArray languages_;
    std::map<std::pair<Ork_String, Ork_String>, Ork_String> translations_;
};

extern MacroLangs gMacroLangs;
