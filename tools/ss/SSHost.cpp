#include "SSHost.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

// An installed ss loads the module installed beside it (SS_INSTALLED_MODULE, from the program's folder); the
// build tree has none there, and ss loads the module it was built with.
std::string SSHost::modulePath() {
    const char* env = std::getenv("SS_MODULE");
    if (env && *env)
        return env;
#ifdef SS_INSTALLED_MODULE
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec) {
        const std::filesystem::path installed = (self.parent_path() / SS_INSTALLED_MODULE).lexically_normal();
        if (std::filesystem::is_regular_file(installed, ec))
            return installed.string();
    }
#endif
    return SS_DEFAULT_MODULE;
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
