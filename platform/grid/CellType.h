#pragma once
// The type record of a cell: how it is edited and shown, and how text written into it becomes its value.
#include <cstdint>
#include <memory>
#include <string>

namespace grid {

enum class CellKind : std::uint8_t {
    General,       // no type set: a text that reads as a number is a number
    Edit,          // text as typed
    Number,        // floating number with decimals, range and thousands separator
    Integer,
    StaticText,
    ComboBox,
    CheckBox,
    Button,
    Picture,
    PictureFile,
};

struct CellType {
    CellKind kind = CellKind::General;
    std::int32_t style = 0;
    // Edit: the longest text a user may type; never a cut on what the program writes.
    int maxLength = 0;
    int charSet = 0;
    int charCase = 0;
    // Number and Integer.
    int decimals = 2;
    double minimum = 0;
    double maximum = 0;
    bool separator = false;
    // ComboBox: the items, TAB-separated. CheckBox: its text. Button: its caption. PictureFile: the file.
    std::u16string text;
    // Picture: the picture handle (the window layer's); Button: its button kind and shadow size.
    std::uint64_t picture = 0;
    int buttonKind = 0;
    int shadowSize = 1;
    // PictureFile: the picture's bytes as read when the type was made. The file is often temporary (a bill's
    // pictures are deleted once their rows stand), so whatever shows or exports the picture later reads these.
    std::shared_ptr<const std::string> pictureBytes;

    // The numeric type code the module compares: 8 combo box, 10 integer, 12 check box, 14 number (15 and 16
    // are the other floating types of the original grid and are not produced here); the others are ours.
    int typeCode() const;
    bool operator==(const CellType&) const = default;
};

} // namespace grid
