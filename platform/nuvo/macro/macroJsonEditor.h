#pragma once
// The definition editor's part of a macro file: constraint editor data, module geometry, variables,
// dimensions and equations, and the macro's groups and general settings (docs/formats.md, "Macro files").
// The macro file's reader takes these keys out of the document before it reads the rest, and reads them
// after it; files without them read as before.
#include "nuvo/macro/Ork_Macro.h"

#include <nlohmann/json.hpp>

#include <string>

namespace nuvo {

// Moves the editor's keys out of `doc` into `parts`, keeping their places (module and constraint index).
// Never fails: what is not where the keys belong stays for the main reader to refuse.
void takeEditorJson(nlohmann::ordered_json& doc, nlohmann::ordered_json& parts);
// Reads the parts into a macro whose modules and constraints the main reader has read; false with the
// place and the fault in `message`.
bool readEditorJson(const nlohmann::ordered_json& parts, Ork_Macro& macro, std::string& message);
// Adds the editor's keys of `macro` to a written document.
void addEditorJson(const Ork_Macro& macro, nlohmann::ordered_json& doc);

} // namespace nuvo
