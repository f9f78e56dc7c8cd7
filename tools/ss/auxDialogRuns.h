#pragma once
// How `ss dialog` runs the auxiliary dialogs (the entries of dialogEntries.cpp): the grid, CIS/2 and image
// selection dialogs on their records, and the DSTV point dialogs on the library's point files.
#include "dialogEntries.h"

namespace sscmd {

bool runGridDialog(DialogRun& run);
bool runCis2Dialog(DialogRun& run);
bool runSelectImageDialog(DialogRun& run);
// The point files dialog; the record may be left out. Gives the files and the standard one afterwards.
bool runDstvPointsDialog(DialogRun& run);
// {"file": NAME}: the point editor on that file, reached as a user reaches it (the file chosen, Edit); the
// steps drive the editor. Gives the file's points afterwards.
bool runDstvEditDialog(DialogRun& run);

} // namespace sscmd
