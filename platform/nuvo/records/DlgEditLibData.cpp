#include "nuvo/records/DlgEditLibData.h"

#include "nuvo/Ork_Settings.h"
#include "nuvo/fileHelpers.h"
#include "nuvo/textHelpers.h"

DlgEditLibData::DlgEditLibData() = default;
DlgEditLibData::DlgEditLibData(const DlgEditLibData& other) = default;
DlgEditLibData& DlgEditLibData::operator=(const DlgEditLibData& other) = default;
DlgEditLibData::~DlgEditLibData() = default;

bool DlgEditLibData::GetAvailableFiles() {
    availableFiles.removeAll();
    Ork_StringArray paths;
    if (!ObjectExportFindFiles(Ork_Settings::libDir() + u"prof\\*.pr", paths))
        return false;
    for (const Ork_String& path : paths)
        availableFiles.append(removeExtension(getFileName(path)));
    return !availableFiles.isEmpty();
}

bool operator==(const DlgEditLibData& a, const DlgEditLibData& b) {
    return a.groups == b.groups && a.types == b.types && a.imageNames == b.imageNames &&
           a.availableFiles == b.availableFiles;
}
