#pragma once
// What every entry's run function of `ss dialog` shares: reading its record, refusing a bad one, letting the
// steps drive the dialog it opens, and saying how that dialog ended.
#include "dialogEntries.h"

#include "ui/constants.h"

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

} // namespace sscmd
