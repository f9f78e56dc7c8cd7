#pragma once
// The module as `ss` runs it: loaded for the length of one command (attach, message 1), then unloaded
// (message 2, pending timers let finish, detach). What the module prints on the host's command line goes to
// standard output.
#include "cadhost/ModuleHost.h"

#include <string>

class SSHost {
public:
    // The module file: $SS_MODULE, else the libSS.so installed beside an installed ss, else the one this program
    // was built with.
    static std::string modulePath();

    // False, with the reason on standard error, when the module cannot be loaded.
    bool load();
    // An exported object or function of the loaded module, by its symbol name.
    template <class T>
    T* find(const char* name) const {
        return static_cast<T*>(m_host.symbol(name));
    }
    ~SSHost();

private:
    cadhost::ModuleHost m_host;
};
