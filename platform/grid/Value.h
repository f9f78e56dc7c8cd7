#pragma once
// One value of the formula language: empty (a blank cell), a number, a logical, a text or an error.
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

namespace grid {

enum class ErrorCode : std::uint8_t { None, Div0, Value, Ref, Name, NA, Num, Circular };

// The error's text as a cell shows it ("#DIV/0!"); the circular error reads "#CIRC!".
std::u16string_view errorText(ErrorCode code);
// Recognises an error text (case-insensitive); ErrorCode::None when it is none.
ErrorCode errorFromText(std::u16string_view text);

enum class ValueKind : std::uint8_t { Empty, Number, Bool, Text, Error };

class Value {
public:
    Value() = default;
    static Value number(double n);
    static Value boolean(bool b);
    static Value text(std::u16string_view t);
    static Value error(ErrorCode e);

    ValueKind kind() const { return kind_; }
    bool isEmpty() const { return kind_ == ValueKind::Empty; }
    bool isNumber() const { return kind_ == ValueKind::Number; }
    bool isBool() const { return kind_ == ValueKind::Bool; }
    bool isText() const { return kind_ == ValueKind::Text; }
    bool isError() const { return kind_ == ValueKind::Error; }

    double numberValue() const { return num_; }           // numbers; logicals as 1 / 0
    bool boolValue() const { return num_ != 0; }
    std::u16string_view textValue() const { return text_ ? std::u16string_view(text_.get(), length_) : std::u16string_view(); }
    ErrorCode errorValue() const { return error_; }

    // The value as plain text: numbers with at most 15 significant digits, "TRUE" / "FALSE", error texts.
    std::u16string toText() const;

    bool operator==(const Value& other) const;

private:
    ValueKind kind_ = ValueKind::Empty;
    ErrorCode error_ = ErrorCode::None;
    std::uint32_t length_ = 0;   // of the text
    double num_ = 0;
    // Shared: values are copied through every calculation. The characters share one allocation with the count,
    // so reading a text costs one memory access, not two.
    std::shared_ptr<const char16_t[]> text_;
};

// Shortest text of a number with at most 15 significant digits ("0.3", "1E+20", "-12.5"); NaN or an infinity
// never reaches a cell (they are #NUM!) but format as "#NUM!".
std::u16string formatNumber(double n);
// Fixed notation with exactly `decimals` decimals, rounded half away from zero; thousands separated by ","
// when asked.
std::u16string formatFixed(double n, int decimals, bool thousands = false);
// Reads a whole text as a number (leading and trailing blanks allowed, "1e3", "12%", "-.5"); false when the text
// is no number.
bool parseNumber(std::u16string_view text, double& out);

// Joins texts by appending. (GCC 12 at -O3 warns falsely, -Wrestrict, on "literal" + std::u16string.)
std::u16string joinText(std::initializer_list<std::u16string_view> parts);

// Rounds to 15 significant digits, the precision a spreadsheet user sees: keeps 0.1 + 0.2 = 0.3 true.
double roundToSignificant(double n);

} // namespace grid
