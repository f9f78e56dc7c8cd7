// The exported class-registration functions of the property-palette components.
#include "SS/SSExports.h"

// Registering and cleaning up write the system registry; until the class table is here, nothing is
// registered and the callers learn it.
ErrorStatus SSregisterOpmCLSIDs() { return eInvalidInput; }
ErrorStatus SScleanupComRegistry() { return eInvalidInput; }
ErrorStatus SSprintCLSIDs() { return eOk; }
