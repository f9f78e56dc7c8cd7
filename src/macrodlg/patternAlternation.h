#pragma once
// The alternation of a bolt pattern's rows: three tri-state flags (0, 1, -1 mixed) shown as one of five
// picture buttons.
namespace macrodlg {

// The button (1 to 5) that shows the flags; 0 when none does (a flag mixed, or a combination no button has).
int alternationButton(const int flags[3]);
// The flags of button 1 to 5; button 0 (none checked) reads (1, 0, 0).
void alternationFlags(int button, int flags[3]);

} // namespace macrodlg
