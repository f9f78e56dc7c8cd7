#include "cadhost/HostLog.h"

namespace cadhost {
namespace {

std::vector<HostCall>& log() {
    static std::vector<HostCall> calls;
    return calls;
}

} // namespace

std::u16string HostCall::text() const {
    if (args.empty())
        return name;
    std::u16string out = name + u"(";
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (i)
            out += u", ";
        out += args[i];
    }
    return out + u")";
}

void HostLog::record(std::u16string name, std::vector<std::u16string> args) {
    log().push_back({std::move(name), std::move(args)});
}

const std::vector<HostCall>& HostLog::calls() { return log(); }

std::vector<std::u16string> HostLog::texts(const std::u16string& onlyName) {
    std::vector<std::u16string> out;
    for (const HostCall& c : log())
        if (onlyName.empty() || c.name == onlyName)
            out.push_back(c.text());
    return out;
}

void HostLog::clear() { log().clear(); }

} // namespace cadhost
