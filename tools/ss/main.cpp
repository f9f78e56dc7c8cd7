// ss: runs the SS module on this machine the way the CAD host would, on a library folder.
#include <cstdio>
#include <cstring>

namespace {

const char kHelp[] =
    "usage: ss [COMMAND] [ARGS...]\n"
    "\n"
    "Runs the SS spreadsheet module the way its CAD host does, on a library folder\n"
    "(SS_LIBRARY, or the bundled sample library).\n"
    "\n"
    "commands:\n"
    "  --help       this text\n"
    "  --version    the version of ss\n";

} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        std::fputs(kHelp, stdout);
        return 0;
    }
    if (std::strcmp(argv[1], "--version") == 0) {
        std::printf("ss %s\n", SS_VERSION);
        return 0;
    }
    std::fprintf(stderr, "ss: unknown command '%s' (try ss --help)\n", argv[1]);
    return 2;
}
