#include "SSHost.h"

#include <cstdio>
#include <cstdlib>

std::string SSHost::modulePath() {
    const char* env = std::getenv("SS_MODULE");
    return env && *env ? env : SS_DEFAULT_MODULE;
}

bool SSHost::load() {
    if (m_host.load(modulePath(), u"SS"))
        return true;
    std::fprintf(stderr, "ss: cannot load the module: %s\n", m_host.error().c_str());
    return false;
}

SSHost::~SSHost() {
    if (m_host.isLoaded() && (!m_host.unload() || !m_host.error().empty()))
        std::fprintf(stderr, "ss: %s\n", m_host.error().c_str());
}
