#pragma once
// The host's DSTV point files: their folder below the library folder, the files in it, the standard one
// (kept in the registry store), and one file's points read and written. The side lists and the
// start-direction list the point editor offers are the host's general texts.
#include "nuvo/Ork_Array.h"
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"
#include "nuvo/dstv/Ork_DstvPointInfo.h"

class DlgDstvPoints {
public:
    // The library folder's "DSTV Points\".
    static Ork_String getDstvPointsFolder();
    // The names of the point files in the folder (".dat", the extension removed), sorted without case.
    // False when there are none.
    static bool getAllDstvPointsFiles(Ork_StringArray& names);
    // The standard file's name with its extension ("Standard.dat"). While none is set, the host's installation
    // default: "Standard.dat" when the folder holds that file, else empty.
    static Ork_String getStandardDstvPointsFile();
    // False when the registry store cannot be written; the old setting then stays.
    static bool setStandardDstvPointsFile(const Ork_String& fileName);

    // The entries of the editor's side lists: the first two are sides of one kind, the others of the other.
    static Ork_StringArray sideTexts();
    static Ork_StringArray startDirectionTexts();

    // Reads the file's points (see nuvo/dstv/dstvPointFile.h). False, with the points unchanged and the
    // reason in lastError(), when the file cannot be read or is malformed.
    bool readFromFile(const Ork_String& path);
    // Writes them atomically; false (the old file kept) when that fails.
    bool writeToFile(const Ork_String& path) const;
    const Ork_String& lastError() const { return m_error; }

    Ork_Array<Ork_DstvPointInfo> points;

private:
    Ork_String m_error;
};
