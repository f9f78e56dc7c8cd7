// Any bytes given as a DSTV point file: the reader accepts or refuses them without crashing, and what it
// accepts writes back to a text that reads back to the same points and the same text.
#include "nuvo/dstv/dstvPointFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Ork_Array<Ork_DstvPointInfo> points;
    Ork_String error;
    if (!nuvo::parseDstvPoints(bytes, points, error)) {
        if (error.isEmpty())
            std::abort();  // a refusal always says why
        return 0;
    }
    const std::string text = nuvo::dstvPointsText(points);
    Ork_Array<Ork_DstvPointInfo> back;
    if (!nuvo::parseDstvPoints(text, back, error) || back.length() != points.length())
        std::abort();
    // Names are compared as UTF-8 carries them: a lone surrogate cannot come back unchanged.
    if (nuvo::dstvPointsText(back) != text)
        std::abort();
    return 0;
}
