#pragma once
// The host's picture maker for bill lines: a small picture of one line's part, written as a BMP file, with a
// progress window around a run of pictures. Here the picture shows the line's texts; a test can make the
// next pictures fail.
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"

class AcDbTransaction;
class Ork_Bill;

// Writes the picture of the line and gives its file. `number` is the host's running picture number: it is
// advanced for every picture made. False (and an empty file) without a bill or transaction, when failures are
// injected, or when the file cannot be written.
bool createImage(const Ork_StringArray& texts, Ork_String& pictureFile, int& number, int size, int view,
                 bool hidden, bool dimensions, Ork_Bill* bill, AcDbTransaction* transaction);
// Opens the progress window that accompanies a run of pictures, starting its count at `start`.
bool initBMPDialog(int start);
void closeBMPDialog();

namespace nuvo {

// What the progress window shows, for tests: open, its start value, and the pictures made while open.
struct BmpDialogState {
    bool open = false;
    int start = 0;
    int pictures = 0;
};
BmpDialogState bmpDialogState();
void resetBmpDialog();

// While alive, createImage fails (for the first `skip` calls it still succeeds): it makes no file, or it makes
// a file that is no picture and reports success, as a host that was cut short might.
class CreateImageFailure {
public:
    enum class Mode { NoFile, NotAPicture };
    explicit CreateImageFailure(int skip = 0, Mode mode = Mode::NoFile);
    ~CreateImageFailure();
    CreateImageFailure(const CreateImageFailure&) = delete;
    CreateImageFailure& operator=(const CreateImageFailure&) = delete;
};

} // namespace nuvo
