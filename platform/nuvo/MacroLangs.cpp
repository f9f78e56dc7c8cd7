#include "nuvo/MacroLangs.h"

#include "nuvo/Ork_Settings.h"
#include "nuvo/textHelpers.h"

MacroLangs gMacroLangs;

// The order is the order of the language columns of the section library tables: the fifth, "Korean", is
// the optional one.
MacroLangs::MacroLangs() : languages_{u"English", u"Dutch", u"German", u"French", u"Korean", u"Spanish"} {}

Ork_String MacroLangs::GetCurLanguage() const { return Ork_Settings::language(); }

void MacroLangs::GetAllLanguages(Ork_StringArray& languages) const { languages = languages_; }

bool MacroLangs::translate(const Ork_String& language, const Ork_String& text, Ork_String& out) const {
    const Ork_String lang = language.empty() ? GetCurLanguage() : language;
    const auto it = translations_.find({lang, text});
    if (it == translations_.end())
        return false;
    out = it->second;
    return true;
}

Ork_String MacroLangs::GetString(const Ork_String& language, const Ork_String& text) const {
    Ork_String out;
    return translate(language, text, out) ? out : text;
}

Ork_String MacroLangs::GetStringChopSymbols(const Ork_String& language, const Ork_String& text, bool chop,
                                            char16_t symbol) const {
    Ork_String out;
    if (translate(language, text, out))
        return out;
    if (!chop)
        return text;
    const Ork_StringArray pieces = strToArr(text, symbol);
    Ork_StringArray translated;
    for (const Ork_String& piece : pieces)
        translated.append(GetString(language, piece));
    return arrToStr(translated, symbol);
}

void MacroLangs::setTranslation(const Ork_String& language, const Ork_String& text, const Ork_String& translated) {
    translations_[{language, text}] = translated;
}
