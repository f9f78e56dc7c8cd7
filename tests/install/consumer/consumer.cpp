// Loads the installed module as its host does and reads the sample end plate through an exported entry point.
#include "SS/SSExports.h"
#include "cadhost/ModuleHost.h"

#include <cstdio>

int main() {
    cadhost::ModuleHost host;
    if (!host.load(SS_MODULE_FILE, u"SS")) {
        std::fprintf(stderr, "cannot load %s: %s\n", SS_MODULE_FILE, host.error().c_str());
        return 1;
    }
    Ork_String firstCell;
    Ork_StringArray headers;
    Ork_Array<Ork_StringArray> rows;
    ReadSSFile(Ork_String::fromUtf8(SS_SAMPLES "/Connection Standards/EndPlate.kvs"), firstCell, headers, rows);
    std::printf("first cell: %s\nrows: %d\n", firstCell.utf8().c_str(), rows.length());
    return rows.length() > 0 ? 0 : 1;
}
