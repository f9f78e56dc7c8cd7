#pragma once
// The module-wide selection-recent flag of the editor's constraints and geometry pages: set whenever a page
// selects or highlights a row, cleared 2000 ms later by a window-less timer. While it is set, Escape on
// either page does not close the editor: the key that ends a pick in the drawing must not end the editor too.
namespace macroedit {

// Sets the flag and (re)starts its timer.
void startSelectionRecent();
bool isSelectionRecent();
// Clears the flag and kills its timer (the last editor window went, or the module unloads).
void stopSelectionRecent();

} // namespace macroedit
