#pragma once
// Every dialog of the module that `ss dialog` can open: the exported entry points that show a dialog, by a
// short name, with the record each one takes, and the dialogs that have no entry point of their own but are
// reached the way the host reaches them. A dialog whose subsystem has not been built yet is listed as not
// available; its issue makes it available by filling in `run`.
#include "dialogPlayer.h"
#include "recordJson.h"

#include <string>
#include <vector>

namespace sscmd {

// One run of one entry point: the record read from the user's file (empty for the defaults), the steps, and
// what the run gives back.
struct DialogRun {
    const Json* record = nullptr;   // null: the record's defaults
    const std::vector<ssdialog::Step>* steps = nullptr;
    DialogPlayer* player = nullptr;
    // Gets the dialog's picture as the script left it (the end picture).
    DialogPlayer::EndPicture atEnd;

    // Filled by the entry: the record as the entry point returned it, whether the entry point returned
    // success, and how the dialog ended ("OK", "Cancel", "still open").
    Json recordOut = Json::object();
    bool returned = true;
    std::string ended;
    std::string error;              // a malformed record: the key's path and what is wrong
    bool badRecord = false;
    bool misuse = false;            // steps for an entry point that shows nothing to drive
};

struct DialogEntry {
    const char* name;        // the short name ("stringarray")
    const char* entryPoint;  // what the host calls ("startGridDialog")
    const char* record;      // the record's form in docs/formats.md ("string-array")
    bool modal;
    // Runs the entry point; null while the dialog is not available yet.
    bool (*run)(DialogRun& run);
    const char* note;        // how the dialog is reached, or why it is not available yet
};

const std::vector<DialogEntry>& dialogEntries();
// By short name or entry point name, ignoring case; null when there is none.
const DialogEntry* findDialogEntry(const std::string& name);

} // namespace sscmd
