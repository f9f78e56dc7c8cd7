#include "base/KvModuleFolder.h"

#include "os/loadedFile.h"

#include <optional>

namespace {

std::optional<Ork_String>& overridden() {
    static std::optional<Ork_String> folder;
    return folder;
}

Ork_String withSeparator(Ork_String folder) {
    if (!folder.isEmpty() && !folder.endsWith(u"\\"))
        folder += u"\\";
    return folder;
}

} // namespace

Ork_String ssModuleFolder() {
    if (overridden())
        return *overridden();
    // Any function of this module tells the loader which file it came from.
    const std::filesystem::path file = os::loadedFileOf(reinterpret_cast<const void*>(&ssModuleFolder));
    if (file.empty())
        return {};
    Ork_String folder = Ork_String::fromUtf8(file.parent_path().string());
    folder.replaceAll(u"/", u"\\");
    return withSeparator(folder);
}

KvModuleFolderOverride::KvModuleFolderOverride(const Ork_String& folder)
    : m_previous(overridden().value_or(Ork_String())), m_hadPrevious(overridden().has_value()) {
    overridden() = withSeparator(folder);
}

KvModuleFolderOverride::~KvModuleFolderOverride() {
    if (m_hadPrevious)
        overridden() = m_previous;
    else
        overridden().reset();
}
