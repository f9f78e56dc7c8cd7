#include "cadhost/CommandLine.h"

#include "cadhost/HostLog.h"
#include "os/utf16.h"

#include <cstdarg>
#include <cstdio>
#include <iostream>

namespace cadhost {
namespace {

PrintSink& currentSink() {
    static PrintSink sink;
    return sink;
}

void emit(std::string_view text) {
    if (const PrintSink& sink = currentSink())
        sink(text);
    else
        std::cout << text << std::flush;
}

std::u16string fromUtf8(const char* s) { return os::toUtf16(s ? std::string_view(s) : std::string_view()); }

// One conversion of printf with its flags, width, precision and length characters already collected in
// `spec` (without the conversion letter). UTF-16 strings and characters are handled here; numbers go to
// the C library, which never sees a locale here because the process stays in the "C" locale.
void formatOne(std::string& out, std::string spec, char conv, va_list& args) {
    // Length modifiers mean nothing for the width of our arguments except for integers.
    std::string flags;
    std::string length;
    for (char c : spec) {
        if (c == 'h' || c == 'l' || c == 'j' || c == 'z' || c == 't' || c == 'L' || c == 'q')
            length += c;
        else
            flags += c;
    }
    char buffer[512];
    switch (conv) {
    case 's':
    case 'S': {
        const auto* text = va_arg(args, const char16_t*);
        const std::string utf8 = text ? os::toUtf8(text) : std::string("(null)");
        // Width and precision count characters; applied on the UTF-8 bytes they would split characters,
        // so only the plain form is honoured.
        out += utf8;
        return;
    }
    case 'c':
    case 'C': {
        const char16_t c = static_cast<char16_t>(va_arg(args, int));
        out += os::toUtf8(std::u16string_view(&c, 1));
        return;
    }
    case 'd':
    case 'i':
    case 'u':
    case 'x':
    case 'X':
    case 'o': {
        const std::string f = "%" + flags + "ll" + conv;
        if (length == "ll" || length == "l" || length == "j" || length == "z" || length == "t" || length == "q") {
            long long v = (length == "z") ? static_cast<long long>(va_arg(args, size_t)) : va_arg(args, long long);
            std::snprintf(buffer, sizeof buffer, f.c_str(), v);
        } else {
            int v = va_arg(args, int);
            long long wide = (conv == 'd' || conv == 'i') ? static_cast<long long>(v)
                                                          : static_cast<long long>(static_cast<unsigned>(v));
            std::snprintf(buffer, sizeof buffer, f.c_str(), wide);
        }
        out += buffer;
        return;
    }
    case 'f':
    case 'F':
    case 'e':
    case 'E':
    case 'g':
    case 'G':
    case 'a':
    case 'A': {
        const std::string f = "%" + flags + conv;
        const double v = va_arg(args, double);
        const int n = std::snprintf(buffer, sizeof buffer, f.c_str(), v);
        if (n >= static_cast<int>(sizeof buffer)) {
            std::string big(static_cast<std::size_t>(n) + 1, '\0');
            std::snprintf(big.data(), big.size(), f.c_str(), v);
            big.resize(static_cast<std::size_t>(n));
            out += big;
        } else if (n > 0) {
            out += buffer;
        }
        return;
    }
    case 'p': {
        std::snprintf(buffer, sizeof buffer, "%p", va_arg(args, void*));
        out += buffer;
        return;
    }
    default:
        // An unknown conversion is printed as written rather than guessed at, and consumes no argument.
        out += '%';
        out += spec;
        out += conv;
        return;
    }
}

std::string vformat(std::u16string_view format, va_list& args) {
    std::string out;
    std::size_t i = 0;
    while (i < format.size()) {
        const std::size_t pct = format.find(u'%', i);
        if (pct == std::u16string_view::npos) {
            out += os::toUtf8(format.substr(i));
            break;
        }
        out += os::toUtf8(format.substr(i, pct - i));
        std::size_t j = pct + 1;
        if (j < format.size() && format[j] == u'%') {
            out += '%';
            i = j + 1;
            continue;
        }
        std::string spec;
        while (j < format.size()) {
            const char16_t c = format[j];
            // '*' would take its width from the arguments; it is read and honoured as a number.
            if (c == u'*') {
                spec += std::to_string(va_arg(args, int));
                ++j;
            } else if (c < 0x80 && std::string_view("-+ #0123456789.hljztLq").find(static_cast<char>(c)) !=
                                       std::string_view::npos) {
                spec += static_cast<char>(c);
                ++j;
            } else {
                break;
            }
        }
        if (j >= format.size()) {   // a format ending inside a conversion prints what it has
            out += '%';
            out += spec;
            break;
        }
        const char16_t conv = format[j];
        if (conv >= 0x80) {
            out += '%';
            out += spec;
            i = j;
            continue;
        }
        formatOne(out, spec, static_cast<char>(conv), args);
        i = j + 1;
    }
    return out;
}

} // namespace

PrintSink setPrintSink(PrintSink sink) {
    PrintSink old = std::move(currentSink());
    currentSink() = std::move(sink);
    return old;
}

std::string formatPrint(const char16_t* format, ...) {
    va_list args;
    va_start(args, format);
    std::string text = vformat(format ? std::u16string_view(format) : std::u16string_view(), args);
    va_end(args);
    return text;
}

PrintCapture::PrintCapture() {
    previous_ = setPrintSink([this](std::string_view text) { text_ += text; });
}

PrintCapture::~PrintCapture() { setPrintSink(std::move(previous_)); }

} // namespace cadhost

void acutPrintf(const char16_t* format, ...) {
    va_list args;
    va_start(args, format);
    const std::string text = cadhost::vformat(format ? std::u16string_view(format) : std::u16string_view(), args);
    va_end(args);
    cadhost::emit(text);
}

void acutPrintf(const char* format, ...) {
    const std::u16string wide = cadhost::fromUtf8(format);
    va_list args;
    va_start(args, format);
    const std::string text = cadhost::vformat(wide, args);
    va_end(args);
    cadhost::emit(text);
}

void acedPostCommandPrompt() { cadhost::HostLog::record(u"acedPostCommandPrompt"); }

void acedPostCommand(const char16_t* command) {
    cadhost::HostLog::record(u"acedPostCommand", {command ? std::u16string(command) : std::u16string()});
}

void acedUpdateDisplay() { cadhost::HostLog::record(u"acedUpdateDisplay"); }
