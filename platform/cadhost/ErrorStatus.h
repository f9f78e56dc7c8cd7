#pragma once
// The CAD host's status enumeration. Only the values the module and its stand-ins use are named; every
// value other than eOk is one failure to callers, who never look at the reason.

enum ErrorStatus {
    eOk = 0,
    eInvalidInput = 3,
    // A window (or the grid inside it) that an operation needs could not be created.
    eWindowCreateFailed = 337,
};
