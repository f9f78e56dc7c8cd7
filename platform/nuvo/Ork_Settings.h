#pragma once
// The host library's settings: where the library and the installation are, the working language, and
// whether the standards engine shows its messages.
//
// Sources, strongest first: values set by the program (set...), the environment (SS_LIBRARY for the
// library folder, SS_HOME for the installation folder, SS_SETTINGS for the settings file), the settings
// file, and the defaults (the installation folder is the project folder this library was built from,
// the library folder its bundled "samples\library\").
//
// The settings file (by default "ss.ini" in the installation folder) holds lines "key = value"; "#" and
// ";" start comment lines. Keys: library, language, standardsMessages (1/0, true/false, on/off) and
// drive.<letter> (the folder a drive letter stands for, e.g. "drive.c = /srv/cad").
//
// Folders are returned as the module's paths: "\" separators and a trailing "\", so callers append
// sub-folders directly (libDir() + "prof\").
#include "nuvo/Ork_String.h"

class Ork_Settings {
public:
    static Ork_String libDir();
    static Ork_String orkDir();
    static Ork_String language();            // default "English"
    static bool standardsMessages();         // default true

    // Reads a settings file over the current values (environment values still win). False when the
    // file cannot be read; a line that is not "key = value" is skipped.
    static bool load(const Ork_String& settingsFile);
    // Forgets everything set or loaded and reads the environment and default settings file again.
    static void reset();

    static void setLibDir(const Ork_String& folder);
    static void setOrkDir(const Ork_String& folder);
    static void setLanguage(const Ork_String& language);
    static void setStandardsMessages(bool on);

    // A folder as the module writes it: "/" turned into "\" and a trailing "\" added.
    static Ork_String asFolder(const Ork_String& folder);
};
