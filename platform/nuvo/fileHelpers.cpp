#include "nuvo/fileHelpers.h"

#include "nuvo/textHelpers.h"
#include "os/files.h"
#include "os/paths.h"

#include <vector>

bool ObjectExportReadFile(const Ork_String& path, Ork_StringArray& lines) {
    std::vector<std::u16string> read;
    if (!os::readLines(path, read))
        return false;
    lines.removeAll();
    for (auto& line : read)
        lines.append(Ork_String(std::move(line)));
    return true;
}

bool ObjectExportWriteFile(const Ork_String& path, const Ork_StringArray& lines, bool crlf) {
    const std::vector<std::u16string> out(lines.begin(), lines.end());
    return os::writeLines(path, out, crlf ? os::LineEnding::CRLF : os::LineEnding::LF);
}

bool readFile(const Ork_String& path, Ork_String& name, Ork_Array<Ork_StringArray>& rows) {
    Ork_StringArray lines;
    if (!ObjectExportReadFile(path, lines))
        return false;
    rows.removeAll();
    for (const Ork_String& line : lines)
        rows.append(strToArr(line, u'\t'));
    name = removeExtension(getFileName(path));
    return true;
}

bool writeFile(const Ork_String& path, const Ork_Array<Ork_StringArray>& rows) {
    Ork_StringArray lines;
    for (const Ork_StringArray& row : rows) {
        for (const Ork_String& field : row)
            if (field.find_first_of(u"\t\r\n") != Ork_String::npos)
                return false;
        lines.append(arrToStr(row, u'\t'));
    }
    return ObjectExportWriteFile(path, lines);
}

bool ObjectExportFindFiles(const Ork_String& pattern, Ork_StringArray& paths) {
    paths.removeAll();
    const std::u16string folder = os::folderOf(pattern);
    for (const std::u16string& name : os::listFolder(folder.empty() ? u"." : folder, os::fileNameOf(pattern)))
        paths.append(Ork_String(folder + name));
    return !paths.isEmpty();
}

bool ObjectExportFindFilesRecursive(const Ork_String& folder, const Ork_String& pattern, Ork_StringArray& paths) {
    paths.removeAll();
    for (std::u16string& path : os::findFiles(folder, pattern))
        paths.append(Ork_String(std::move(path)));
    return !paths.isEmpty();
}

bool ObjectExportFileExists(const Ork_String& path) {
    // Files only: a folder named like a sheet, a child or a data file must not hide the library's file.
    return os::fileExists(path);
}

bool ObjectExportCreateDirectory(const Ork_String& path) { return os::createFolder(path); }

bool deleteFile(const Ork_String& path) { return os::deleteFile(path); }
