// The tour `ss` gives without arguments: where the library is, which connection standards it holds and what
// they declare, and one evaluation of each sample standard with the values a detailer might enter.
#include "SSHost.h"
#include "cmdStandards.h"
#include "shownPath.h"
#include "nuvo/Ork_Settings.h"
#include "nuvo/fileHelpers.h"
#include "nuvo/textHelpers.h"

namespace sscmd {
namespace {

struct Example {
    const char* sheet;
    std::vector<const char*> values;    // --set NAME=VALUE
    std::vector<const char*> general;   // --gen NAME=VALUE
};

// Values for the bundled sample standards; a library without them is toured without evaluations.
const Example kExamples[] = {
    {"EndPlate", {"Beam=IPE 300", "Shear=150"}, {"gen_Projection=10", "gen_SteelGrade=355"}},
    {"BasePlate", {"Column=HE 300 B", "AxialLoad=1200"}, {"gen_SteelGrade=355", "gen_ConcreteGrade=25"}},
};

} // namespace

int runTour(std::FILE* out, std::FILE* err) {
    {
        SSHost host;   // the module must load before anything else is worth showing
        if (!host.load())
            return kExitNoModule;
    }
    const Ork_String folder = Ork_Settings::libDir() + u"Connection Standards\\";
    std::fprintf(out, "SS - connection standards of the library %s\n\n", shownPath(Ork_Settings::libDir()).c_str());
    Ork_StringArray sheets;
    if (!ObjectExportFindFiles(folder + u"*.kvs", sheets)) {
        std::fprintf(out, "The library has no connection standards (%s*.kvs).\n", shownPath(folder).c_str());
        std::fprintf(out, "\nss --help lists the commands.\n");
        return kExitOk;
    }
    int status = kExitOk;
    for (const Ork_String& path : sheets) {
        const std::string name = removeExtension(getFileName(path)).utf8();
        std::fprintf(out, "== %s ==\n", name.c_str());
        std::fprintf(out, "$ ss vars %s\n", name.c_str());
        std::fflush(out);
        if (const int s = runVars({name}, out, err))
            status = s;
        for (const Example& example : kExamples) {
            if (name != example.sheet)
                continue;
            std::vector<std::string> args{name};
            std::string line = "ss evaluate " + name;
            for (const auto& [option, list] : {std::pair{"--set", &example.values}, std::pair{"--gen", &example.general}}) {
                for (const char* setting : *list) {
                    args.push_back(option);
                    args.push_back(setting);
                    line += std::string(" ") + option + " \"" + setting + "\"";
                }
            }
            std::fprintf(out, "\n$ %s\n", line.c_str());
            std::fflush(out);
            if (const int s = runEvaluate(args, out, err))
                status = s;
        }
        std::fprintf(out, "\n");
    }
    std::fprintf(out, "ss --help lists the commands; ss evaluate --help tells how to evaluate a standard.\n");
    return status;
}

} // namespace sscmd
