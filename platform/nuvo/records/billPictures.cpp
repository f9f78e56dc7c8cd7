#include "nuvo/records/billPictures.h"

#include "nuvo/records/Ork_Bill.h"
#include "os/files.h"
#include "os/paths.h"
#include "ui/paint/Canvas.h"
#include "ui/paint/bitmapFont.h"
#include "ui/paint/bmpFile.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <system_error>

namespace {

struct PictureState {
    nuvo::BmpDialogState dialog;
    int failures = 0;     // live CreateImageFailure objects
    int skip = 0;         // calls that still succeed before they fail
    nuvo::CreateImageFailure::Mode mode = nuvo::CreateImageFailure::Mode::NoFile;
    unsigned serial = 0;  // keeps file names of one process apart
};

PictureState& state() {
    static PictureState s;
    return s;
}

constexpr int kMaxWidth = 1024;

std::filesystem::path pictureFolder(const Ork_Bill& bill) {
    if (!bill.pictureFolder.isEmpty())
        if (auto folder = os::resolvePath(bill.pictureFolder))
            return *folder;
    std::error_code ec;
    return std::filesystem::temp_directory_path(ec);
}

} // namespace

bool createImage(const Ork_StringArray& texts, Ork_String& pictureFile, int& number, int, int, bool, bool,
                 Ork_Bill* bill, AcDbTransaction* transaction) {
    pictureFile.clear();
    PictureState& s = state();
    if (!bill || !transaction)
        return false;
    bool broken = false;
    if (s.failures > 0) {
        if (s.skip <= 0) {
            if (s.mode == nuvo::CreateImageFailure::Mode::NoFile)
                return false;
            broken = true;
        } else {
            --s.skip;
        }
    }
    Ork_String line;
    for (const Ork_String& text : texts)
        line += (line.isEmpty() ? Ork_String() : Ork_String(u" | ")) + text;
    const int height = std::clamp(bill->pictureHeight, 8, 512);
    const int width = std::clamp(ui::font::textWidth(line) + 8, 16, kMaxWidth);
    ui::Canvas picture(width, height, ui::colors::white);
    picture.frameRect(0, 0, width, height, ui::colors::black);
    ui::font::drawText(picture, 4, std::max(1, (height - ui::font::kLineHeight) / 2), line, ui::colors::black);

    const std::filesystem::path folder = pictureFolder(*bill);
    const std::filesystem::path file =
        folder / ("ss-bill-" + std::to_string(++s.serial) + "-" + std::to_string(number + 1) + ".bmp");
    std::u16string error;
    if (folder.empty())
        return false;
    if (broken) {
        if (!os::writeBytesNative(file, "BM cut short"))
            return false;
    } else if (!ui::writeBmpFile(file, picture, error)) {
        return false;
    }
    ++number;
    if (s.dialog.open)
        ++s.dialog.pictures;
    pictureFile = Ork_String(os::fromNativePath(file));
    return true;
}

bool initBMPDialog(int start) {
    state().dialog = nuvo::BmpDialogState{true, start, 0};
    return true;
}

void closeBMPDialog() { state().dialog.open = false; }

namespace nuvo {

BmpDialogState bmpDialogState() { return state().dialog; }
void resetBmpDialog() { state().dialog = BmpDialogState{}; }

CreateImageFailure::CreateImageFailure(int skip, Mode mode) {
    ++state().failures;
    state().skip = skip;
    state().mode = mode;
}

CreateImageFailure::~CreateImageFailure() {
    if (--state().failures == 0)
        state().skip = 0;
}

} // namespace nuvo
