#pragma once
// What the module asked of the host, in order. Host calls that would act on a drawing or on the host's
// window (prompt, redraw, erase, update) are recorded here so tests can check what was asked and when.
#include <initializer_list>
#include <string>
#include <vector>

namespace cadhost {

struct HostCall {
    std::u16string name;
    std::vector<std::u16string> args;

    // "name" or "name(arg1, arg2)" — the form tests compare against.
    std::u16string text() const;
};

class HostLog {
public:
    static void record(std::u16string name, std::vector<std::u16string> args = {});
    static const std::vector<HostCall>& calls();
    // The calls as texts (see HostCall::text), optionally only those with the given name.
    static std::vector<std::u16string> texts(const std::u16string& onlyName = {});
    static void clear();
};

} // namespace cadhost
