#pragma once
// The script of user steps that `ss dialog` plays against a live dialog: one step a line, read whole and
// checked before anything runs, so a malformed line never leaves a dialog half driven.
//
// A line is a verb and its words. A word is bare (no blanks) or quoted with "..." where \" is a quote and
// \\ a backslash (any other backslash stands for itself, so "C:\lib\a.kvs" needs no doubling); a quoted
// word may hold blanks, quotes, '#' and ';', and must be followed by a blank or the line's end. A quote opens a
// quoted word only where a word begins: the inch mark in `set Length 5" long` is text. A line whose first
// non-blank character is '#' is a comment; blank lines are ignored; later on a line '#' is an ordinary
// character (`click #1001`). Where a step's last word is a text (set, choose, toggle, tab, cell, expect, png,
// answer prompt/file/menu), an unquoted rest of the line is taken as it stands, inner blanks included, trailing
// blanks dropped, so `set Name Bolt group 1` sets "Bolt group 1"; a quoted text must end the line, and "" is
// the empty text. Verbs and keywords (shift, ctrl, box, prompt ..., button and key names) are read in any
// case; names and texts are kept exactly. Numbers are whole, non-negative and written in digits.
// `choose NAME #3` chooses by index; `choose NAME "#3"` chooses the item whose text is "#3". `key` takes one
// key. `dialog` blocks nest up to 16 deep.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ssdialog {

enum class StepKind {
    Click,       // click NAME [shift|ctrl]
    RightClick,  // rightclick NAME
    Set,         // set NAME TEXT: types into the control, then leaves it as a user would
    Choose,      // choose NAME ITEM|#INDEX
    Check,       // check NAME 0|1|2
    Toggle,      // toggle NAME ITEM: one item of a check-list
    Tab,         // tab CAPTION: a tab control's page
    Key,         // key KEYS: Tab, Shift+Tab, Enter, Escape, F3, Ctrl+C, ...
    Cell,        // cell GRID COL ROW TEXT
    Header,      // header GRID COL
    Resize,      // resize W H
    Wait,        // wait MS: the virtual clock
    Answer,      // answer box BUTTON | prompt TEXT | file PATH | menu ITEM | pick ... | cancel KIND
                 // (cancel dialog TEMPLATE: the next modal dialog of that template, in `name`)
    Expect,      // expect NAME TEXT
    Png,         // png FILE
    Ok,          // ok
    Cancel,      // cancel
    Dialog,      // dialog TEMPLATE ... end: the steps between drive the next modal dialog of that template
    Point,       // point X Y [shift|ctrl]: a click on the dialog's client area at a pixel
    Drag,        // drag X Y DX DY: pressed at a pixel and dragged by DX, DY (a body or a handle; may be negative)
    Band,        // band X1 Y1 X2 Y2: a rubber band drawn from the first corner to the second
};

// What an `answer` step queues, for the next request of that kind.
enum class AnswerKind { Box, Prompt, File, Menu, Pick, Cancel, Files };
// What `answer cancel KIND` cancels.
enum class RequestKind { Box, Prompt, File, Menu, Pick, Dialog };

struct Step {
    StepKind kind = StepKind::Ok;
    int line = 0;                 // 1-based line of the script (for --steps, the step's position)
    std::u16string name;          // the control, grid or dialog template the step acts on
    std::u16string text;          // the text, item, caption, file or button word; key: the KEYS word;
                                  // answer cancel: the KIND word
    std::optional<int> index;     // choose ... #INDEX (0-based); the text is then empty
    int number = 0;               // check state; cell and header column; resize width; wait milliseconds;
                                  // answer box: the button's id (IDOK, IDYES ...)
    int number2 = 0;              // cell row; resize height; point, drag and band: Y
                                  // (point, drag and band: X in `number`)
    int number3 = 0;              // drag: DX; band: X2
    int number4 = 0;              // drag: DY; band: Y2
    unsigned vk = 0;              // key: the virtual key (ui/constants.h VK_*, or an upper-case letter/digit)
    unsigned mods = 0;            // key and click: ui::Modifiers
    AnswerKind answer = AnswerKind::Box;
    RequestKind cancels = RequestKind::Box;  // answer cancel KIND
    std::vector<std::u16string> values;  // answer pick: the values the pick gives back, one word each (none
                                         // is a pick that succeeds with no values)
    std::vector<Step> body;       // dialog: the steps up to its `end`
};

struct ScriptError {
    int line = 0;
    std::string message;  // what is wrong, in the user's words ("unknown step 'clik'"), without the line number
};

// Reads a whole script (UTF-8, a byte-order mark and CRLF accepted). False, with the first bad line and why
// and `steps` empty, when any line is malformed or a `dialog` has no `end` (then the line of the outermost
// unended `dialog` is named) or an `end` no `dialog`.
bool parseScript(std::string_view utf8, std::vector<Step>& steps, ScriptError& error);

// The --steps form: lines separated by ';' (or a line break) outside quotes, numbered from 1 in order; empty
// pieces and comments keep their place in the numbering, and a `dialog` block may span pieces.
bool parseStepsOption(std::string_view utf8, std::vector<Step>& steps, ScriptError& error);

// A KEYS word ("Shift+Tab", "Ctrl+C", "F3", "Enter") as a virtual key and modifiers; false when unknown, with
// vk and mods untouched. Keys: Tab, Enter (Return), Escape (Esc), Space, Backspace, Delete (Del), Insert (Ins),
// Home, End, PageUp, PageDown, Left, Right, Up, Down, F1..F12, a letter (its capital) or a digit, after any of
// Shift+, Ctrl+ and Alt+ (each once, in any order and case).
bool parseKeys(std::u16string_view keys, unsigned& vk, unsigned& mods);

// A button word of `answer box` (OK, Cancel, Yes, No, Abort, Retry, Ignore; any case) as its id.
std::optional<int> parseBoxButton(std::u16string_view word);

} // namespace ssdialog
