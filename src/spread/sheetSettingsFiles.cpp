#include "spread/sheetSettingsFiles.h"

#include "nuvo/Ork_Settings.h"
#include "nuvo/textHelpers.h"
#include "os/files.h"
#include "os/paths.h"
#include "os/textCase.h"
#include "spread/KvSSRegistrySets.h"
#include "spread/KvSSSettings.h"
#include "spread/Ork_Spread.h"

namespace {

bool isSlash(char16_t c) { return c == u'\\' || c == u'/'; }

// Up to and including the last separator; empty when there is none.
Ork_String folderPart(const Ork_String& path) {
    for (int i = path.len() - 1; i >= 0; --i)
        if (isSlash(path[static_cast<size_t>(i)]))
            return path.left(i + 1);
    return Ork_String();
}

// The folder one level up ("C:\a\b\" -> "C:\a\"); a root stays as it is.
Ork_String parentFolder(const Ork_String& folder) {
    int end = folder.len();
    if (end > 0 && isSlash(folder[static_cast<size_t>(end - 1)]))
        --end;
    for (int i = end - 1; i >= 0; --i)
        if (isSlash(folder[static_cast<size_t>(i)]))
            return folder.left(i + 1);
    return folder;
}

// A plain existing file; a name holding wildcards never names one.
bool existingFile(const Ork_String& path) {
    return !path.isEmpty() && !os::hasWildcard(os::fileNameOf(path)) && os::fileExists(path);
}

// Folder prefixes compare without case, and "\" and "/" as the same separator, so a POSIX-style document path
// and a Windows-style file path can still meet.
bool startsWithFolder(const Ork_String& file, const Ork_String& folder) {
    if (folder.isEmpty() || file.len() < folder.len())
        return false;
    for (size_t i = 0; i < folder.size(); ++i) {
        const char16_t a = file[i], b = folder[i];
        if (isSlash(a) && isSlash(b))
            continue;
        if (os::upperCase(a) != os::upperCase(b))
            return false;
    }
    return true;
}

// Copies when the target is missing or older than the source.
bool copyIfNewer(const Ork_String& source, const Ork_String& target) {
    if (existingFile(target)) {
        const auto sourceTime = os::modificationTime(source);
        const auto targetTime = os::modificationTime(target);
        if (sourceTime && targetTime && *targetTime >= *sourceTime)
            return true;
    }
    return os::copyFile(source, target);
}

} // namespace

Ork_String installationFolder() { return Ork_Settings::asFolder(Ork_Settings::orkDir()); }

Ork_String absolutePath(const Ork_String& documentPath, const Ork_String& file) {
    if (file.isEmpty() || file.contains(u":") || file.contains(u"\\\\") || isSlash(file[0]))
        return file;
    Ork_String name = file;
    bool up = false;
    for (const char16_t* climb : {u"..\\", u"../"}) {
        const int at = name.indexOf(climb);
        if (at >= 0) {
            name.erase(static_cast<size_t>(at), 3);
            up = true;
            break;
        }
    }
    if (!documentPath.isEmpty()) {
        Ork_String folder = folderPart(documentPath);
        if (up)
            folder = parentFolder(folder);
        if (existingFile(folder + name))
            return folder + name;
    }
    Ork_String folder = installationFolder();
    if (up)
        folder = parentFolder(folder);
    if (existingFile(folder + name))
        return folder + name;
    return file;
}

Ork_String makeRelative(const Ork_String& documentPath, const Ork_String& file) {
    if (!existingFile(file))
        return file;
    const Ork_String documentFolder = documentPath.isEmpty() ? Ork_String() : folderPart(documentPath);
    if (startsWithFolder(file, documentFolder))
        return file.mid(documentFolder.len());
    const Ork_String installed = installationFolder();
    if (startsWithFolder(file, installed))
        return file.mid(installed.len());
    return file;
}

bool prepareSheetFromSettings(Ork_Spread* grid, const Ork_String& name, bool newSheet, KvSSSettings* applied) {
    if (!grid || !grid->isCreated())
        return false;
    // 25 and 21 are switches the grid only stores; the preparation sets them by number.
    for (int index : {int(grid::kSwitchCalcSheet), 25, int(grid::kSwitchAutoCalc), 21})
        grid->ssSetBool(index, true);
    if (newSheet) {
        grid->setMaxCols(6);
        grid->setMaxRows(11);
        grid->ssSetStartingNumbers(4, 5);
        grid->setEditType(1, 1, 6, 11, 4, 100);
    }
    KvSSSettings settings;
    if (!settings.readFile(name)) {
        KvSSRegistrySets registry;
        registry.read();
        if (!registry.m_defaultSettings.isEmpty())
            settings.readFile(registry.m_defaultSettings);
    }
    settings.writeToSheet(grid);
    if (!settings.m_defaultFont.isEmpty() && settings.m_defaultTextHeight > 0) {
        const int columns = grid->getMaxCols(), rows = grid->getMaxRows();
        const Ork_String& face = settings.m_defaultFont;
        const int height = settings.m_defaultTextHeight;
        if (columns > 0 && rows > 0)
            grid->setFontRange(1, 1, columns, rows, face, height, false, false);
        grid->setFontRange(Ork_Spread::kHeader, 0, Ork_Spread::kHeader, rows, face, height, true, false);
        grid->setFontRange(0, Ork_Spread::kHeader, columns, Ork_Spread::kHeader, face, height, true, false);
    }
    int status = 0;
    long delay = 0;
    grid::Font font;
    ui::Color back = 0, fore = 0;
    grid->ssGetTextTip(status, delay, font, back, fore);
    grid->ssSetTextTip(2, 10, font, back, fore);
    grid->ssSetCellNoteIndicator(0);
    if (applied)
        *applied = settings;
    return true;
}

bool copyPrintFile(KvSSSettings& settings, const Ork_String& sheetPath, bool header) {
    const Ork_String folder = folderPart(sheetPath);
    const Ork_String source = absolutePath(sheetPath, header ? settings.m_headerFile : settings.m_footerFile);
    if (!existingFile(source))
        return false;
    const Ork_String target = folder + Ork_String(os::fileNameOf(source));
    if (!copyIfNewer(source, target))
        return false;
    const Ork_String picture = changeExtension(source, u"bmp");
    if (existingFile(picture))
        copyIfNewer(picture, changeExtension(target, u"bmp"));
    if (header)
        settings.setHeaderFile(sheetPath, target);
    else
        settings.setFooterFile(sheetPath, target);
    return true;
}

bool saveSheetWithSettings(Ork_Spread* grid, const Ork_String& path) {
    if (!grid || !grid->isCreated() || !grid->ssSaveToFile(path.c_str(), false))
        return false;
    grid->ssSetBool(grid::kSwitchModified, false);
    KvSSSettings settings;
    settings.readFromSheet(grid);
    // Both files travel with the sheet: a footer must not be left behind because a header was copied.
    const bool headerCopied = copyPrintFile(settings, path, true);
    const bool footerCopied = copyPrintFile(settings, path, false);
    if (headerCopied || footerCopied)
        settings.writeToSheet(grid);
    return true;
}
