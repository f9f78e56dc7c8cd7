// The standard-size sheet functions: STDWIDTHWITHTOLERANCE, STDTHICKNESSWITHTOLERANCE and
// STDSIZEWITHTOLERANCE. All three read a standard-size file and choose within the caller's tolerances.
#include "standards/KvDataFiles.h"
#include "standards/KvSSFunctions.h"
#include "standards/KvSSValueRecord.h"
#include "standards/KvStdSizes.h"

#include "cadhost/MainWindow.h"
#include "nuvo/Ork_Settings.h"
#include "ui/Services.h"
#include "ui/constants.h"

namespace KvSSFunctions {

namespace rec = KvSSValueRecord;

namespace {

enum class Candidates { Sizes, Thicknesses, Widths };

// Tolerances that leave no room at all are the sheet author's mistake, worth telling; the choice still goes
// on and falls back to the rounding within them.
void checkTolerances(double downTol, double upTol) {
    if (downTol + upTol > 0 || !Ork_Settings::standardsMessages())
        return;
    const Ork_String text = Ork_String(u"Invalid tolerances provided.\n DownTolerance is :") + Ork_String(downTol, 2) +
                            u"UpTolerance is :" + Ork_String(upTol, 2) +
                            u"\nAdding both tolerances should result in a positive value.";
    ui::messageBox(adsw_acadMainWnd(), text, u"", ui::MB_OK | ui::MB_ICONEXCLAMATION);
}

// args: file, step, [thickness,] value, downTol, upTol.
int chooseFromFile(SSValueRecord* result, SSValueRecord* args, std::int16_t count, Candidates kind) {
    rec::setEmpty(*result);
    const int numbers = kind == Candidates::Widths ? 5 : 4;
    Ork_String name;
    if (count < numbers + 1 || !rec::readText(args[0], name))
        return false;
    double n[5] = {};
    for (int i = 0; i < numbers; ++i)
        if (!rec::readNumber(args[i + 1], n[i]))
            return false;
    const double step = n[0];
    const double thickness = kind == Candidates::Widths ? n[1] : 0;
    const double value = n[numbers - 3];
    const double downTol = n[numbers - 2];
    const double upTol = n[numbers - 1];

    checkTolerances(downTol, upTol);

    // A list that is missing or unreadable offers no standard value; the rounding step still answers.
    std::vector<KvDataFiles::StdSize> sizes;
    Ork_String path;
    if (KvDataFiles::resolveDataFile(name, path))
        sizes = KvDataFiles::readStdSizes(path);
    AcArray<double> candidates;
    switch (kind) {
    case Candidates::Sizes: candidates = KvStdSizes::sizeCandidates(sizes); break;
    case Candidates::Thicknesses: candidates = KvStdSizes::thicknessCandidates(sizes); break;
    case Candidates::Widths: candidates = KvStdSizes::widthCandidates(sizes, thickness); break;
    }
    rec::setNumber(*result, KvStdSizes::chooseStandard(candidates, step, value, downTol, upTol));
    return true;
}

} // namespace

int stdWidthWithTolerance(SSValueRecord* result, SSValueRecord* args, std::int16_t count) {
    return chooseFromFile(result, args, count, Candidates::Widths);
}

int stdThicknessWithTolerance(SSValueRecord* result, SSValueRecord* args, std::int16_t count) {
    return chooseFromFile(result, args, count, Candidates::Thicknesses);
}

int stdSizeWithTolerance(SSValueRecord* result, SSValueRecord* args, std::int16_t count) {
    return chooseFromFile(result, args, count, Candidates::Sizes);
}

} // namespace KvSSFunctions
