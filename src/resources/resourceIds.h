#pragma once
// The module's resource numbers: dialog templates and bitmaps. The numbers are the module's own resource
// ids, which the host and its other modules know too, so they never change.

// ---- Dialogs run by the exported entry points
inline constexpr int IDD_FORMULA = 133;               // CFormula
inline constexpr int IDD_STRING_ARRAY = 208;          // CDlgStringArray
inline constexpr int IDD_EDIT_LIB_SECTIONS = 209;     // CDlgEditLibSections
inline constexpr int IDD_SELECT_MACRO = 210;          // CDlgSelectMacro
inline constexpr int IDD_CSP2 = 211;                  // Ork_DlgCSP2
inline constexpr int IDD_EDIT_PROF_CUTS = 212;        // CDlgEditProfCuts
inline constexpr int IDD_PROF_FEATURES = 217;         // CDlgProfFeatures
inline constexpr int IDD_MACRO_PROF_ADV = 220;        // CDlgMacroProfAdv
inline constexpr int IDD_MACRO_CUTS = 223;            // CDlgMacroCuts
inline constexpr int IDD_LEVELS = 224;                // CDlgLevels
inline constexpr int IDD_LOOKUP = 225;                // CDlgLookup
inline constexpr int IDD_EDIT_LIB_SIMPLE = 226;       // CDlgEditLibSimple
inline constexpr int IDD_DESIGNER = 227;              // CDlgDesigner
inline constexpr int IDD_CLADDING_SETTINGS = 228;     // CDlgCladdingSettings
inline constexpr int IDD_BRACING = 229;               // CDlgBracing
inline constexpr int IDD_SELECT_DSTV_POINTS_FILE = 234;  // CDlgSelectDstvPointsFile
inline constexpr int IDD_ARRAY = 236;                 // CDlgArray
inline constexpr int IDD_SS_STANDARDS = 253;          // CDlgSSStandards (hidden)
inline constexpr int IDD_CIS2 = 254;                  // CDlgCis2
inline constexpr int IDD_GRID = 255;                  // CDlgGrid
inline constexpr int IDD_GEN_VARS = 256;              // CDlgGenVars
inline constexpr int IDD_PROMPT_STRING = 8069;        // Ork_DlgPromptString
inline constexpr int IDD_MACRO = 8131;                // CDlgMacro
inline constexpr int IDD_EDIT_MACRO = 8715;           // CDlgEditMacro
inline constexpr int IDD_SELECT_IMAGE = 8719;         // CDlgSelectImage

// ---- Bitmaps
inline constexpr int IDB_CHECKED = 8134;              // check-box cell, checked
inline constexpr int IDB_UNCHECKED = 8136;            // check-box cell, cleared

// ---- Controls shared by several templates
inline constexpr int IDC_FRAME_GRID = 1196;           // the static frame a dialog's grid is placed over
inline constexpr int IDC_PROMPT_LABEL = 1000;         // Ork_DlgPromptString
inline constexpr int IDC_PROMPT_EDIT = 1001;
