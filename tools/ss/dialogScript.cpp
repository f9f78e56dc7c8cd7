#include "dialogScript.h"

#include "os/textCase.h"
#include "os/utf16.h"
#include "ui/Robot.h"
#include "ui/constants.h"

#include <climits>
#include <utility>

namespace ssdialog {

namespace {

// Real dialogs open a few levels of modal dialogs from each other; a deeper script is a mistake, and the limit
// keeps a hostile script from nesting the steps' vectors without bound.
constexpr int kMaxDialogDepth = 16;

bool isBlank(char16_t c) {
    return c == u' ' || c == u'\t';
}

std::string quoted(std::u16string_view word) {
    return "'" + os::toUtf8(word) + "'";
}

// A whole number from 0 to INT_MAX, written in digits only.
std::optional<int> wholeNumber(std::u16string_view digits) {
    if (digits.empty()) return std::nullopt;
    long long n = 0;
    for (char16_t c : digits) {
        if (c < u'0' || c > u'9') return std::nullopt;
        n = n * 10 + (c - u'0');
        if (n > INT_MAX) return std::nullopt;
    }
    return int(n);
}

// One line's words, read left to right. A quote opens a quoted word only where a word begins, so the inch
// mark in `set Length 5" long` is part of the text.
class LineReader {
public:
    explicit LineReader(std::u16string_view line) : m_line(line) {}

    bool atEnd() {
        skipBlanks();
        return m_at == m_line.size();
    }

    // The next word; false with `error` set on a malformed quote, or with `error` empty at the end of the line.
    bool word(std::u16string& text, std::string& error, bool* wasQuoted = nullptr) {
        error.clear();
        if (atEnd()) return false;
        if (wasQuoted) *wasQuoted = m_line[m_at] == u'"';
        if (m_line[m_at] == u'"') return quotedWord(text, error);
        const std::size_t from = m_at;
        while (m_at < m_line.size() && !isBlank(m_line[m_at])) ++m_at;
        text = m_line.substr(from, m_at - from);
        return true;
    }

    // The rest of the line as one text: a quoted word with nothing after it, or else everything up to the end
    // of the line as it stands, inner blanks and quotes included, trailing blanks dropped.
    bool rest(std::u16string& text, std::string& error, bool* wasQuoted = nullptr) {
        error.clear();
        if (atEnd()) return false;
        if (wasQuoted) *wasQuoted = m_line[m_at] == u'"';
        if (m_line[m_at] == u'"') {
            if (!quotedWord(text, error)) return false;
            if (!atEnd()) {
                error = "a quoted text must end the line; found " + quoted(m_line.substr(m_at)) + " after it";
                return false;
            }
            return true;
        }
        std::size_t end = m_line.size();
        while (end > m_at && isBlank(m_line[end - 1])) --end;
        text = m_line.substr(m_at, end - m_at);
        m_at = m_line.size();
        return true;
    }

private:
    void skipBlanks() {
        while (m_at < m_line.size() && isBlank(m_line[m_at])) ++m_at;
    }

    // \" is a quote and \\ a backslash; any other backslash stands for itself, so Windows paths need no doubling.
    bool quotedWord(std::u16string& text, std::string& error) {
        text.clear();
        for (std::size_t i = m_at + 1; i < m_line.size(); ++i) {
            const char16_t c = m_line[i];
            if (c == u'\\' && i + 1 < m_line.size() && (m_line[i + 1] == u'"' || m_line[i + 1] == u'\\')) {
                text += m_line[++i];
            } else if (c == u'"') {
                m_at = i + 1;
                if (m_at < m_line.size() && !isBlank(m_line[m_at])) {
                    error = "a quoted word must be followed by a blank, not " + quoted(m_line.substr(m_at, 1));
                    return false;
                }
                return true;
            } else {
                text += c;
            }
        }
        error = "a quoted word has no closing quote";
        return false;
    }

    std::u16string_view m_line;
    std::size_t m_at = 0;
};

// The words of one step after its verb, checked as they are taken; each failure names the step and what it
// needs, once.
class StepReader {
public:
    StepReader(LineReader& line, std::u16string verb, std::string& error)
        : m_line(line), m_verb(std::move(verb)), m_error(error) {}

    // The step as its messages name it, once a keyword after the verb has said more ("answer box").
    void setVerb(std::u16string verb) { m_verb = std::move(verb); }

    bool word(std::u16string& text, const char* what, bool* wasQuoted = nullptr) {
        if (m_line.word(text, m_error, wasQuoted)) return true;
        if (m_error.empty()) m_error = quoted(m_verb) + " needs " + what;
        return false;
    }
    // A word that may be missing: false only for a malformed one, `got` telling whether there was a word.
    bool optionalWord(std::u16string& text, bool& got) {
        got = m_line.word(text, m_error);
        return got || m_error.empty();
    }
    bool name(std::u16string& text, const char* what = "a control's name") {
        if (!word(text, what)) return false;
        if (text.empty()) return fail(quoted(m_verb) + " needs " + what + ", not an empty word");
        return true;
    }
    bool text(std::u16string& text, const char* what, bool* wasQuoted = nullptr) {
        if (m_line.rest(text, m_error, wasQuoted)) return true;
        if (m_error.empty()) m_error = quoted(m_verb) + " needs " + what + " (\"\" for an empty one)";
        return false;
    }
    bool number(int& value, const char* what) {
        std::u16string digits;
        if (!word(digits, what)) return false;
        const auto n = wholeNumber(digits);
        if (!n) {
            const bool negative = !digits.empty() && digits[0] == u'-';
            return fail(quoted(m_verb) + " needs " + what + " as a whole number" +
                        (negative ? " that is not negative" : "") + ", not " + quoted(digits));
        }
        value = *n;
        return true;
    }
    // A whole number with an optional '-' (a drag's distance).
    bool signedNumber(int& value, const char* what) {
        std::u16string digits;
        if (!word(digits, what)) return false;
        const bool negative = !digits.empty() && digits[0] == u'-';
        const auto n = wholeNumber(negative ? std::u16string_view(digits).substr(1) : std::u16string_view(digits));
        if (!n) return fail(quoted(m_verb) + " needs " + what + " as a whole number, not " + quoted(digits));
        value = negative ? -*n : *n;
        return true;
    }
    bool end() {
        if (m_line.atEnd()) return true;
        std::u16string extra;
        if (!m_line.rest(extra, m_error)) return false;
        return fail(quoted(m_verb) + " takes nothing more; found " + quoted(extra));
    }
    bool fail(std::string message) {
        m_error = std::move(message);
        return false;
    }

private:
    LineReader& m_line;
    std::u16string m_verb;
    std::string& m_error;
};

bool readClick(StepReader& r, Step& s) {
    if (!r.name(s.name)) return false;
    std::u16string mod;
    bool got = false;
    if (!r.optionalWord(mod, got)) return false;
    if (got) {
        if (os::equalsNoCase(mod, u"shift")) s.mods = ui::ModShift;
        else if (os::equalsNoCase(mod, u"ctrl")) s.mods = ui::ModCtrl;
        else return r.fail("'click' takes shift or ctrl after the name, not " + quoted(mod) + " (a name with blanks is quoted)");
    }
    return r.end();
}

// point X Y [shift|ctrl]
bool readPoint(StepReader& r, Step& s) {
    if (!r.number(s.number, "an x pixel") || !r.number(s.number2, "a y pixel")) return false;
    std::u16string mod;
    bool got = false;
    if (!r.optionalWord(mod, got)) return false;
    if (got) {
        if (os::equalsNoCase(mod, u"shift")) s.mods = ui::ModShift;
        else if (os::equalsNoCase(mod, u"ctrl")) s.mods = ui::ModCtrl;
        else return r.fail("'point' takes shift or ctrl after the pixel, not " + quoted(mod));
    }
    return r.end();
}

bool readChoose(StepReader& r, Step& s) {
    if (!r.name(s.name)) return false;
    bool wasQuoted = false;
    if (!r.text(s.text, "an item's text or #INDEX", &wasQuoted)) return false;
    // A bare #N is an index; an item whose text starts with '#' is written quoted.
    if (!wasQuoted && !s.text.empty() && s.text[0] == u'#') {
        s.index = wholeNumber(std::u16string_view(s.text).substr(1));
        if (!s.index)
            return r.fail("'choose' takes #INDEX as # and a whole number, not " + quoted(s.text) +
                          " (quote an item whose text starts with #)");
        s.text.clear();
    }
    return true;
}

bool readCheck(StepReader& r, Step& s) {
    if (!r.name(s.name)) return false;
    std::u16string state;
    if (!r.word(state, "a state: 0, 1 or 2")) return false;
    if (state != u"0" && state != u"1" && state != u"2")
        return r.fail("'check' takes 0, 1 or 2, not " + quoted(state));
    s.number = state[0] - u'0';
    return r.end();
}

bool readKey(StepReader& r, Step& s) {
    if (!r.word(s.text, "a key (Tab, Shift+Tab, Enter, Escape, F3, Ctrl+C ...)")) return false;
    if (!parseKeys(s.text, s.vk, s.mods)) return r.fail("unknown key " + quoted(s.text));
    return r.end();
}

bool readAnswer(StepReader& r, Step& s) {
    std::u16string kind;
    if (!r.word(kind, "what it answers: box, prompt, file, files, menu, pick or cancel")) return false;
    const std::u16string asWritten = kind;
    kind = os::foldCase(kind);
    r.setVerb(u"answer " + kind);
    if (kind == u"box") {
        s.answer = AnswerKind::Box;
        if (!r.word(s.text, "a button: OK, Cancel, Yes, No, Abort, Retry or Ignore")) return false;
        const auto id = parseBoxButton(s.text);
        if (!id) return r.fail("'answer box' takes OK, Cancel, Yes, No, Abort, Retry or Ignore, not " + quoted(s.text));
        s.number = *id;
        return r.end();
    }
    if (kind == u"prompt") {
        s.answer = AnswerKind::Prompt;
        return r.text(s.text, "the text typed into the prompt");
    }
    if (kind == u"file") {
        s.answer = AnswerKind::File;
        return r.text(s.text, "the file's path");
    }
    if (kind == u"files") {
        // The paths a multiple selection gives back, one word each; at least one.
        s.answer = AnswerKind::Files;
        std::u16string path;
        for (bool got = true; got;) {
            if (!r.optionalWord(path, got)) return false;
            if (got) s.values.push_back(path);
        }
        if (s.values.empty()) return r.fail("'answer files' takes one or more paths");
        return true;
    }
    if (kind == u"menu") {
        s.answer = AnswerKind::Menu;
        return r.text(s.text, "the menu item");
    }
    if (kind == u"pick") {
        // The values the pick gives back, one word each; none is a pick that succeeds with no values.
        s.answer = AnswerKind::Pick;
        std::u16string value;
        for (bool got = true; got;) {
            if (!r.optionalWord(value, got)) return false;
            if (got) s.values.push_back(value);
        }
        return true;
    }
    if (kind == u"cancel") {
        s.answer = AnswerKind::Cancel;
        std::u16string what;
        if (!r.word(what, "what it cancels: box, prompt, file, menu, pick or dialog")) return false;
        constexpr std::pair<std::u16string_view, RequestKind> kRequests[] = {
            {u"box", RequestKind::Box},   {u"prompt", RequestKind::Prompt}, {u"file", RequestKind::File},
            {u"menu", RequestKind::Menu}, {u"pick", RequestKind::Pick},     {u"dialog", RequestKind::Dialog},
        };
        for (const auto& [word, request] : kRequests)
            if (os::equalsNoCase(what, word)) {
                s.cancels = request;
                s.text = word;
                // A dialog is cancelled by its template: the next modal dialog of that template.
                if (request == RequestKind::Dialog && !r.word(s.name, "the dialog's template number")) return false;
                return r.end();
            }
        return r.fail("'answer cancel' takes box, prompt, file, menu, pick or dialog, not " + quoted(what));
    }
    return r.fail("'answer' takes box, prompt, file, files, menu, pick or cancel, not " + quoted(asWritten));
}

using StepParser = bool (*)(StepReader&, Step&);

struct StepSyntax {
    std::u16string_view verb;
    StepKind kind;
    StepParser read;
};

// Every step a script may hold, with the words it takes.
const StepSyntax kSteps[] = {
    // verb          kind                  words
    {u"click",       StepKind::Click,      readClick},
    {u"rightclick",  StepKind::RightClick, [](StepReader& r, Step& s) { return r.name(s.name) && r.end(); }},
    {u"set",         StepKind::Set,        [](StepReader& r, Step& s) { return r.name(s.name) && r.text(s.text, "a text"); }},
    {u"choose",      StepKind::Choose,     readChoose},
    {u"check",       StepKind::Check,      readCheck},
    {u"toggle",      StepKind::Toggle,     [](StepReader& r, Step& s) { return r.name(s.name) && r.text(s.text, "an item"); }},
    {u"tab",         StepKind::Tab,        [](StepReader& r, Step& s) { return r.text(s.text, "a page's caption"); }},
    {u"key",         StepKind::Key,        readKey},
    {u"cell",        StepKind::Cell,       [](StepReader& r, Step& s) {
         return r.name(s.name, "a grid's name") && r.number(s.number, "a column") && r.number(s.number2, "a row") &&
                r.text(s.text, "a text");
     }},
    {u"header",      StepKind::Header,     [](StepReader& r, Step& s) {
         return r.name(s.name, "a grid's name") && r.number(s.number, "a column") && r.end();
     }},
    {u"resize",      StepKind::Resize,     [](StepReader& r, Step& s) {
         return r.number(s.number, "a width") && r.number(s.number2, "a height") && r.end();
     }},
    {u"wait",        StepKind::Wait,       [](StepReader& r, Step& s) { return r.number(s.number, "milliseconds") && r.end(); }},
    {u"answer",      StepKind::Answer,     readAnswer},
    {u"expect",      StepKind::Expect,     [](StepReader& r, Step& s) { return r.name(s.name) && r.text(s.text, "a text"); }},
    {u"png",         StepKind::Png,        [](StepReader& r, Step& s) { return r.text(s.text, "a file's name"); }},
    {u"ok",          StepKind::Ok,         [](StepReader& r, Step&) { return r.end(); }},
    {u"cancel",      StepKind::Cancel,     [](StepReader& r, Step&) { return r.end(); }},
    {u"dialog",      StepKind::Dialog,     [](StepReader& r, Step& s) {
         return r.name(s.name, "a dialog template") && r.end();
     }},
    {u"point",       StepKind::Point,      readPoint},
    {u"drag",        StepKind::Drag,       [](StepReader& r, Step& s) {
         return r.number(s.number, "an x pixel") && r.number(s.number2, "a y pixel") &&
                r.signedNumber(s.number3, "a distance across") && r.signedNumber(s.number4, "a distance down") &&
                r.end();
     }},
    {u"band",        StepKind::Band,       [](StepReader& r, Step& s) {
         return r.number(s.number, "the first corner's x") && r.number(s.number2, "the first corner's y") &&
                r.number(s.number3, "the second corner's x") && r.number(s.number4, "the second corner's y") &&
                r.end();
     }},
};

// Gathers the steps line by line; a `dialog` step stays open, taking the lines that follow into its body,
// until its `end`.
class ScriptBuilder {
public:
    bool addLine(std::string_view utf8, int number, ScriptError& error) {
        const std::u16string line = os::toUtf16(utf8);
        LineReader words(line);
        if (words.atEnd()) return true;
        std::u16string verb;
        std::string problem;
        bool verbQuoted = false;
        if (!words.word(verb, problem, &verbQuoted)) return failAt(error, number, problem);
        if (!verbQuoted && verb[0] == u'#') return true; // a comment

        if (os::equalsNoCase(verb, u"end")) {
            StepReader r(words, verb, problem);
            if (!r.end()) return failAt(error, number, problem);
            if (m_open.empty()) return failAt(error, number, "'end' without a 'dialog' before it");
            Step done = std::move(m_open.back());
            m_open.pop_back();
            target().push_back(std::move(done));
            return true;
        }

        for (const StepSyntax& syntax : kSteps) {
            if (!os::equalsNoCase(verb, syntax.verb)) continue;
            Step step;
            step.kind = syntax.kind;
            step.line = number;
            StepReader r(words, std::u16string(syntax.verb), problem);
            if (!syntax.read(r, step)) return failAt(error, number, problem);
            if (step.kind == StepKind::Dialog) {
                if (int(m_open.size()) >= kMaxDialogDepth)
                    return failAt(error, number,
                                  "'dialog' blocks nest deeper than " + std::to_string(kMaxDialogDepth) + " levels");
                m_open.push_back(std::move(step));
            } else {
                target().push_back(std::move(step));
            }
            return true;
        }
        return failAt(error, number, "unknown step " + quoted(verb));
    }

    bool finish(std::vector<Step>& steps, ScriptError& error) {
        if (!m_open.empty()) {
            // With several blocks open, every one lacks its end; the outermost is named, being where a person
            // reading from the top starts looking.
            const Step& unclosed = m_open.front();
            return failAt(error, unclosed.line, "'dialog " + os::toUtf8(unclosed.name) + "' has no 'end'");
        }
        steps = std::move(m_steps);
        return true;
    }

private:
    std::vector<Step>& target() { return m_open.empty() ? m_steps : m_open.back().body; }

    static bool failAt(ScriptError& error, int line, std::string message) {
        error.line = line;
        error.message = std::move(message);
        return false;
    }

    std::vector<Step> m_steps;
    std::vector<Step> m_open; // the dialog blocks not yet ended, outermost first
};

} // namespace

bool parseScript(std::string_view utf8, std::vector<Step>& steps, ScriptError& error) {
    steps.clear();
    if (utf8.starts_with("\xEF\xBB\xBF")) utf8.remove_prefix(3);
    ScriptBuilder builder;
    int number = 0;
    while (!utf8.empty() || number == 0) {
        const std::size_t nl = utf8.find('\n');
        std::string_view line = utf8.substr(0, nl);
        utf8 = nl == std::string_view::npos ? std::string_view() : utf8.substr(nl + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (!builder.addLine(line, ++number, error)) return false;
    }
    return builder.finish(steps, error);
}

bool parseStepsOption(std::string_view utf8, std::vector<Step>& steps, ScriptError& error) {
    steps.clear();
    ScriptBuilder builder;
    int number = 0;
    std::size_t from = 0;
    bool inQuote = false;
    auto addPiece = [&](std::size_t end) {
        std::string_view piece = utf8.substr(from, end - from);
        if (piece.ends_with('\r')) piece.remove_suffix(1);
        from = end + 1;
        return builder.addLine(piece, ++number, error);
    };
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const char c = utf8[i];
        if (c == '\n') {
            // A line break ends a step as ';' does; a quote left open on it is the step's own mistake.
            inQuote = false;
            if (!addPiece(i)) return false;
        } else if (inQuote) {
            if (c == '\\' && i + 1 < utf8.size() && (utf8[i + 1] == '"' || utf8[i + 1] == '\\')) ++i;
            else if (c == '"') inQuote = false;
        } else if (c == '"') {
            // Quotes open only where a word begins, as in a script's lines.
            inQuote = i == from || utf8[i - 1] == ' ' || utf8[i - 1] == '\t';
        } else if (c == ';') {
            if (!addPiece(i)) return false;
        }
    }
    if (!addPiece(utf8.size())) return false;
    return builder.finish(steps, error);
}

bool parseKeys(std::u16string_view keys, unsigned& vk, unsigned& mods) {
    struct Named {
        std::u16string_view name;
        unsigned vk;
    };
    static constexpr Named kKeys[] = {
        {u"Tab", ui::VK_TAB},         {u"Enter", ui::VK_RETURN},    {u"Return", ui::VK_RETURN},
        {u"Escape", ui::VK_ESCAPE},   {u"Esc", ui::VK_ESCAPE},      {u"Space", ui::VK_SPACE},
        {u"Backspace", ui::VK_BACK},  {u"Delete", ui::VK_DELETE},   {u"Del", ui::VK_DELETE},
        {u"Insert", ui::VK_INSERT},   {u"Ins", ui::VK_INSERT},      {u"Home", ui::VK_HOME},
        {u"End", ui::VK_END},         {u"PageUp", ui::VK_PRIOR},    {u"PageDown", ui::VK_NEXT},
        {u"Left", ui::VK_LEFT},       {u"Right", ui::VK_RIGHT},     {u"Up", ui::VK_UP},
        {u"Down", ui::VK_DOWN},
    };
    static constexpr std::pair<std::u16string_view, unsigned> kModifiers[] = {
        {u"Shift", ui::ModShift}, {u"Ctrl", ui::ModCtrl}, {u"Alt", ui::ModAlt}};

    unsigned held = 0;
    for (;;) {
        const std::size_t plus = keys.find(u'+');
        if (plus == std::u16string_view::npos) break;
        const std::u16string_view part = keys.substr(0, plus);
        bool known = false;
        for (const auto& [name, bit] : kModifiers)
            if (os::equalsNoCase(part, name)) {
                if (held & bit) return false; // Shift+Shift+A is a typing mistake
                held |= bit;
                known = true;
            }
        if (!known) return false;
        keys.remove_prefix(plus + 1);
    }

    unsigned key = 0;
    if (keys.size() == 1 && ((keys[0] >= u'A' && keys[0] <= u'Z') || (keys[0] >= u'0' && keys[0] <= u'9'))) {
        key = keys[0];
    } else if (keys.size() == 1 && keys[0] >= u'a' && keys[0] <= u'z') {
        key = unsigned(keys[0] - u'a' + u'A'); // a letter's virtual key is its capital
    } else if (keys.size() >= 2 && keys.size() <= 3 && os::foldCase(keys[0]) == u'f') {
        unsigned n = 0;
        for (char16_t c : keys.substr(1)) {
            if (c < u'0' || c > u'9') return false;
            n = n * 10 + unsigned(c - u'0');
        }
        if (n < 1 || n > 12 || keys[1] == u'0') return false;
        key = ui::VK_F1 + n - 1;
    } else {
        for (const Named& named : kKeys)
            if (os::equalsNoCase(keys, named.name)) key = named.vk;
    }
    if (key == 0) return false;
    vk = key;
    mods = held;
    return true;
}

std::optional<int> parseBoxButton(std::u16string_view word) {
    static constexpr std::pair<std::u16string_view, int> kButtons[] = {
        {u"OK", ui::IDOK},         {u"Cancel", ui::IDCANCEL}, {u"Yes", ui::IDYES},       {u"No", ui::IDNO},
        {u"Abort", ui::IDABORT},   {u"Retry", ui::IDRETRY},   {u"Ignore", ui::IDIGNORE},
    };
    for (const auto& [name, id] : kButtons)
        if (os::equalsNoCase(word, name)) return id;
    return std::nullopt;
}

} // namespace ssdialog
