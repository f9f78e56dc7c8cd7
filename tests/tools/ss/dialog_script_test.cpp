#include "dialogScript.h"

#include "os/utf16.h"
#include "ui/Robot.h"
#include "ui/constants.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace ssdialog;

namespace {

const char* kindName(StepKind k) {
    switch (k) {
    case StepKind::Click: return "click";
    case StepKind::RightClick: return "rightclick";
    case StepKind::Set: return "set";
    case StepKind::Choose: return "choose";
    case StepKind::Check: return "check";
    case StepKind::Toggle: return "toggle";
    case StepKind::Tab: return "tab";
    case StepKind::Key: return "key";
    case StepKind::Cell: return "cell";
    case StepKind::Header: return "header";
    case StepKind::Resize: return "resize";
    case StepKind::Wait: return "wait";
    case StepKind::Answer: return "answer";
    case StepKind::Expect: return "expect";
    case StepKind::Png: return "png";
    case StepKind::Ok: return "ok";
    case StepKind::Cancel: return "cancel";
    case StepKind::Dialog: return "dialog";
    case StepKind::Point: return "point";
    case StepKind::Drag: return "drag";
    case StepKind::Band: return "band";
    }
    return "?";
}

// A step as one line of text, every field that is not at its default shown, so a table of expectations reads
// as the script does. Texts are in brackets, to show their blanks.
std::string describe(const Step& s) {
    std::string d = kindName(s.kind);
    if (!s.name.empty()) d += " name[" + os::toUtf8(s.name) + "]";
    if (!s.text.empty()) d += " text[" + os::toUtf8(s.text) + "]";
    if (s.index) d += " index=" + std::to_string(*s.index);
    if (s.number) d += " n=" + std::to_string(s.number);
    if (s.number2) d += " n2=" + std::to_string(s.number2);
    if (s.number3) d += " n3=" + std::to_string(s.number3);
    if (s.number4) d += " n4=" + std::to_string(s.number4);
    if (s.vk) d += " vk=" + std::to_string(s.vk);
    if (s.mods) d += " mods=" + std::to_string(s.mods);
    if (s.kind == StepKind::Answer) d += " answer=" + std::to_string(int(s.answer));
    if (s.answer == AnswerKind::Cancel) d += " cancels=" + std::to_string(int(s.cancels));
    for (const auto& v : s.values) d += " value[" + os::toUtf8(v) + "]";
    if (!s.body.empty()) {
        d += " {";
        for (const Step& inner : s.body) d += " " + std::to_string(inner.line) + ":" + describe(inner) + ";";
        d += " }";
    }
    return d;
}

// The script's steps, one description each; the error when it is refused.
std::vector<std::string> read(std::string_view script) {
    std::vector<Step> steps;
    ScriptError error;
    if (!parseScript(script, steps, error))
        return {"error line " + std::to_string(error.line) + ": " + error.message};
    std::vector<std::string> out;
    for (const Step& s : steps) out.push_back(std::to_string(s.line) + ":" + describe(s));
    return out;
}

std::string one(std::string_view line) {
    const auto steps = read(line);
    return steps.size() == 1 ? steps[0] : "not one step";
}

TEST(DialogScriptSteps, EveryStepWithItsWords) {
    const int ok = ui::IDOK, yes = ui::IDYES;
    const std::pair<const char*, std::string> cases[] = {
        {"click OK", "1:click name[OK]"},
        {"click #1001 shift", "1:click name[#1001] mods=1"},
        {"click Bolts CTRL", "1:click name[Bolts] mods=2"},
        {"rightclick Grid", "1:rightclick name[Grid]"},
        {"set Name Bolt group 1", "1:set name[Name] text[Bolt group 1]"},
        {"choose Standard M20", "1:choose name[Standard] text[M20]"},
        {"choose Standard #3", "1:choose name[Standard] index=3"},
        {"choose Standard #0", "1:choose name[Standard] index=0"},
        {"check Washers 2", "1:check name[Washers] n=2"},
        {"check Washers 0", "1:check name[Washers]"},
        {"toggle Layers Top flange", "1:toggle name[Layers] text[Top flange]"},
        {"tab Welds and plates", "1:tab text[Welds and plates]"},
        {"key Shift+Tab", "1:key text[Shift+Tab] vk=9 mods=1"},
        {"key F3", "1:key text[F3] vk=114"},
        {"cell Values 2 3 =A1*2", "1:cell name[Values] text[=A1*2] n=2 n2=3"},
        {"cell Values 0 0 corner text", "1:cell name[Values] text[corner text]"},
        {"header Values 4", "1:header name[Values] n=4"},
        {"resize 640 480", "1:resize n=640 n2=480"},
        {"wait 250", "1:wait n=250"},
        {"answer box Yes", "1:answer text[Yes] n=" + std::to_string(yes) + " answer=0"},
        {"answer box ok", "1:answer text[ok] n=" + std::to_string(ok) + " answer=0"},
        {"answer prompt New name", "1:answer text[New name] answer=1"},
        {"answer file C:\\lib\\my sheet.kvs", "1:answer text[C:\\lib\\my sheet.kvs] answer=2"},
        {"answer menu Insert row", "1:answer text[Insert row] answer=3"},
        {"answer pick IPE200 \"HEA 300\" 12", "1:answer answer=4 value[IPE200] value[HEA 300] value[12]"},
        {"answer pick", "1:answer answer=4"},
        {"answer files $LIBRARY\\Macros\\a.dwg \"b c.dwg\"", "1:answer answer=6 value[$LIBRARY\\Macros\\a.dwg] value[b c.dwg]"},
        {"answer cancel box", "1:answer text[box] answer=5 cancels=0"},
        {"answer cancel dialog 8069", "1:answer name[8069] text[dialog] answer=5 cancels=5"},
        {"expect Result 42.50", "1:expect name[Result] text[42.50]"},
        {"png shots/after add.png", "1:png text[shots/after add.png]"},
        {"ok", "1:ok"},
        {"cancel", "1:cancel"},
        {"Click OK", "1:click name[OK]"}, // verbs and keywords in any case
        {"  \tset\tName   value  ", "1:set name[Name] text[value]"},
    };
    for (const auto& [line, expected] : cases) EXPECT_EQ(one(line), expected) << line;
}

TEST(DialogScriptSteps, TheMouseOnTheDialogsOwnPixels) {
    const std::pair<const char*, std::string> cases[] = {
        {"point 60 45", "1:point n=60 n2=45"},
        {"point 60 45 SHIFT", "1:point n=60 n2=45 mods=1"},
        {"point 1 2 ctrl", "1:point n=1 n2=2 mods=2"},
        {"drag 60 45 -10 20", "1:drag n=60 n2=45 n3=-10 n4=20"},
        {"band 10 20 110 120", "1:band n=10 n2=20 n3=110 n4=120"},
        {"point 60", "error line 1: 'point' needs a y pixel"},
        {"point 60 45 alt", "error line 1: 'point' takes shift or ctrl after the pixel, not 'alt'"},
        {"point -1 4", "error line 1: 'point' needs an x pixel as a whole number that is not negative, not '-1'"},
        {"drag 1 2 3", "error line 1: 'drag' needs a distance down"},
        {"drag 1 2 3 x", "error line 1: 'drag' needs a distance down as a whole number, not 'x'"},
        {"drag 1 2 - 4", "error line 1: 'drag' needs a distance across as a whole number, not '-'"},
        {"band 1 2 3 4 5", "error line 1: 'band' takes nothing more; found '5'"},
    };
    for (const auto& [line, expected] : cases) EXPECT_EQ(one(line), expected) << line;
}

TEST(DialogScriptSteps, AnswerKindsAndWhatTheyCancel) {
    const std::pair<const char*, RequestKind> cancels[] = {
        {"box", RequestKind::Box},   {"prompt", RequestKind::Prompt}, {"file", RequestKind::File},
        {"menu", RequestKind::Menu}, {"pick", RequestKind::Pick},     {"dialog", RequestKind::Dialog},
    };
    for (const auto& [word, kind] : cancels) {
        std::vector<Step> steps;
        ScriptError error;
        const std::string line = std::string("answer cancel ") + word + (kind == RequestKind::Dialog ? " 226" : "");
        ASSERT_TRUE(parseScript(line, steps, error)) << error.message;
        EXPECT_EQ(steps[0].answer, AnswerKind::Cancel);
        EXPECT_EQ(steps[0].cancels, kind) << word;
    }
}

TEST(DialogScriptQuoting, QuotedWordsHoldBlanksQuotesHashesAndSemicolons) {
    EXPECT_EQ(one("click \"Add row\""), "1:click name[Add row]");
    EXPECT_EQ(one("click \"Add row\" ctrl"), "1:click name[Add row] mods=2");
    EXPECT_EQ(one("set \"Bolt diameter\" \"20; or 24 # mm\""), "1:set name[Bolt diameter] text[20; or 24 # mm]");
    EXPECT_EQ(one(R"(set Title "say \"hi\" and \\ back")"), R"(1:set name[Title] text[say "hi" and \ back])");
    // A backslash before anything else stands for itself: paths need no doubling.
    EXPECT_EQ(one(R"(answer file "C:\lib\a b.kvs")"), R"(1:answer text[C:\lib\a b.kvs] answer=2)");
    // An empty text is written "".
    EXPECT_EQ(one("set Name \"\""), "1:set name[Name]");
    EXPECT_EQ(one("expect Name \"\""), "1:expect name[Name]");
    // Blanks at the ends of a quoted text are kept; at the ends of a bare one they are not.
    EXPECT_EQ(one("set Name \"  padded  \""), "1:set name[Name] text[  padded  ]");
    // A quote inside an unquoted text is part of it.
    EXPECT_EQ(one("set Length 5\" long"), "1:set name[Length] text[5\" long]");
    EXPECT_EQ(one("set Name Bolt \"A\" here"), "1:set name[Name] text[Bolt \"A\" here]");
    // A quoted index is an item's text.
    EXPECT_EQ(one("choose List \"#3\""), "1:choose name[List] text[#3]");
    // Non-ASCII text passes through.
    EXPECT_EQ(one("set Name Träger Ø20"), "1:set name[Name] text[Träger Ø20]");
}

TEST(DialogScriptLines, CommentsBlankLinesAndLineEndings) {
    const auto steps = read("\xEF\xBB\xBF# the options dialog\r\n"
                            "\r\n"
                            "   # indented comment\n"
                            "click \"#1001\"\r\n"
                            "\t\n"
                            "check Washers 1\n");
    EXPECT_EQ(steps, (std::vector<std::string>{"4:click name[#1001]", "6:check name[Washers] n=1"}));
    EXPECT_TRUE(read("").empty());
    EXPECT_TRUE(read("# only a comment\n\n").empty());
    // '#' later on a line is not a comment: it is part of the words.
    EXPECT_EQ(one("click #1001"), "1:click name[#1001]");
    EXPECT_EQ(one("set Note see # 5"), "1:set name[Note] text[see # 5]");
}

TEST(DialogScriptErrors, BadLinesAreRefusedWithTheirNumber) {
    const std::pair<const char*, const char*> cases[] = {
        {"ok\n\nclik OK", "error line 3: unknown step 'clik'"},
        {"click", "error line 1: 'click' needs a control's name"},
        {"click \"\"", "error line 1: 'click' needs a control's name, not an empty word"},
        {"click OK alt", "error line 1: 'click' takes shift or ctrl after the name, not 'alt' (a name with blanks is quoted)"},
        {"click OK shift now", "error line 1: 'click' takes nothing more; found 'now'"},
        {"click Add row", "error line 1: 'click' takes shift or ctrl after the name, not 'row' (a name with blanks is quoted)"},
        {"rightclick", "error line 1: 'rightclick' needs a control's name"},
        {"set Name", "error line 1: 'set' needs a text (\"\" for an empty one)"},
        {"choose List", "error line 1: 'choose' needs an item's text or #INDEX (\"\" for an empty one)"},
        {"choose List #x", "error line 1: 'choose' takes #INDEX as # and a whole number, not '#x' (quote an item "
                           "whose text starts with #)"},
        {"choose List #", "error line 1: 'choose' takes #INDEX as # and a whole number, not '#' (quote an item "
                          "whose text starts with #)"},
        {"choose List #99999999999", "error line 1: 'choose' takes #INDEX as # and a whole number, not "
                                     "'#99999999999' (quote an item whose text starts with #)"},
        {"check Washers 3", "error line 1: 'check' takes 0, 1 or 2, not '3'"},
        {"check Washers yes", "error line 1: 'check' takes 0, 1 or 2, not 'yes'"},
        {"check Washers", "error line 1: 'check' needs a state: 0, 1 or 2"},
        {"check Washers 1 2", "error line 1: 'check' takes nothing more; found '2'"},
        {"toggle Layers", "error line 1: 'toggle' needs an item (\"\" for an empty one)"},
        {"tab", "error line 1: 'tab' needs a page's caption (\"\" for an empty one)"},
        {"key", "error line 1: 'key' needs a key (Tab, Shift+Tab, Enter, Escape, F3, Ctrl+C ...)"},
        {"key Hyper+X", "error line 1: unknown key 'Hyper+X'"},
        {"key Tab Tab", "error line 1: 'key' takes nothing more; found 'Tab'"},
        {"cell Grid 1", "error line 1: 'cell' needs a row"},
        {"cell Grid A 1 x", "error line 1: 'cell' needs a column as a whole number, not 'A'"},
        {"cell Grid 1 -2 x", "error line 1: 'cell' needs a row as a whole number that is not negative, not '-2'"},
        {"cell Grid 1 2", "error line 1: 'cell' needs a text (\"\" for an empty one)"},
        {"header Grid", "error line 1: 'header' needs a column"},
        {"header Grid 1.5", "error line 1: 'header' needs a column as a whole number, not '1.5'"},
        {"resize 640", "error line 1: 'resize' needs a height"},
        {"resize 640 480 1", "error line 1: 'resize' takes nothing more; found '1'"},
        {"wait", "error line 1: 'wait' needs milliseconds"},
        {"wait -5", "error line 1: 'wait' needs milliseconds as a whole number that is not negative, not '-5'"},
        {"wait 3000000000", "error line 1: 'wait' needs milliseconds as a whole number, not '3000000000'"},
        {"answer", "error line 1: 'answer' needs what it answers: box, prompt, file, files, menu, pick or cancel"},
        {"answer Dialog X", "error line 1: 'answer' takes box, prompt, file, files, menu, pick or cancel, not 'Dialog'"},
        {"ANSWER BOX", "error line 1: 'answer box' needs a button: OK, Cancel, Yes, No, Abort, Retry or Ignore"},
        {"answer box Maybe", "error line 1: 'answer box' takes OK, Cancel, Yes, No, Abort, Retry or Ignore, not 'Maybe'"},
        {"answer box", "error line 1: 'answer box' needs a button: OK, Cancel, Yes, No, Abort, Retry or Ignore"},
        {"answer box OK Cancel", "error line 1: 'answer box' takes nothing more; found 'Cancel'"},
        {"answer prompt", "error line 1: 'answer prompt' needs the text typed into the prompt (\"\" for an empty one)"},
        {"answer cancel", "error line 1: 'answer cancel' needs what it cancels: box, prompt, file, menu, pick or dialog"},
        {"answer cancel track", "error line 1: 'answer cancel' takes box, prompt, file, menu, pick or dialog, not 'track'"},
        {"answer pick \"open", "error line 1: a quoted word has no closing quote"},
        {"answer files", "error line 1: 'answer files' takes one or more paths"},
        {"expect Result", "error line 1: 'expect' needs a text (\"\" for an empty one)"},
        {"png", "error line 1: 'png' needs a file's name (\"\" for an empty one)"},
        {"ok now", "error line 1: 'ok' takes nothing more; found 'now'"},
        {"cancel all of it", "error line 1: 'cancel' takes nothing more; found 'all of it'"},
        {"click \"Add row", "error line 1: a quoted word has no closing quote"},
        {"click \"Add\"row", "error line 1: a quoted word must be followed by a blank, not 'r'"},
        {"click \"OK\" \"shift", "error line 1: a quoted word has no closing quote"},
        {"set Name \"a\" b", "error line 1: a quoted text must end the line; found 'b' after it"},
        {"\"\" x", "error line 1: unknown step ''"},
    };
    for (const auto& [script, expected] : cases) EXPECT_EQ(read(script), std::vector<std::string>{expected}) << script;
}

TEST(DialogScriptErrors, TheFirstBadLineIsTheOneNamed) {
    EXPECT_EQ(read("ok\n# fine\n\ncheck A 5\nbogus\n"), std::vector<std::string>{"error line 4: 'check' takes 0, 1 or 2, not '5'"});
}

TEST(DialogScriptBlocks, ADialogBlockTakesTheLinesUpToItsEnd) {
    EXPECT_EQ(read("click \"Add row\"\n"
                   "dialog 8069\n"
                   "  # the prompt\n"
                   "  set #100 Row 5\n"
                   "  ok\n"
                   "end\n"
                   "expect Rows 5\n"),
              (std::vector<std::string>{"1:click name[Add row]",
                                        "2:dialog name[8069] { 4:set name[#100] text[Row 5]; 5:ok; }",
                                        "7:expect name[Rows] text[5]"}));
    // An empty block is a dialog the script ends at once, as a user closing it would.
    EXPECT_EQ(read("dialog Options\nend"), std::vector<std::string>{"1:dialog name[Options]"});
    EXPECT_EQ(read("DIALOG Options\nEND"), std::vector<std::string>{"1:dialog name[Options]"});
}

TEST(DialogScriptBlocks, BlocksNest) {
    EXPECT_EQ(read("dialog Outer\n"
                   "click Browse\n"
                   "dialog Inner\n"
                   "cancel\n"
                   "end\n"
                   "ok\n"
                   "end\n"
                   "png after.png\n"),
              (std::vector<std::string>{"1:dialog name[Outer] { 2:click name[Browse]; 3:dialog name[Inner] { 4:cancel; }; "
                                        "6:ok; }",
                                        "8:png text[after.png]"}));
}

TEST(DialogScriptBlocks, UnterminatedBlocksStrayEndsAndDepth) {
    EXPECT_EQ(read("ok\ndialog 8069\nset A b\n"), std::vector<std::string>{"error line 2: 'dialog 8069' has no 'end'"});
    // Of two blocks left open, the outer one is named.
    EXPECT_EQ(read("dialog A\ndialog B\nok\n"), std::vector<std::string>{"error line 1: 'dialog A' has no 'end'"});
    EXPECT_EQ(read("dialog A\ndialog B\nend\n"), std::vector<std::string>{"error line 1: 'dialog A' has no 'end'"});
    EXPECT_EQ(read("ok\nend\n"), std::vector<std::string>{"error line 2: 'end' without a 'dialog' before it"});
    EXPECT_EQ(read("dialog A\nend\nend\n"), std::vector<std::string>{"error line 3: 'end' without a 'dialog' before it"});
    EXPECT_EQ(read("dialog A\nend now\n"), std::vector<std::string>{"error line 2: 'end' takes nothing more; found 'now'"});
    EXPECT_EQ(read("dialog\nend\n"), std::vector<std::string>{"error line 1: 'dialog' needs a dialog template"});
    EXPECT_EQ(read("dialog A B\nend\n"), std::vector<std::string>{"error line 1: 'dialog' takes nothing more; found 'B'"});
    // A bad line inside a block is named by its own number.
    EXPECT_EQ(read("dialog A\n\nclik\nend\n"), std::vector<std::string>{"error line 3: unknown step 'clik'"});

    std::string deep;
    for (int i = 0; i < 16; ++i) deep += "dialog D\n";
    for (int i = 0; i < 16; ++i) deep += "end\n";
    EXPECT_EQ(read(deep).size(), 1u);
    EXPECT_EQ(read("dialog D\n" + deep + "end\n"),
              std::vector<std::string>{"error line 17: 'dialog' blocks nest deeper than 16 levels"});
}

std::vector<std::string> readSteps(std::string_view option) {
    std::vector<Step> steps;
    ScriptError error;
    if (!parseStepsOption(option, steps, error))
        return {"error step " + std::to_string(error.line) + ": " + error.message};
    std::vector<std::string> out;
    for (const Step& s : steps) out.push_back(std::to_string(s.line) + ":" + describe(s));
    return out;
}

TEST(DialogScriptStepsOption, SplitsAtSemicolonsOutsideQuotes) {
    EXPECT_EQ(readSteps("set Name Bolt group; check Washers 1;ok"),
              (std::vector<std::string>{"1:set name[Name] text[Bolt group]", "2:check name[Washers] n=1", "3:ok"}));
    EXPECT_EQ(readSteps("set Name \"a;b\"; set \"x;y\" \"say \\\"hi;\\\"\"; ok"),
              (std::vector<std::string>{"1:set name[Name] text[a;b]", "2:set name[x;y] text[say \"hi;\"]", "3:ok"}));
    // A quote opens only where a word begins: the inch mark does not hide the ';' after it.
    EXPECT_EQ(readSteps("set Length 5\" ; ok"), (std::vector<std::string>{"1:set name[Length] text[5\"]", "2:ok"}));
    // Empty pieces and comments keep their place in the numbering.
    EXPECT_EQ(readSteps("; # note ;  ;ok;"), std::vector<std::string>{"4:ok"});
    EXPECT_TRUE(readSteps("").empty());
    // Blocks span steps.
    EXPECT_EQ(readSteps("click Rename; dialog 8069; set #100 New; ok; end; ok"),
              (std::vector<std::string>{"1:click name[Rename]", "2:dialog name[8069] { 3:set name[#100] text[New]; 4:ok; }",
                                        "6:ok"}));
    // Line breaks separate steps as ';' does.
    EXPECT_EQ(readSteps("click A\nclick B"), (std::vector<std::string>{"1:click name[A]", "2:click name[B]"}));
}

TEST(DialogScriptStepsOption, ErrorsNameTheStepsPosition) {
    EXPECT_EQ(readSteps("ok; ok; clik"), std::vector<std::string>{"error step 3: unknown step 'clik'"});
    EXPECT_EQ(readSteps("ok; set A \"open; ok"), std::vector<std::string>{"error step 2: a quoted word has no closing quote"});
    EXPECT_EQ(readSteps("dialog X; ok"), std::vector<std::string>{"error step 1: 'dialog X' has no 'end'"});
    EXPECT_EQ(readSteps("set A \"x\nok"), std::vector<std::string>{"error step 1: a quoted word has no closing quote"});
}

TEST(DialogScriptKeys, NamedKeysLettersDigitsAndModifiers) {
    struct Case {
        const char16_t* keys;
        unsigned vk, mods;
    };
    const Case cases[] = {
        {u"Tab", ui::VK_TAB, 0},
        {u"Shift+Tab", ui::VK_TAB, ui::ModShift},
        {u"Enter", ui::VK_RETURN, 0},
        {u"escape", ui::VK_ESCAPE, 0},
        {u"Space", ui::VK_SPACE, 0},
        {u"Backspace", ui::VK_BACK, 0},
        {u"Delete", ui::VK_DELETE, 0},
        {u"Insert", ui::VK_INSERT, 0},
        {u"Home", ui::VK_HOME, 0},
        {u"END", ui::VK_END, 0},
        {u"PageUp", ui::VK_PRIOR, 0},
        {u"PageDown", ui::VK_NEXT, 0},
        {u"Left", ui::VK_LEFT, 0},
        {u"Right", ui::VK_RIGHT, 0},
        {u"Up", ui::VK_UP, 0},
        {u"Down", ui::VK_DOWN, 0},
        {u"F1", ui::VK_F1, 0},
        {u"f3", ui::VK_F3, 0},
        {u"F12", ui::VK_F12, 0},
        {u"Ctrl+C", 'C', ui::ModCtrl},
        {u"ctrl+c", 'C', ui::ModCtrl},
        {u"Alt+F4", ui::VK_F4, ui::ModAlt},
        {u"Ctrl+Shift+Z", 'Z', ui::ModCtrl | ui::ModShift},
        {u"SHIFT+ALT+ctrl+7", '7', ui::ModCtrl | ui::ModShift | ui::ModAlt},
        {u"0", '0', 0},
        {u"q", 'Q', 0},
        {u"F", 'F', 0}, // the letter, not a function key
    };
    for (const Case& c : cases) {
        unsigned vk = 0, mods = 99;
        EXPECT_TRUE(parseKeys(c.keys, vk, mods)) << os::toUtf8(c.keys);
        EXPECT_EQ(vk, c.vk) << os::toUtf8(c.keys);
        EXPECT_EQ(mods, c.mods) << os::toUtf8(c.keys);
    }
    for (const char16_t* bad : {u"", u"F0", u"F13", u"F01", u"Ctrl+", u"+C", u"Ctrl++", u"Shift+Shift+A",
                                u"Meta+A", u"Shift", u"AB", u"Ctrl C", u"ä", u"Tab+Ctrl"}) {
        unsigned vk = 7, mods = 7;
        EXPECT_FALSE(parseKeys(bad, vk, mods)) << os::toUtf8(bad);
        EXPECT_EQ(vk, 7u) << "left as it was on failure";
    }
}

TEST(DialogScriptKeys, BoxButtonsInAnyCase) {
    EXPECT_EQ(parseBoxButton(u"OK"), ui::IDOK);
    EXPECT_EQ(parseBoxButton(u"cancel"), ui::IDCANCEL);
    EXPECT_EQ(parseBoxButton(u"YES"), ui::IDYES);
    EXPECT_EQ(parseBoxButton(u"No"), ui::IDNO);
    EXPECT_EQ(parseBoxButton(u"Abort"), ui::IDABORT);
    EXPECT_EQ(parseBoxButton(u"retry"), ui::IDRETRY);
    EXPECT_EQ(parseBoxButton(u"Ignore"), ui::IDIGNORE);
    EXPECT_EQ(parseBoxButton(u"Okay"), std::nullopt);
    EXPECT_EQ(parseBoxButton(u""), std::nullopt);
}

TEST(DialogScriptSamples, TheSampleScriptsRead) {
    for (const char* name :
         {"stringarray-add-row.txt", "sstool-replace.txt", "formula-calculate.txt", "design-endplate.txt"}) {
        const std::string path = std::string(SS_SOURCE_DIR) + "/samples/scripts/" + name;
        std::FILE* f = std::fopen(path.c_str(), "rb");
        ASSERT_NE(f, nullptr) << path;
        std::string text;
        char buffer[4096];
        while (std::size_t n = std::fread(buffer, 1, sizeof buffer, f)) text.append(buffer, n);
        std::fclose(f);
        std::vector<Step> steps;
        ScriptError error;
        EXPECT_TRUE(parseScript(text, steps, error)) << name << " line " << error.line << ": " << error.message;
        EXPECT_FALSE(steps.empty()) << name;
    }
}

} // namespace
