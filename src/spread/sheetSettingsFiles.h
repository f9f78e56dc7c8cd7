#pragma once
// Sheets with settings: preparing a new sheet from a settings file, saving a sheet with its header and footer
// files beside it, and the path rules the settings use for those files.
#include "nuvo/Ork_String.h"

class KvSSSettings;
class Ork_Spread;

// The host's installation folder as the module writes folders: "\" separators and a trailing "\".
Ork_String installationFolder();

// A header or footer file made absolute: a file with a drive (":"), a "\\" server path or a leading "\" or
// "/" is already absolute. Otherwise, after one leading "..\" (or "../") is taken as one folder up, the file
// is looked for beside the document, then in the installation folder; where neither holds it, it is returned
// as it was.
Ork_String absolutePath(const Ork_String& documentPath, const Ork_String& file);
// An existing file made relative to the document's folder or, failing that, to the installation folder;
// otherwise returned as it was.
Ork_String makeRelative(const Ork_String& documentPath, const Ork_String& file);

// Prepares a grid for a sheet of the module: its switches, with `newSheet` a 6 x 11 sheet of edit cells, then
// the settings file `name` (or the registry's default settings file when that cannot be read) in the corner
// tag and its font on the cells. False without a grid. `applied`, when given, receives the settings written.
bool prepareSheetFromSettings(Ork_Spread* grid, const Ork_String& name, bool newSheet,
                              KvSSSettings* applied = nullptr);
// Saves the sheet and copies its header and footer files (with their bmp companions) beside it. False only
// without a grid or when the sheet could not be saved.
bool saveSheetWithSettings(Ork_Spread* grid, const Ork_String& path);
// Copies the settings' header (or footer) file beside the sheet at `sheetPath` when it is missing or older
// there, and points the settings at the copy. False when there was no file to copy or the copy failed.
bool copyPrintFile(KvSSSettings& settings, const Ork_String& sheetPath, bool header);
