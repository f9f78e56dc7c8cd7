#pragma once
// ss design: the library's designed pages (the tabs the macro dialog lays over a picture), listed and shown
// control by control, through the module's exported page class and GetImageDlgCtrlNames.
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

class Ork_DlgDesignerData;
class Ork_String;
class Ork_StringArray;

namespace sscmd {

struct DesignRunOptions {
    std::vector<std::pair<std::string, std::string>> values;  // --set CONTENTS=VALUE, in order
    double scale = 1.0;                                       // --scale: the dialog's font scale
    std::string script;                                       // --script FILE
    std::string png;                                          // --png OUT.png
    std::string pngPrefix;                                    // --png-prefix: where `png NAME` steps write
    bool asJson = false;
};

// Places a page that was read in run mode on a dialog and runs the options on it (cmdDesignRun.cpp).
int runDesignPage(Ork_DlgDesignerData& page, const DesignRunOptions& options, std::FILE* out, std::FILE* err);

// Opens the designer on the design file `path` (empty: a new page), plays the script on it and prints the
// page as it was when the designer ended (cmdDesignEdit.cpp).
int editDesign(const Ork_String& path, const DesignRunOptions& options, std::FILE* out, std::FILE* err);

// The page as `ss design show` prints it: picture, controls and the cell names a macro reads from it.
void printPage(const Ork_DlgDesignerData& page, const Ork_String& path, const Ork_StringArray& names, bool named,
               bool asJson, std::FILE* out);

// ss design list [--json]
// ss design show NAME|FILE [--json]
// ss design edit [NAME|FILE] [--script FILE] [--png OUT.png] [--json]
// ss design run NAME|FILE [--set CONTENTS=VALUE]... [--scale S] [--script FILE] [--png OUT.png] [--png-prefix P] [--json]
int runDesign(const std::vector<std::string>& args, std::FILE* out, std::FILE* err);

} // namespace sscmd
