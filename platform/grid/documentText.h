#pragma once
// The lexical pieces of the grid's document lines: quoted texts, numbers written so that they read back to
// the same bits, and the splitting of a line into words, quoted texts and key=value pairs.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace grid {

// A text in double quotes on one line: \\ \" \n \r \t, and \uXXXX for other control characters and for
// unpaired surrogates; every other character as it is.
std::u16string quoteText(std::u16string_view text);

// The shortest decimal text that reads back to the same double.
std::u16string exactNumber(double n);
std::u16string decimalText(long long n);
// "0x" and eight hexadecimal digits: colours keep their system-colour flag (0x80000000) readable.
std::u16string hexText(std::uint32_t n);

bool readInteger(std::u16string_view text, long long min, long long max, long long& out);
bool readFiniteNumber(std::u16string_view text, double& out);
// Decimal or "0x" hexadecimal, 0 to 0xFFFFFFFF.
bool readUnsigned32(std::u16string_view text, std::uint32_t& out);

// One word of a line: a bare word, a quoted text, or key=value where the value is either.
struct LineToken {
    std::u16string key;     // empty unless the word was key=value
    std::u16string text;    // the word, the unquoted text, or the value
    bool quoted = false;
};

// Splits a line at blanks; false with a reason for an unclosed quote, a bad escape or text glued to a quote.
bool splitLine(std::u16string_view line, std::vector<LineToken>& tokens, std::u16string& error);

// The whole file as bytes, refused before reading when larger than `maxBytes` (so a hostile file cannot make
// a reader allocate without bound). Failures are "PATH: why" in `error`; `kind` names the format in the
// message about the size.
// The same as one shared text (see os::readShared).
bool readSharedBytes(std::u16string_view path, std::uint64_t maxBytes, std::u16string_view kind,
                     std::shared_ptr<const std::string>& bytes, std::u16string& error);
bool readFileBytes(std::u16string_view path, std::uint64_t maxBytes, std::u16string_view kind, std::string& bytes,
                   std::u16string& error);
// The file written atomically; "PATH: cannot be written" in `error` on failure.
bool writeFileBytes(std::u16string_view path, std::string_view bytes, std::u16string& error);
// "PATH: why" in `error`; always false, for returning a failure in one statement.
bool fileError(std::u16string_view path, std::u16string_view why, std::u16string& error);

} // namespace grid
