#pragma once
// The host's command line: what the module prints there and the prompt requests it makes.
//
// acutPrintf formats like printf, with one difference that the module's text needs: "%s" (and "%ls") take
// UTF-16 text (const char16_t*), because all text inside the module is UTF-16. "%c" takes one UTF-16 unit.
// Numbers are formatted as the C library does ("%d", "%5.2f", "%x" ...); "%%" is a percent sign. The
// result goes to the current sink as UTF-8: standard output unless a test or the `ss` tool installs one.
#include <functional>
#include <string>
#include <string_view>

void acutPrintf(const char16_t* format, ...);
void acutPrintf(const char* format, ...);   // the same, for a UTF-8 format

// Asks the host to show its command prompt again (after a modeless window ends). Recorded.
void acedPostCommandPrompt();
// Queues a command for the command line. Recorded with the command text.
void acedPostCommand(const char16_t* command);
// Asks the host to redraw the drawing views. Recorded.
void acedUpdateDisplay();

namespace cadhost {

using PrintSink = std::function<void(std::string_view utf8)>;

// Installs where printed text goes and returns the sink it replaces. An empty sink restores standard output.
PrintSink setPrintSink(PrintSink sink);

// The whole printf-style formatting of acutPrintf, for callers that have a va_list or want the text.
std::string formatPrint(const char16_t* format, ...);

// Collects everything printed while it lives (tests, and the `ss` tool's JSON output).
class PrintCapture {
public:
    PrintCapture();
    ~PrintCapture();
    PrintCapture(const PrintCapture&) = delete;
    PrintCapture& operator=(const PrintCapture&) = delete;

    const std::string& text() const { return text_; }
    void clear() { text_.clear(); }

private:
    std::string text_;
    PrintSink previous_;
};

} // namespace cadhost
