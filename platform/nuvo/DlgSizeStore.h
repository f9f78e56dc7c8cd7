#pragma once
// The host's store of dialog window sizes, one width and height per key ("DLG_EDIT_MACRO", ...), kept in a
// file so a dialog reopens at the size the user left it, also after a restart.
//
// The file holds one line per key: key, TAB, width, TAB, height (UTF-8). It is read when the store is made
// and rewritten atomically on every change; a malformed line is skipped. The process-wide store lives in
// $SS_CONFIG_DIR, else $XDG_CONFIG_HOME/ss, else ~/.config/ss, as "dialog-sizes.txt".
#include "nuvo/Ork_String.h"

#include <map>

class DlgSizeStore {
public:
    explicit DlgSizeStore(Ork_String file);

    // False (outputs untouched) when nothing is stored under the key.
    bool get(const Ork_String& key, int& width, int& height) const;
    // Stores and writes the file; false when the size is not positive, the key is empty or holds a TAB or
    // line break, or the file cannot be written (the size is then still remembered for this run).
    bool set(const Ork_String& key, int width, int height);
    const Ork_String& file() const { return file_; }

    // The process-wide store, and a way to move it (tests point it at a temporary folder; the new file is
    // read at once).
    static DlgSizeStore& instance();
    static void useFile(const Ork_String& file);

private:
    struct Size {
        int width;
        int height;
    };
    Ork_String file_;
    std::map<Ork_String, Size> sizes_;
};
