#pragma once
// The section library record on file: "prof\library.json" in the library folder (docs/formats.md, "Section
// library record"). Reading checks the whole document before the record changes: a malformed file is refused
// with a message naming the place ("groups[1].id: a second group with identifier 2") and the record stays as
// it was. The available value tables are not stored; they are the folder's ".pr" files.
#include "nuvo/Ork_String.h"
#include "nuvo/records/DlgEditLibData.h"

#include <cstddef>
#include <string>
#include <string_view>

// Files larger than this are refused unread.
constexpr std::size_t kMaxLibraryRecordBytes = 4u << 20;

// Ork_Settings::libDir() + "prof\library.json".
Ork_String libraryRecordPath();

bool readLibraryRecord(const Ork_String& path, DlgEditLibData& data, Ork_String& error);
bool readLibraryRecordText(std::string_view utf8, DlgEditLibData& data, Ork_String& error);

// Written atomically; false (old file untouched) when the file cannot be written.
bool writeLibraryRecord(const Ork_String& path, const DlgEditLibData& data, Ork_String& error);
std::string libraryRecordText(const DlgEditLibData& data);
