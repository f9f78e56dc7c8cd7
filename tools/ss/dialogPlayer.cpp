#include "dialogPlayer.h"

#include "grid/SpreadWindow.h"
#include "nuvo/Ork_Settings.h"
#include "os/textCase.h"
#include "os/utf16.h"
#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Desktop.h"
#include "ui/Dialog.h"
#include "ui/ImageButton.h"
#include "ui/ListCtrl.h"
#include "ui/Static.h"
#include "ui/TabCtrl.h"
#include "ui/ToolTip.h"
#include "ui/Window.h"
#include "ui/constants.h"
#include "ui/paint/Canvas.h"
#include "ui/paint/WindowPainter.h"

#include <algorithm>

namespace sscmd {

using ssdialog::Step;
using ssdialog::StepKind;

namespace {

std::string utf8(std::u16string_view text) { return os::toUtf8(text); }

// A whole number written in digits only (a control id, a template number, a cell coordinate).
std::optional<int> wholeNumber(std::u16string_view digits) {
    if (digits.empty() || digits.size() > 9)
        return std::nullopt;
    int n = 0;
    for (char16_t c : digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        n = n * 10 + (c - u'0');
    }
    return n;
}

// A caption or label as the user reads it: without the '&' of a mnemonic, blanks around it and a closing ':'.
std::u16string shownText(std::u16string_view text) {
    std::u16string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size() && text[i + 1] != u'&')
            continue;
        out += text[i];
    }
    while (!out.empty() && (out.back() == u' ' || out.back() == u':'))
        out.pop_back();
    while (!out.empty() && out.front() == u' ')
        out.erase(out.begin());
    return out;
}

bool isLabel(const ui::Window& w) {
    if (dynamic_cast<const ui::Static*>(&w))
        return true;
    const auto* button = dynamic_cast<const ui::Button*>(&w);
    return button && button->isGroupBox();
}

// Every descendant in tab order (children in creation order, each followed by its own descendants); the
// visible ones first, so a hidden page's control of the same caption never shadows the shown one.
void collect(ui::Window& parent, std::vector<ui::Window*>& out) {
    for (ui::Window* child : parent.children()) {
        out.push_back(child);
        collect(*child, out);
    }
}

// The dialog's controls, then those of the visible windows it owns (a find dialog opened from it), so that a
// script goes on in a modeless window its dialog opened.
std::vector<ui::Window*> descendants(ui::Window& dialog) {
    std::vector<ui::Window*> all;
    collect(dialog, all);
    for (ui::Window* top : ui::Desktop::topLevelWindows()) {
        if (top == &dialog || !top->isWindowVisible())
            continue;
        for (ui::Window* owner = top->getOwner(); owner; owner = owner->getOwner())
            if (owner == &dialog || dialog.isChild(owner)) {
                all.push_back(top);
                collect(*top, all);
                break;
            }
    }
    std::stable_partition(all.begin(), all.end(), [](ui::Window* w) { return w->isWindowVisible(); });
    return all;
}

// A file answer may start with "$LIBRARY" for the library folder, so that a script names files of the
// library wherever it lies ("$LIBRARY\Macros\EndPlate.dwg").
std::u16string libraryPath(const std::u16string& path) {
    constexpr std::u16string_view kLibrary = u"$LIBRARY";
    if (path.size() < kLibrary.size() || !os::equalsNoCase(std::u16string_view(path).substr(0, kLibrary.size()), kLibrary))
        return path;
    std::u16string rest = path.substr(kLibrary.size());
    if (!rest.empty() && rest[0] != u'\\' && rest[0] != u'/')
        return path;   // "$LIBRARYX" is a name of its own
    if (!rest.empty())
        rest.erase(0, 1);
    return std::u16string(Ork_Settings::asFolder(Ork_Settings::libDir())) + rest;
}

// "grid": the first grid on screen, as a user sees it (a tab's hidden pages have grids of their own), else the
// first grid at all.
grid::SpreadWindow* firstGrid(ui::Window& dialog) {
    grid::SpreadWindow* hidden = nullptr;
    for (ui::Window* w : descendants(dialog))
        if (auto* g = grid::SpreadWindow::fromWindow(w)) {
            if (w->isWindowVisible())
                return g;
            if (!hidden)
                hidden = g;
        }
    return hidden;
}

ui::Point centre(const ui::Rect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// "GRID[COL,ROW]": a grid cell as an `expect` names it.
bool splitCellName(const std::u16string& name, std::u16string& gridName, int& col, int& row) {
    const auto open = name.rfind(u'[');
    if (open == std::u16string::npos || name.empty() || name.back() != u']')
        return false;
    const std::u16string_view inside = std::u16string_view(name).substr(open + 1, name.size() - open - 2);
    const auto comma = inside.find(u',');
    if (comma == std::u16string_view::npos)
        return false;
    const auto c = wholeNumber(inside.substr(0, comma));
    const auto r = wholeNumber(inside.substr(comma + 1));
    if (!c || !r)
        return false;
    col = *c;
    row = *r;
    gridName = name.substr(0, open);
    return true;
}

} // namespace

DialogPlayer::DialogPlayer(std::string pngPrefix)
    : m_script([this](const std::string& message) { fail(message); }),
      m_robot([this](const std::string& message) { fail(message); }),
      m_pngPrefix(std::move(pngPrefix)) {
    m_script.matchAnswersByKind();
}

DialogPlayer::~DialogPlayer() = default;

bool DialogPlayer::fail(const std::string& message) {
    if (!m_failure)
        m_failure = std::make_pair(m_line, message);
    return false;
}

std::string DialogPlayer::failureText() const {
    if (!m_failure)
        return {};
    return m_failure->first > 0 ? "line " + std::to_string(m_failure->first) + ": " + m_failure->second
                                : m_failure->second;
}

void DialogPlayer::finish() {
    m_line = 0;
    m_script.verify();
}

void DialogPlayer::driveModal(int templateId, const std::vector<Step>& steps, EndPicture atEnd) {
    m_script.onModal(templateId, [this, &steps, atEnd](ui::Dialog& dialog) {
        play(dialog, steps, atEnd);
        if (m_beforeClose && !failed() && !hasEnded(dialog))
            m_beforeClose(dialog);
        endLikeAUser(dialog);
        m_endResult = dialog.result();
        if (m_onEnded)
            m_onEnded(dialog);
    });
}

bool DialogPlayer::hasEnded(ui::Window& dialog) {
    if (!ui::isWindow(&dialog) || !dialog.isWindowVisible())
        return true;
    const ui::Dialog* d = dialog.asDialog();
    return d && d->isEnded();
}

void DialogPlayer::endLikeAUser(ui::Window& dialog) {
    ui::Dialog* d = dialog.asDialog();
    if (!ui::isWindow(&dialog) || (d && d->isEnded()))
        return;
    // After a failure the run stops here: the dialog ends as cancelled, whatever its close box would do.
    if (!failed())
        m_robot.close(dialog);
    if (d && ui::isWindow(&dialog) && !d->isEnded())
        d->endDialog(ui::IDCANCEL);
}

bool DialogPlayer::play(ui::Window& dialog, const std::vector<Step>& steps, EndPicture atEnd) {
    const ui::Dialog* asDialog = dialog.asDialog();
    const bool pages = m_atEndPages && !m_pageTemplates.empty() && asDialog && asDialog->templateId() == m_pagesDialog;
    // The picture before the last step stands in for the end picture when that step ends the dialog.
    std::optional<ui::Canvas> beforeLast;
    std::vector<ui::Canvas> pagesBeforeLast;
    if (steps.empty() && !hasEnded(dialog)) {
        if (atEnd)
            beforeLast = ui::renderWindow(dialog);
        if (pages)
            pagesBeforeLast = pagePictures(dialog, m_pageTemplates);
    }
    for (const Step& s : steps) {
        if (failed())
            return false;
        if (&s == &steps.back() && !hasEnded(dialog)) {
            if (atEnd)
                beforeLast = ui::renderWindow(dialog);
            if (pages)
                pagesBeforeLast = pagePictures(dialog, m_pageTemplates);
        }
        m_line = s.line;
        if (hasEnded(dialog))
            return fail("the dialog has ended; the step cannot be done");
        if (!step(dialog, s))
            return fail("the step cannot be done");
        if (failed())
            return false;
    }
    if (atEnd) {
        if (!hasEnded(dialog))
            atEnd(ui::renderWindow(dialog));
        else if (beforeLast)
            atEnd(*beforeLast);
    }
    if (pages) {
        if (!hasEnded(dialog))
            m_atEndPages(pagePictures(dialog, m_pageTemplates));
        else if (!pagesBeforeLast.empty())
            m_atEndPages(pagesBeforeLast);
    }
    return !failed();
}

void DialogPlayer::picturePagesAtEnd(int dialogTemplate, std::vector<int> pageTemplates, PagePictures atEnd) {
    m_pagesDialog = dialogTemplate;
    m_pageTemplates = std::move(pageTemplates);
    m_atEndPages = std::move(atEnd);
}

std::vector<ui::Canvas> DialogPlayer::pagePictures(ui::Window& dialog, const std::vector<int>& pageTemplates) {
    // The pages: child dialogs of a tab control (or its siblings) made from the templates.
    std::vector<ui::Dialog*> pages;
    std::vector<ui::Window*> all;
    collect(dialog, all);
    for (int templateId : pageTemplates) {
        ui::Dialog* found = nullptr;
        for (ui::Window* w : all)
            if (ui::Dialog* d = w->asDialog(); d && d != &dialog && d->templateId() == templateId) {
                found = d;
                break;
            }
        pages.push_back(found);
    }
    ui::TabCtrl* tabs = nullptr;
    for (ui::Window* w : all)
        if ((tabs = dynamic_cast<ui::TabCtrl*>(w)))
            break;
    std::vector<bool> wasShown;
    for (ui::Dialog* page : pages)
        wasShown.push_back(page && (page->getStyle() & ui::WS_VISIBLE) != 0);
    const int wasChosen = tabs ? tabs->getCurSel() : -1;
    std::vector<ui::Canvas> pictures;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (!pages[i]) {
            pictures.emplace_back();
            continue;
        }
        for (ui::Dialog* page : pages)
            if (page)
                page->showWindow(page == pages[i] ? ui::SW_SHOW : ui::SW_HIDE);
        if (tabs && static_cast<int>(i) < tabs->getItemCount())
            tabs->setCurSel(static_cast<int>(i));
        pictures.push_back(ui::renderWindow(dialog));
    }
    for (std::size_t i = 0; i < pages.size(); ++i)
        if (pages[i])
            pages[i]->showWindow(wasShown[i] ? ui::SW_SHOW : ui::SW_HIDE);
    if (tabs && wasChosen >= 0)
        tabs->setCurSel(wasChosen);
    return pictures;
}

ui::Window* DialogPlayer::find(ui::Window& dialog, const std::u16string& name) {
    if (m_resolver)
        if (ui::Window* w = m_resolver(dialog, name))
            return w;
    if (name.size() > 1 && name[0] == u'#') {
        const auto id = wholeNumber(std::u16string_view(name).substr(1));
        if (!id)
            return nullptr;
        for (ui::Window* w : descendants(dialog))
            if (w->getDlgCtrlID() == *id && w->isChildWindow())
                return w;
        return nullptr;
    }
    const std::u16string wanted = shownText(name);
    if (os::equalsNoCase(wanted, u"grid"))
        if (auto* g = firstGrid(dialog))
            return g;
    const std::vector<ui::Window*> all = descendants(dialog);
    // A control by its own caption (buttons, check boxes) ...
    for (ui::Window* w : all)
        if (!isLabel(*w) && os::equalsNoCase(shownText(w->getWindowText()), wanted))
            return w;
    // ... or by the label in front of it: the next control after the label that is not a label itself.
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (!isLabel(*all[i]) || !os::equalsNoCase(shownText(all[i]->getWindowText()), wanted))
            continue;
        ui::Window* parent = all[i]->getParent();
        for (std::size_t j = i + 1; j < all.size(); ++j)
            if (all[j]->getParent() == parent && !isLabel(*all[j]))
                return all[j];
    }
    // ... or by its tooltip, as a picture button without a caption is known ("Add a row").
    for (ui::Window* w : all)
        if (const auto* button = dynamic_cast<const ui::ImageButton*>(w);
            button && w->isWindowVisible() && os::equalsNoCase(shownText(button->tooltipText()), wanted))
            return w;
    for (ui::Window* top : ui::Desktop::topLevelWindows()) {
        const auto* tip = dynamic_cast<const ui::ToolTip*>(top);
        if (!tip)
            continue;
        for (ui::Window* w : all)
            if (w->isWindowVisible() && os::equalsNoCase(shownText(tip->getText(w)), wanted))
                return w;
    }
    return nullptr;
}

bool DialogPlayer::queueAnswer(const Step& s) {
    using ssdialog::AnswerKind;
    using ssdialog::RequestKind;
    switch (s.answer) {
    case AnswerKind::Box:
        m_script.answerBox(s.number);
        return true;
    case AnswerKind::Prompt:
        m_script.answerPrompt(s.text);
        return true;
    case AnswerKind::File:
        m_script.answerFile(libraryPath(s.text));
        return true;
    case AnswerKind::Files: {
        std::vector<std::u16string> paths;
        for (const std::u16string& path : s.values)
            paths.push_back(libraryPath(path));
        m_script.answerFiles(std::move(paths));
        return true;
    }
    case AnswerKind::Menu:
        if (s.text.size() > 1 && s.text[0] == u'#') {
            const auto id = wholeNumber(std::u16string_view(s.text).substr(1));
            if (!id)
                return fail("'" + utf8(s.text) + "' is not a menu item id");
            m_script.answerMenu(*id);
        } else {
            m_script.answerMenu(s.text);
        }
        return true;
    case AnswerKind::Pick:
        m_script.answerPick({true, s.values});
        return true;
    case AnswerKind::Cancel:
        switch (s.cancels) {
        case RequestKind::Box:
            m_script.answerBox(ui::IDCANCEL);
            break;
        case RequestKind::Prompt:
            m_script.cancelPrompt();
            break;
        case RequestKind::File:
            m_script.cancelFile();
            break;
        case RequestKind::Menu:
            m_script.cancelMenu();
            break;
        case RequestKind::Pick:
            m_script.answerPick({false, {}});
            break;
        case RequestKind::Dialog: {
            const auto templateId = wholeNumber(s.name);
            if (!templateId)
                return fail("'" + utf8(s.name) + "' is not a dialog template number");
            m_script.onModal(*templateId, ui::IDCANCEL);
            break;
        }
        }
        return true;
    }
    return false;
}

bool DialogPlayer::expect(ui::Window& dialog, const Step& s) {
    std::u16string gridName;
    int col = 0, row = 0;
    std::u16string shown;
    if (splitCellName(s.name, gridName, col, row)) {
        auto* g = grid::SpreadWindow::fromWindow(find(dialog, gridName));
        if (!g)
            return fail("no grid '" + utf8(gridName) + "' in the dialog");
        shown = g->displayText(col, row);
    } else if (std::optional<ValueCell> cell = valueCellOnly(dialog, s.name)) {
        auto* g = grid::SpreadWindow::fromWindow(cell->grid);
        if (!g)
            return fail("the value '" + utf8(s.name) + "' is not in a grid");
        shown = g->displayText(cell->col, cell->row);
    } else {
        ui::Window* w = find(dialog, s.name);
        if (!w)
            return fail("no control '" + utf8(s.name) + "' in the dialog");
        shown = w->getWindowText();
        const auto* button = dynamic_cast<const ui::Button*>(w);
        if (button && (button->isCheckBox() || button->isRadioButton()) && s.text.size() == 1 &&
            s.text[0] >= u'0' && s.text[0] <= u'2')
            shown = std::u16string(1, static_cast<char16_t>(u'0' + button->getCheck()));
        if (const auto* tabs = dynamic_cast<const ui::TabCtrl*>(w))
            shown = tabs->getItemText(tabs->getCurSel());
    }
    if (shown != s.text)
        return fail("expected '" + utf8(s.name) + "' to show \"" + utf8(s.text) + "\", it shows \"" + utf8(shown) +
                    "\"");
    return true;
}

bool DialogPlayer::mouseOnDialog(ui::Window& dialog, const Step& s) {
    const ui::Point at{s.number, s.number2};
    if (!dialog.getClientRect().contains(at))
        return fail("the pixel " + std::to_string(at.x) + "," + std::to_string(at.y) + " lies outside the dialog");
    // A press on the dialog itself may start a drag (the designer's controls, its rubber band). What the user
    // drags to is the answer to it; a click that drags nothing takes its answer back.
    const int dx = s.number3, dy = s.number4;
    const StepKind kind = s.kind;
    const bool plain = s.mods == ui::ModNone;
    if (plain)
        m_script.answerTrack([kind, dx, dy, s](const ui::TrackRequest& r) -> std::optional<ui::Rect> {
            if (kind == StepKind::Point)
                return r.start;   // pressed and let go where it was
            if (kind == StepKind::Band)
                return ui::Rect{s.number, s.number2, s.number3, s.number4};
            ui::Rect out = r.start;
            if (r.kind == ui::TrackKind::Move) {
                out.offset(dx, dy);
            } else if (r.kind == ui::TrackKind::RubberBand) {
                out = ui::Rect{r.anchor.x, r.anchor.y, r.anchor.x + dx, r.anchor.y + dy};
            } else {
                // The edges a handle pulls: corners 0-3 from the top-left clockwise, then top, right, bottom, left.
                const int h = r.handle;
                if (h == 0 || h == 3 || h == 7) out.left += dx;
                if (h == 1 || h == 2 || h == 5) out.right += dx;
                if (h == 0 || h == 1 || h == 4) out.top += dy;
                if (h == 2 || h == 3 || h == 6) out.bottom += dy;
            }
            return out;
        });
    const std::size_t tracksBefore = m_script.trackRequests().size();
    m_robot.clickAt(dialog, at, s.mods);
    const bool tracked = m_script.trackRequests().size() > tracksBefore;
    if (plain && !tracked)
        m_script.takeBackTrack();
    if (kind == StepKind::Drag && !tracked)
        return fail("nothing to drag at " + std::to_string(at.x) + "," + std::to_string(at.y));
    if (kind == StepKind::Band) {
        if (!tracked)
            return fail("no rubber band can start at " + std::to_string(at.x) + "," + std::to_string(at.y));
        if (m_script.trackRequests().back().kind != ui::TrackKind::RubberBand)
            return fail("a band must start on empty space; " + std::to_string(at.x) + "," + std::to_string(at.y) +
                        " is on a control");
    }
    return true;
}

std::optional<DialogPlayer::ValueCell> DialogPlayer::valueCellOnly(ui::Window& dialog, const std::u16string& name) {
    if (!m_cellResolver || (m_resolver && m_resolver(dialog, name)))
        return std::nullopt;
    return m_cellResolver(dialog, name);
}

bool DialogPlayer::setCell(const ValueCell& cell, const Step& s) {
    auto* g = grid::SpreadWindow::fromWindow(cell.grid);
    if (!g)
        return fail("the value '" + utf8(s.name) + "' is not in a grid");
    // A locked, check-box or button cell takes no typing: the step could not be done as the script says.
    if (!g->editable(cell.col, cell.row))
        return fail("the value '" + utf8(s.name) + "' cannot be typed into (grid row " + std::to_string(cell.row) + ")");
    const ui::Rect r = g->cellRect(cell.col, cell.row);
    if (r.width() <= 0 || r.height() <= 0)
        return fail("the cell " + std::to_string(cell.col) + "," + std::to_string(cell.row) + " is not shown");
    // As a user: click the cell, F2 to edit its text, type over it, and Enter to leave the cell.
    if (!m_robot.clickAt(*g, centre(r)) || !m_robot.key(ui::VK_F2))
        return false;
    ui::Window* edit = g->editWindow();
    if (!edit)
        return fail("the cell " + std::to_string(cell.col) + "," + std::to_string(cell.row) + " cannot be edited");
    return m_robot.replaceText(*edit, s.text) && m_robot.key(ui::VK_RETURN);
}

bool DialogPlayer::step(ui::Window& dialog, const Step& s) {
    auto control = [&](const std::u16string& name) -> ui::Window* {
        ui::Window* w = find(dialog, name);
        if (!w)
            fail("no control '" + utf8(name) + "' in the dialog");
        return w;
    };
    switch (s.kind) {
    case StepKind::Click: {
        // A cell name clicks the cell, as on a grid's button or check-box cells.
        std::u16string gridName;
        int col = 0, row = 0;
        if (splitCellName(s.name, gridName, col, row)) {
            auto* g = grid::SpreadWindow::fromWindow(control(gridName));
            if (!g)
                return fail("'" + utf8(gridName) + "' is not a grid");
            const ui::Rect r = g->cellRect(col, row);
            if (r.width() <= 0 || r.height() <= 0)
                return fail("the cell " + std::to_string(col) + "," + std::to_string(row) + " is not shown");
            return m_robot.clickAt(*g, centre(r));
        }
        ui::Window* w = find(dialog, s.name);
        // The close box: where no control has that name, or where the dialog names itself so.
        if (w == &dialog || (!w && os::equalsNoCase(shownText(s.name), u"close")))
            return m_robot.close(dialog);
        if (!w)
            return fail("no control '" + utf8(s.name) + "' in the dialog");
        return m_robot.click(*w, s.mods);
    }
    case StepKind::RightClick: {
        ui::Window* w = control(s.name);
        return w && m_robot.rightClick(*w);
    }
    case StepKind::Set: {
        // A control the dialog names first; then a value only its grid shows; then ids, captions and labels.
        if (const std::optional<ValueCell> cell = valueCellOnly(dialog, s.name))
            return setCell(*cell, s);
        ui::Window* w = control(s.name);
        if (!w || !m_robot.replaceText(*w, s.text))
            return false;
        // Leaving the field as a user does: Tab to the next control, so the field sees its focus go.
        return m_robot.key(ui::VK_TAB);
    }
    case StepKind::Choose: {
        ui::Window* w = control(s.name);
        if (!w)
            return false;
        if (auto* combo = dynamic_cast<ui::ComboBox*>(w))
            return s.index ? m_robot.choose(*combo, *s.index) : m_robot.choose(*combo, s.text);
        if (auto* tabs = dynamic_cast<ui::TabCtrl*>(w)) {
            int index = s.index.value_or(-1);
            for (int i = 0; !s.index && i < tabs->getItemCount(); ++i)
                if (os::equalsNoCase(shownText(tabs->getItemText(i)), shownText(s.text)))
                    index = i;
            return index >= 0 ? m_robot.choose(*tabs, index) : fail("no tab '" + utf8(s.text) + "'");
        }
        if (auto* list = dynamic_cast<ui::ListCtrl*>(w)) {
            int index = s.index.value_or(-1);
            for (int i = 0; !s.index && i < list->getItemCount(); ++i)
                if (os::equalsNoCase(list->getItemText(i), s.text))
                    index = i;
            return index >= 0 ? m_robot.choose(*list, index) : fail("no item '" + utf8(s.text) + "' in the list");
        }
        return fail("'" + utf8(s.name) + "' is not a list to choose from");
    }
    case StepKind::Check: {
        auto* button = dynamic_cast<ui::Button*>(control(s.name));
        if (!button || !(button->isCheckBox() || button->isRadioButton()))
            return fail("'" + utf8(s.name) + "' is not a check box");
        // A user clicks until the box shows the state; three clicks go round every state of a 3-state box.
        for (int i = 0; i < 3 && button->getCheck() != s.number; ++i)
            if (!m_robot.click(*button))
                return false;
        return button->getCheck() == s.number ||
               fail("'" + utf8(s.name) + "' cannot show the state " + std::to_string(s.number));
    }
    case StepKind::Toggle: {
        auto* combo = dynamic_cast<ui::ComboBox*>(control(s.name));
        if (!combo)
            return fail("'" + utf8(s.name) + "' is not a check list");
        for (int i = 0; i < combo->getCount(); ++i)
            if (os::equalsNoCase(combo->getLBText(i), s.text))
                return m_robot.toggleCheck(*combo, i);
        return fail("no item '" + utf8(s.text) + "' in '" + utf8(s.name) + "'");
    }
    case StepKind::Tab:
        for (ui::Window* w : descendants(dialog))
            if (auto* tabs = dynamic_cast<ui::TabCtrl*>(w))
                for (int i = 0; i < tabs->getItemCount(); ++i)
                    if (os::equalsNoCase(shownText(tabs->getItemText(i)), shownText(s.text)))
                        return m_robot.choose(*tabs, i);
        return fail("no tab '" + utf8(s.text) + "' in the dialog");
    case StepKind::Key:
        return m_robot.key(s.vk, s.mods);
    case StepKind::Cell:
    case StepKind::Header: {
        auto* g = grid::SpreadWindow::fromWindow(control(s.name));
        if (!g)
            return fail("'" + utf8(s.name) + "' is not a grid");
        const int row = s.kind == StepKind::Cell ? s.number2 : 0;
        const ui::Rect r = g->cellRect(s.number, row);
        if (r.width() <= 0 || r.height() <= 0)
            return fail("the cell " + std::to_string(s.number) + "," + std::to_string(row) + " is not shown");
        if (!m_robot.clickAt(*g, centre(r)))
            return false;
        if (s.kind == StepKind::Header)
            return true;
        return m_robot.type(*g, s.text) && m_robot.key(ui::VK_RETURN);
    }
    case StepKind::Resize:
        return m_robot.resize(dialog, s.number, s.number2);
    case StepKind::Wait:
        m_robot.advance(static_cast<std::uint64_t>(s.number));
        return true;
    case StepKind::Answer:
        return queueAnswer(s);
    case StepKind::Expect:
        return expect(dialog, s);
    case StepKind::Png: {
        if (m_pngPrefix.empty())
            return true;
        std::string path = m_pngPrefix + utf8(s.text.empty() ? s.name : s.text);
        if (path.size() < 4 || path.substr(path.size() - 4) != ".png")
            path += ".png";
        std::u16string error;
        if (!ui::writeWindowPng(dialog, path, error)) {
            m_pictureError = path + " (" + utf8(error) + ")";
            return fail("cannot write the picture " + *m_pictureError);
        }
        m_pictures.push_back(path);
        return true;
    }
    case StepKind::Ok:
    case StepKind::Cancel: {
        const int id = s.kind == StepKind::Ok ? ui::IDOK : ui::IDCANCEL;
        if (ui::Window* button = dialog.findDescendant(id); button && button->isWindowVisible() &&
                                                             button->isWindowEnabled())
            return m_robot.click(*button);
        return m_robot.key(s.kind == StepKind::Ok ? ui::VK_RETURN : ui::VK_ESCAPE);
    }
    case StepKind::Point:
    case StepKind::Drag:
    case StepKind::Band:
        return mouseOnDialog(dialog, s);
    case StepKind::Dialog: {
        const auto templateId = wholeNumber(s.name);
        if (!templateId)
            return fail("'" + utf8(s.name) + "' is not a dialog template number");
        const std::vector<Step>* body = &s.body;
        m_script.onModal(*templateId, [this, body](ui::Dialog& inner) {
            const int outer = m_line;
            play(inner, *body);
            endLikeAUser(inner);
            m_line = outer;
        });
        return true;
    }
    }
    return false;
}

} // namespace sscmd
