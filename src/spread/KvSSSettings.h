#pragma once
// The print and appearance settings of a sheet the module makes: default font and text height, header and
// footer files, margins, six print switches and named variables. They travel in the sheet itself, as the tag
// of the corner cell (0, 0), and default ones come from a settings file "<installation folder><name>.kvd".
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"

class Ork_SimplePropsList;
class Ork_Spread;

class KvSSSettings {
public:
    KvSSSettings();
    KvSSSettings(const KvSSSettings& other);
    KvSSSettings& operator=(const KvSSSettings& other);
    virtual ~KvSSSettings();

    // The defaults; the header and footer files and the variables are left as they are. Clears `valid`.
    void setDefaults();
    // Defaults, then whatever the sheet's corner tag holds; remembers the grid.
    bool readFromSheet(Ork_Spread* grid);
    // Stores the settings as the corner tag; false when they were never read or there is no grid.
    bool writeToSheet(Ork_Spread* grid) const;
    // Defaults, then the settings file of that name in the installation folder; false when it cannot be read.
    bool readFile(const Ork_String& name);

    void fromPropsList(const Ork_SimplePropsList& list);
    void toPropsList(Ork_SimplePropsList& list) const;

    // The header or footer file made absolute against the document (see absolutePath).
    void resolveHeaderFile(const Ork_String& documentPath, Ork_String& path) const;
    void resolveFooterFile(const Ork_String& documentPath, Ork_String& path) const;
    // Stores the file relative to the document or the installation folder where it lies below one.
    void setHeaderFile(const Ork_String& documentPath, const Ork_String& file);
    void setFooterFile(const Ork_String& documentPath, const Ork_String& file);

    Ork_Spread* m_grid = nullptr;
    bool m_valid = false;
    Ork_String m_headerFile;
    Ork_String m_footerFile;
    Ork_String m_defaultFont;
    int m_defaultTextHeight = 0;
    int m_marginLeft = 0;
    int m_marginRight = 0;
    int m_marginTop = 0;
    int m_marginBottom = 0;
    bool m_smartPrint = false;
    bool m_colors = false;
    bool m_colHeader = false;
    bool m_rowHeader = false;
    bool m_cellSeperators = false;
    bool m_border = false;
    // Pairs: name i belongs to value i.
    Ork_StringArray m_varNames;
    Ork_StringArray m_varValues;
};
