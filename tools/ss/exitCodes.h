#pragma once
// The exit codes of every `ss` command, one table for all of them: a script running `ss` tells from the code
// alone which kind of step failed, whatever the command. A new command takes its codes from here, and a new
// kind of failure gets the next number here (and a line in docs/ss.md), never a number of its own.

namespace sscmd {

enum : int {
    kExitOk = 0,                // done
    kExitUsage = 1,             // unknown option, missing or extra argument, a name the input does not declare
    kExitBadInput = 2,          // an input file cannot be read or is malformed
    kExitCannotWrite = 3,       // an output file cannot be written
    kExitNoModule = 4,          // the module could not be loaded
    kExitEvaluationFailed = 5,  // the module refused the evaluation (a message says why)
    kExitNoValue = 6,           // ss table: the look-up found no value
    kExitStepFailed = 7,        // ss dialog: a step that cannot be done, an expect that fails, a dialog left
                                // unanswered
};

} // namespace sscmd
