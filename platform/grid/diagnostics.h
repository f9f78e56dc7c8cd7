#pragma once
// Where the grid's messages for the user go. The grid has no command line of its own: the host that embeds it
// installs a sink (its command-line printer); until then messages go to standard error as UTF-8.
#include <functional>
#include <string_view>

namespace grid {

using DiagnosticSink = std::function<void(std::u16string_view)>;

// Installs the sink; an empty function restores the default (standard error).
void setDiagnosticSink(DiagnosticSink sink);
void reportDiagnostic(std::u16string_view message);

} // namespace grid
