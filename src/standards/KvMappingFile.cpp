#include "standards/KvMappingFile.h"

#include "nuvo/Ork_Settings.h"
#include "nuvo/fileHelpers.h"
#include "nuvo/textHelpers.h"
#include "os/paths.h"

namespace KvMappingFile {

Ork_String pathOf(const Ork_String& spreadsheet) {
    if (os::isAbsolutePath(spreadsheet))
        return changeExtension(spreadsheet, u"map");
    return changeExtension(Ork_Settings::libDir() + u"Connection Standards\\" + spreadsheet + u".kvs", u"map");
}

bool readLines(const Ork_String& path, Ork_StringArray& lines) {
    Ork_StringArray read;
    if (!ObjectExportReadFile(path, read))
        return false;
    dropHeader(read);
    lines = read;
    return true;
}

void dropHeader(Ork_StringArray& lines) {
    if (!lines.isEmpty() && lines[0].contains(u"Mapping") && lines[0].contains(u"version"))
        lines.removeFirst();
}

bool writeLines(const Ork_String& path, const Ork_StringArray& lines) {
    Ork_StringArray all;
    all.append(kHeader);
    for (const Ork_String& line : lines)
        all.append(line);
    return ObjectExportWriteFile(path, all);
}

Ork_String targetOf(const Ork_String& line) {
    Ork_String target, rest;
    return splitString(line, u'=', target, rest) ? target : Ork_String();
}

Ork_StringArray targetsOf(const Ork_StringArray& lines) {
    Ork_StringArray targets;
    for (const Ork_String& line : lines)
        targets.append(targetOf(line));
    return targets;
}

} // namespace KvMappingFile
