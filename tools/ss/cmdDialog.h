#pragma once
// ss dialog: any dialog of the module opened on a record, driven by a script of user steps, pictured as PNG.
// The dialog subsystems' own commands are fronts on runDialogCommand: one script reader, one set of options
// and exit codes.
#include <cstdio>
#include <string>
#include <vector>

namespace sscmd {

// ss dialog --list [--json]
// ss dialog ENTRY [RECORD.json] [--script FILE | --steps 'LINE; LINE'] [--write OUT.json]
//           [--png OUT.png | --png-prefix PREFIX] [--json]
int runDialog(const std::vector<std::string>& args, std::FILE* out, std::FILE* err);

// The same for a command that fixes the entry (a subsystem's own command on one dialog): `args` without the entry name.
// `command` names it in messages.
int runDialogCommand(const std::string& command, const std::string& entry, const std::vector<std::string>& args,
                     std::FILE* out, std::FILE* err);

} // namespace sscmd
