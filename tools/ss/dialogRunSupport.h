#pragma once
// What every entry's run function of `ss dialog` shares: reading its record, refusing a bad one, letting the
// steps drive the dialog it opens, and saying how that dialog ended.
#include "dialogEntries.h"

#include "ui/constants.h"

#include <cstring>
#include <optional>
#include <string>

namespace sscmd {

inline bool badRecord(DialogRun& run, const std::string& error) {
    run.badRecord = true;
    run.error = error;
    return false;
}

// Steps given to an entry point that shows nothing to drive: a wrong use of the command, refused before it runs.
inline bool noDialogForSteps(DialogRun& run, const char* what) {
    run.misuse = true;
    run.error = std::string(what) + " shows no dialog a script can drive";
    return false;
}

// The record's reader, or none for the defaults.
struct Reading {
    explicit Reading(DialogRun& r) : run(r) {
        if (run.record)
            reader.emplace(*run.record, "");
    }
    bool finish() { return !reader || reader->finish() || badRecord(run, reader->error()); }
    DialogRun& run;
    std::optional<RecordReader> reader;
};

// The dialog of template `templateId` is about to open modally: the steps drive it.
inline void driveModal(DialogRun& run, int templateId) {
    run.player->driveModal(templateId, *run.steps, run.atEnd);
}

inline void noteEnding(DialogRun& run) {
    const auto result = run.player->endResult();
    run.ended = !result ? "not shown" : *result == ui::IDOK ? "OK" : "Cancel";
}

// A message box's answer as the user saw it: "... -> 6" becomes "... -> Yes".
inline std::string shownRequest(std::string request) {
    static const std::pair<const char*, const char*> kButtons[] = {
        {" -> 1", " -> OK"}, {" -> 2", " -> Cancel"}, {" -> 3", " -> Abort"}, {" -> 4", " -> Retry"},
        {" -> 5", " -> Ignore"}, {" -> 6", " -> Yes"}, {" -> 7", " -> No"}};
    if (request.rfind("box ", 0) != 0)
        return request;
    for (const auto& [number, name] : kButtons) {
        const std::size_t length = std::strlen(number);
        if (request.size() >= length && request.compare(request.size() - length, length, number) == 0)
            return request.substr(0, request.size() - length) + name;
    }
    return request;
}

} // namespace sscmd
