#pragma once
// The steps of a command's --script FILE or --steps 'A; B', read and checked whole before anything runs.
#include "dialogScript.h"
#include "exitCodes.h"
#include "inputFile.h"

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace sscmd {

// Nothing when the steps could be read (none when neither is given); otherwise the exit code, with the
// reason on `err` after `command` ("ss macro"): the script's line, or the step of --steps.
inline std::optional<int> readScriptSteps(const char* command, const std::string& script,
                                          const std::optional<std::string>& stepsOption,
                                          std::vector<ssdialog::Step>& steps, std::FILE* err) {
    ssdialog::ScriptError error;
    if (!script.empty()) {
        std::string text;
        if (!readInputFile(script, text)) {
            std::fprintf(err, "%s: the script %s cannot be read\n", command, script.c_str());
            return kExitBadInput;
        }
        if (!ssdialog::parseScript(text, steps, error)) {
            std::fprintf(err, "%s: %s:%d: %s\n", command, script.c_str(), error.line, error.message.c_str());
            return kExitUsage;
        }
    } else if (stepsOption && !ssdialog::parseStepsOption(*stepsOption, steps, error)) {
        std::fprintf(err, "%s: --steps, step %d: %s\n", command, error.line, error.message.c_str());
        return kExitUsage;
    }
    return std::nullopt;
}

} // namespace sscmd
