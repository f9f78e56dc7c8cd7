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
inline constexpr int IDD_FIND_REPLACE = 218;          // CDlgFindReplace (modeless, over any grid)
inline constexpr int IDD_MACRO_PROF_ADV = 220;        // CDlgMacroProfAdv
inline constexpr int IDD_MACRO_CUTS = 223;            // CDlgMacroCuts
inline constexpr int IDD_LEVELS = 224;                // CDlgLevels
inline constexpr int IDD_LOOKUP = 225;                // CDlgLookup
inline constexpr int IDD_EDIT_LIB_SIMPLE = 226;       // CDlgEditLibSimple
inline constexpr int IDD_DESIGNER = 227;              // CDlgDesigner
inline constexpr int IDD_CLADDING_SETTINGS = 228;     // CDlgCladdingSettings
inline constexpr int IDD_BRACING = 229;               // CDlgBracing
inline constexpr int IDD_EDIT_DSTV_POINTS = 233;      // CDlgEditDstvPoints
inline constexpr int IDD_SELECT_DSTV_POINTS_FILE = 234;  // CDlgSelectDstvPointsFile
inline constexpr int IDD_ARRAY = 236;                 // CDlgArray
inline constexpr int IDD_SS_OPTIONS = 245;            // CDlgSSOptions (editSheetOptions)
inline constexpr int IDD_SS_AS_TOOL = 248;            // CDlgSSAsTool (hidden, the bill's sheet)
inline constexpr int IDD_SS_STANDARDS = 253;          // CDlgSSStandards (hidden)
inline constexpr int IDD_CIS2 = 254;                  // CDlgCis2
inline constexpr int IDD_GRID = 255;                  // CDlgGrid
inline constexpr int IDD_GEN_VARS = 256;              // CDlgGenVars
inline constexpr int IDD_PROMPT_STRING = 8069;        // Ork_DlgPromptString
inline constexpr int IDD_EDITLIB_GROUPS = 8138;       // CDlgEditLibSections: the groups page
inline constexpr int IDD_EDITLIB_TYPES = 8139;        // CDlgEditLibSections: the types page
inline constexpr int IDD_EDITLIB_VALUES = 8716;       // CDlgEditLibSections: the values page
inline constexpr int IDD_MACRO = 8131;                // CDlgMacro
inline constexpr int IDD_EDIT_MACRO = 8715;           // CDlgEditMacro
inline constexpr int IDD_SELECT_IMAGE = 8719;         // CDlgSelectImage
inline constexpr int IDD_EDIT_CONSTRAINTS = 207;      // CDlgEditMacro: the constraints page
inline constexpr int IDD_GEOMETRIES = 8135;           // CDlgEditMacro: the geometry page
inline constexpr int IDD_EDIT_VARS = 8099;            // CDlgEditMacro: the variables page
inline constexpr int IDD_MACRO_COMMANDS = 216;        // CDlgEditMacro: the commands page
inline constexpr int IDD_MACRO_VARIABLES = 214;       // the macro settings: the general variables page
inline constexpr int IDD_MACRO_GROUPS = 215;          // the macro settings: the groups page

// ---- Bitmaps
inline constexpr int IDI_ROW_UP = 257;               // the order buttons of the general variables grids
inline constexpr int IDI_ROW_DOWN = 258;
inline constexpr int IDI_MOVE_UP = 261;              // the order buttons of the groups and types pages
inline constexpr int IDI_MOVE_DOWN = 262;
inline constexpr int IDI_FLEX = 239;                 // the icon of a designed page's flex buttons
inline constexpr int IDB_CHECKED = 8134;              // check-box cell, checked
inline constexpr int IDB_UNCHECKED = 8136;            // check-box cell, cleared
inline constexpr int IDB_BILL_PICTURE = 251;          // marks a bill line's picture row

// ---- Icons of the macro definition editor (icon resources, apart from the dialog numbers)
inline constexpr int IDI_EDIT_REMOVE = 206;          // remove a module, delete a row
inline constexpr int IDI_EDIT_ADD = 212;             // add a module, add a row
inline constexpr int IDI_EDIT_SELECT = 217;          // pick another macro in the drawing
inline constexpr int IDI_EDIT_ZOOM = 234;            // zoom the drawing to the macro

// ---- Controls shared by several templates
inline constexpr int IDC_FRAME_GRID = 1196;           // the static frame a dialog's grid is placed over
inline constexpr int IDC_PROMPT_LABEL = 1000;         // Ork_DlgPromptString
inline constexpr int IDC_PROMPT_EDIT = 1001;

// ---- The formula window (133)
inline constexpr int IDC_FORMULA_GRID = 1004;         // the placeholder its grid replaces
inline constexpr int IDC_FORMULA_SPARE_FRAME = 1005;  // a second frame the window does not use
inline constexpr int IDC_FORMULA_STYLE_DEFAULT = 1006;
inline constexpr int IDC_FORMULA_STYLE_A1 = 1007;
inline constexpr int IDC_FORMULA_STYLE_R1C1 = 1008;
inline constexpr int IDC_FORMULA_STYLE_GROUP = 1009;
inline constexpr int IDC_FORMULA_FILE = 1010;
inline constexpr int IDC_FORMULA_SAVE = 1011;
inline constexpr int IDC_FORMULA_LOAD = 1012;
inline constexpr int IDC_FORMULA_AUTO_CALC = 1013;
inline constexpr int IDC_FORMULA_RECALC = 1014;

// ---- CDlgStringArray
inline constexpr int IDC_STRING_ARRAY_ADD = 1088;
inline constexpr int IDC_STRING_ARRAY_REMOVE = 1089;

// ---- CDlgGenVars: the drawing grid's controls, then the standard grid's
inline constexpr int IDC_GENVARS_DWG_FRAME = 1434;
inline constexpr int IDC_GENVARS_DWG_ADD = 1435;
inline constexpr int IDC_GENVARS_DWG_REMOVE = 1436;
inline constexpr int IDC_GENVARS_DWG_GROUP = 1437;
inline constexpr int IDC_GENVARS_DWG_UP = 1438;
inline constexpr int IDC_GENVARS_DWG_DOWN = 1439;
inline constexpr int IDC_GENVARS_STD_UP = 1440;
inline constexpr int IDC_GENVARS_STD_DOWN = 1441;
inline constexpr int IDC_GENVARS_STD_REMOVE = 1442;
inline constexpr int IDC_GENVARS_STD_ADD = 1443;
inline constexpr int IDC_GENVARS_STD_FRAME = 1444;
inline constexpr int IDC_GENVARS_STD_GROUP = 1445;

// ---- CDlgFindReplace
inline constexpr int IDC_FIND_REPLACE = 1204;         // replace the next match
inline constexpr int IDC_FIND_REPLACE_ALL = 1205;
inline constexpr int IDC_FIND_LABEL = 1206;
inline constexpr int IDC_FIND_TEXT = 1207;
inline constexpr int IDC_FIND_REPLACE_LABEL = 1208;
inline constexpr int IDC_FIND_REPLACE_TEXT = 1209;

// ---- CDlgSSOptions
inline constexpr int IDC_OPTIONS_ROW_GRID = 1002;     // one column: the row header texts
inline constexpr int IDC_OPTIONS_COLUMNS_LABEL = 1016;
inline constexpr int IDC_OPTIONS_COLUMNS = 1017;
inline constexpr int IDC_OPTIONS_ROWS_LABEL = 1018;
inline constexpr int IDC_OPTIONS_ROWS = 1019;
inline constexpr int IDC_OPTIONS_HEADER_HEIGHT_LABEL = 1020;
inline constexpr int IDC_OPTIONS_HEADER_HEIGHT = 1021;
inline constexpr int IDC_OPTIONS_HEADER_WIDTH_LABEL = 1022;
inline constexpr int IDC_OPTIONS_HEADER_WIDTH = 1023;
inline constexpr int IDC_OPTIONS_COLUMN_GRID = 1025;  // one row: the column header texts
inline constexpr int IDC_OPTIONS_NOTE = 1026;
inline constexpr int IDC_OPTIONS_NOTE2 = 1027;

// ---- CDlgEditLibSimple (226)
inline constexpr int IDC_LIBSIMPLE_NAME = 1000;         // the size's name in the current language
inline constexpr int IDC_LIBSIMPLE_NAME_LABEL = 1123;
inline constexpr int IDC_LIBSIMPLE_PICTURE = 1294;      // the section type's picture
inline constexpr int IDC_LIBSIMPLE_ACTIVE = 1296;       // "I/O": the size is offered
inline constexpr int IDC_LIBSIMPLE_FIRST_LABEL = 1299;  // labels 1299, 1301 ... 1319
inline constexpr int IDC_LIBSIMPLE_FIRST_FIELD = 1300;  // value fields 1300, 1302 ... 1320
inline constexpr int IDC_LIBSIMPLE_COMPOSE = 1358;
inline constexpr int IDC_LIBSIMPLE_TYPED = 1359;
inline constexpr int IDC_LIBSIMPLE_NAME_FRAME = 1360;

// ---- The section library editor (209) and its pages (8138, 8139, 8716)
inline constexpr int IDC_EDITLIB_TABS = 1197;          // the tab control the three pages sit on
// Shared by the groups and types pages
inline constexpr int IDC_EDITLIB_ADD = 1189;
inline constexpr int IDC_EDITLIB_REMOVE = 1190;
inline constexpr int IDC_EDITLIB_ENABLED = 1185;
inline constexpr int IDC_EDITLIB_IMAGE_LABEL = 1186;
inline constexpr int IDC_EDITLIB_NAMES_LABEL = 1188;
inline constexpr int IDC_EDITLIB_NAMES_GRID = 1193;    // frame of the names-per-language grid
inline constexpr int IDC_EDITLIB_IMAGE = 1195;
inline constexpr int IDC_EDITLIB_DOWN = 1442;
inline constexpr int IDC_EDITLIB_UP = 1443;
// The groups page
inline constexpr int IDC_EDITLIB_GROUP_FRAME = 1108;
inline constexpr int IDC_EDITLIB_GROUP_LIST = 1194;
// The types page
inline constexpr int IDC_EDITLIB_TYPE_FRAME = 1081;
inline constexpr int IDC_EDITLIB_TYPE_GROUP_LABEL = 1187;
inline constexpr int IDC_EDITLIB_TYPE_TEXT_LABEL = 1192;
inline constexpr int IDC_EDITLIB_TYPE_GROUP = 1196;
inline constexpr int IDC_EDITLIB_TYPE_TEXT = 1198;
inline constexpr int IDC_EDITLIB_TYPE_LIST = 1199;
// The values page (its grid sits over IDC_FRAME_GRID)
inline constexpr int IDC_EDITLIB_TABLES = 1248;
inline constexpr int IDC_EDITLIB_NEW = 1189;
inline constexpr int IDC_EDITLIB_DELETE = 1190;
inline constexpr int IDC_EDITLIB_OPTIONS = 1200;
inline constexpr int IDC_EDITLIB_RENAME = 1201;
inline constexpr int IDC_EDITLIB_SECTION_TYPE = 1202;
inline constexpr int IDC_EDITLIB_TYPE_BOX_LABEL = 1203;
// The grid buttons, in the order of their icons (223 .. 228, 238) and tooltips (host texts 772 .. 778)
inline constexpr int kEditLibGridButtons[] = {1199, 1198, 1204, 1205, 1206, 1207, 1208};
inline constexpr int kEditLibGridIcons[] = {223, 224, 225, 226, 227, 228, 238};

// ---- CDlgSelectDstvPointsFile (234)
inline constexpr int IDC_DSTV_FILES = 1400;           // the point files, the standard one checked
inline constexpr int IDC_DSTV_ADD = 1401;
inline constexpr int IDC_DSTV_REMOVE = 1402;
inline constexpr int IDC_DSTV_USE = 1403;             // take the file into use
inline constexpr int IDC_DSTV_EDIT = 1404;

// ---- CDlgEditDstvPoints (233)
inline constexpr int IDC_DSTVPT_POINTS_LABEL = 1410;
inline constexpr int IDC_DSTVPT_POINTS = 1411;
inline constexpr int IDC_DSTVPT_ADD = 1412;
inline constexpr int IDC_DSTVPT_REMOVE = 1413;
inline constexpr int IDC_DSTVPT_NAME_LABEL = 1414;
inline constexpr int IDC_DSTVPT_NAME = 1415;
inline constexpr int IDC_DSTVPT_POSITION = 1416;      // the group box of the two ways of finding the point
inline constexpr int IDC_DSTVPT_EXTENT = 1417;        // radio: by the geometry's extent
inline constexpr int IDC_DSTVPT_SIDE1 = 1418;
inline constexpr int IDC_DSTVPT_SIDE2 = 1419;
inline constexpr int IDC_DSTVPT_INTERS = 1420;        // radio: by an intersection
inline constexpr int IDC_DSTVPT_MIDDLE = 1421;        // "Midden"
inline constexpr int IDC_DSTVPT_DIRECTION_LABEL = 1422;
inline constexpr int IDC_DSTVPT_DIRECTION = 1423;
inline constexpr int IDC_DSTVPT_VIEW_LABEL = 1424;
inline constexpr int IDC_DSTVPT_VIEW = 1425;
inline constexpr int IDC_DSTVPT_MARK_LABEL = 1426;
inline constexpr int IDC_DSTVPT_MARK = 1427;
inline constexpr int IDC_DSTVPT_DISTANCE_LABEL = 1428;
inline constexpr int IDC_DSTVPT_DISTANCE = 1429;
inline constexpr int IDC_DSTVPT_FULL_HOLE = 1430;
inline constexpr int IDC_DSTVPT_THICKNESS = 1431;     // the diameter follows the plate's thickness
inline constexpr int IDC_DSTVPT_DIAMETER_LABEL = 1432;
inline constexpr int IDC_DSTVPT_DIAMETER = 1433;

// ---- CDlgGrid (255): per group a count, a spacing and a label, each with its label in front
inline constexpr int IDC_GRID_FIRST_GROUP = 1440;
inline constexpr int IDC_GRID_SECOND_GROUP = 1441;
inline constexpr int IDC_GRID_FIRST_LABELS = 1442;    // 1442 .. 1444
inline constexpr int IDC_GRID_FIRST_COUNT = 1445;
inline constexpr int IDC_GRID_FIRST_SPACING = 1446;
inline constexpr int IDC_GRID_FIRST_LABEL = 1447;
inline constexpr int IDC_GRID_SECOND_LABELS = 1448;   // 1448 .. 1450
inline constexpr int IDC_GRID_SECOND_COUNT = 1451;
inline constexpr int IDC_GRID_SECOND_SPACING = 1452;
inline constexpr int IDC_GRID_SECOND_LABEL = 1453;
inline constexpr int IDC_GRID_OPTION = 1454;

// ---- CDlgCis2 (254)
inline constexpr int IDC_CIS2_EXPLANATION = 1460;
inline constexpr int IDC_CIS2_FIRST_ON = 1461;        // first flag true
inline constexpr int IDC_CIS2_FIRST_OFF = 1462;       // first flag false: enables the five controls below
inline constexpr int IDC_CIS2_FLAG2 = 1463;
inline constexpr int IDC_CIS2_FLAG4 = 1464;           // hidden by the template
inline constexpr int IDC_CIS2_THIRD_OFF = 1465;
inline constexpr int IDC_CIS2_THIRD_ON = 1466;
inline constexpr int IDC_CIS2_FLAG5 = 1467;
inline constexpr int IDC_CIS2_TRANSLATION = 1468;     // edits the section-name translation table

// ---- CDlgSelectImage (8719)
inline constexpr int IDC_SELECT_IMAGE_LIST = 1470;

// ---- The macro definition editor (8715) and its pages
inline constexpr int IDC_EM_SELECT = 1601;
inline constexpr int IDC_EM_MODULES = 1602;
inline constexpr int IDC_EM_ADD_MODULE = 1603;
inline constexpr int IDC_EM_RENAME = 1604;
inline constexpr int IDC_EM_REMOVE_MODULE = 1605;
inline constexpr int IDC_EM_TABS = 1606;
inline constexpr int IDC_EM_SETTINGS = 1607;
inline constexpr int IDC_EM_ZOOM = 1608;
// the constraints page (207); its grid sits on IDC_FRAME_GRID
inline constexpr int IDC_EC_EDITOR_FRAME = 1611;
inline constexpr int IDC_EC_VALUE_LABEL = 1612;
inline constexpr int IDC_EC_VALUE = 1613;
inline constexpr int IDC_EC_NAME_LABEL = 1614;
inline constexpr int IDC_EC_NAME = 1615;
inline constexpr int IDC_EC_OPTION_LABEL = 1616;
inline constexpr int IDC_EC_OPTIONS = 1617;
inline constexpr int IDC_EC_FIRST_FLAG = 1618;
inline constexpr int IDC_EC_SECOND_FLAG = 1619;
inline constexpr int IDC_EC_CUT = 1620;
inline constexpr int IDC_EC_DELETE = 1621;
inline constexpr int IDC_EC_FIRST_IMAGE = 1622;       // image buttons 1622 .. 1626
// the variables page (8099)
inline constexpr int IDC_EV_VARS_FRAME = 1631;
inline constexpr int IDC_EV_VARS_GRID = 1632;
inline constexpr int IDC_EV_ADD = 1633;
inline constexpr int IDC_EV_DELETE = 1634;
inline constexpr int IDC_EV_DIMS_FRAME = 1635;
inline constexpr int IDC_EV_DIMS_GRID = 1636;
inline constexpr int IDC_EV_EQS_FRAME = 1637;
inline constexpr int IDC_EV_EQUATIONS = 1638;
// the commands page (216): button n (1..14) is 1640 + n
inline constexpr int IDC_MC_FIRST_BUTTON = 1641;
// the general variables page of the settings (214); its grid sits on IDC_FRAME_GRID
inline constexpr int IDC_MV_EXPLANATION = 1661;
inline constexpr int IDC_MV_FIRST_LABEL = 1662;
inline constexpr int IDC_MV_FIRST = 1663;
inline constexpr int IDC_MV_SECOND_LABEL = 1664;
inline constexpr int IDC_MV_SECOND = 1665;
inline constexpr int IDC_MV_THIRD_LABEL = 1666;
inline constexpr int IDC_MV_THIRD = 1667;
inline constexpr int IDC_MV_ADD = 1669;
inline constexpr int IDC_MV_DELETE = 1670;
// the groups page of the settings (215); its table sits on IDC_FRAME_GRID
inline constexpr int IDC_MG_EXPLANATION = 1671;
inline constexpr int IDC_MG_FIRST_LABEL = 1673;
inline constexpr int IDC_MG_FIRST = 1674;
inline constexpr int IDC_MG_SECOND_LABEL = 1675;
inline constexpr int IDC_MG_SECOND = 1676;

// ---- The dialog designer (227): its icons (icon resources; add and delete use 212 and 206) and controls
inline constexpr int IDI_DESIGNER = 148;             // the designer window's big icon
inline constexpr int IDI_DESIGN_COPY = 223;
inline constexpr int IDI_DESIGN_PICTURE = 231;
inline constexpr int IDI_DESIGN_OPEN = 232;
inline constexpr int IDI_DESIGN_SAVE = 233;
inline constexpr int IDI_DESIGN_WIDTH = 235;
inline constexpr int IDI_DESIGN_HEIGHT = 236;
inline constexpr int IDC_DD_OPEN = 1299;
inline constexpr int IDC_DD_SAVE_AS = 1302;
inline constexpr int IDC_DD_ADD = 1300;
inline constexpr int IDC_DD_DELETE = 1301;
inline constexpr int IDC_DD_PICTURE = 1303;
inline constexpr int IDC_DD_WIDTH = 1306;
inline constexpr int IDC_DD_HEIGHT = 1307;
inline constexpr int IDC_DD_COPY = 1199;
inline constexpr int IDC_DD_ALIGN_BOTTOMS = 1200;
inline constexpr int IDC_DD_ATTACH_RIGHT = 1201;
inline constexpr int IDC_DD_TYPE = 1005;
inline constexpr int IDC_DD_CONTENTS = 1304;
inline constexpr int IDC_DD_EXTRA = 1305;
inline constexpr int IDC_DD_TYPE_FRAME = 1015;
inline constexpr int IDC_DD_CONTENTS_LABEL = 1016;   // the frame around the contents box, its label too
inline constexpr int IDC_DD_EXTRA_LABEL = 1017;
// The macro settings dialog (8141) and its filter pages (8142, 213, 8718)
inline constexpr int IDD_MACRO_SETTINGS = 8141;       // CDlgMacroSettings
inline constexpr int IDD_MACRO_FILTER = 8142;         // CDlgMacroSettings: axis and section angle filters
inline constexpr int IDD_MACRO_FILTER2 = 213;         // CDlgMacroSettings: path distance and section size filters
inline constexpr int IDD_MACRO_FILTER_PROPS = 8718;   // CDlgMacroSettings: filter properties
inline constexpr int IDC_MS_TABS = 1681;
// the first filter page (8142); its range grid sits on IDC_FRAME_GRID
inline constexpr int IDC_MF_ENABLE = 1682;
inline constexpr int IDC_MF_AXIS_GROUP = 1683;
inline constexpr int IDC_MF_AXIS_LIST = 1684;
inline constexpr int IDC_MF_AXIS_ACTIVE = 1685;
inline constexpr int IDC_MF_MODE1 = 1686;
inline constexpr int IDC_MF_MODE2 = 1687;
inline constexpr int IDC_MF_MODE1_PICTURE = 1688;
inline constexpr int IDC_MF_MODE2_PICTURE = 1689;
inline constexpr int IDC_MF_FIRST_LABEL = 1690;
inline constexpr int IDC_MF_FIRST = 1691;
inline constexpr int IDC_MF_SECOND_LABEL = 1692;
inline constexpr int IDC_MF_SECOND = 1693;
inline constexpr int IDC_MF_SECTION_GROUP = 1694;
inline constexpr int IDC_MF_SECTION_LIST = 1695;
inline constexpr int IDC_MF_SECTION_ACTIVE = 1696;
inline constexpr int IDC_MF_SECTION_PICTURE = 1697;
inline constexpr int IDC_MF_ADD_RANGE = 1698;
inline constexpr int IDC_MF_DELETE_RANGE = 1699;
// the second filter page (213)
inline constexpr int IDC_MF2_ENABLE = 1701;
inline constexpr int IDC_MF2_PATH_GROUP = 1702;
inline constexpr int IDC_MF2_PATH_PICTURE = 1703;
inline constexpr int IDC_MF2_PATH_LIST = 1704;
inline constexpr int IDC_MF2_PATH_ACTIVE = 1705;
inline constexpr int IDC_MF2_PATH_LABEL1 = 1706;   // labels and fields alternate: label n is 1706 + 2 (n - 1)
inline constexpr int IDC_MF2_PATH_VALUE1 = 1707;
inline constexpr int IDC_MF2_SIZE_GROUP = 1712;
inline constexpr int IDC_MF2_SIZE_PICTURE = 1713;
inline constexpr int IDC_MF2_SIZE_LIST = 1714;
inline constexpr int IDC_MF2_SIZE_ACTIVE = 1715;
inline constexpr int IDC_MF2_SIZE_LABEL1 = 1716;   // four labels and fields, alternating from 1716
inline constexpr int IDC_MF2_SIZE_VALUE1 = 1717;
// the filter properties page (8718); its value grid sits on IDC_FRAME_GRID
inline constexpr int IDC_MFP_EXPLANATION = 1731;
inline constexpr int IDC_MFP_PROPERTY_LABEL = 1732;
inline constexpr int IDC_MFP_PROPERTIES = 1733;
inline constexpr int IDC_MFP_VALUES_GROUP = 1734;
inline constexpr int IDC_MFP_ADD = 1735;
inline constexpr int IDC_MFP_DELETE = 1736;
inline constexpr int IDC_MFP_IMAGE_LABEL = 1737;
inline constexpr int IDC_MFP_IMAGE = 1738;
// the standards mapping page of the settings (8720)
inline constexpr int IDD_MACRO_MAPPING = 8720;        // CDlgMacroSettings: the standards mapping
inline constexpr int IDC_MM_LIST_GROUP = 1741;
inline constexpr int IDC_MM_LIST_FRAME = 1742;
inline constexpr int IDC_MM_UP = 1743;
inline constexpr int IDC_MM_DOWN = 1744;
inline constexpr int IDC_MM_ADD = 1745;
inline constexpr int IDC_MM_REMOVE = 1746;
inline constexpr int IDC_MM_VARS_GROUP = 1747;
inline constexpr int IDC_MM_VARS_FRAME = 1748;
// the macro dialog (8131) and its pages: general (8137), profile (219)
inline constexpr int IDD_MACRO_TAB_GENERAL = 8137;    // CMacroTabGeneral
inline constexpr int IDD_MACRO_TAB_PROF = 219;        // CMacroTabProf
inline constexpr int IDC_MD_TABS = 1175;
inline constexpr int IDC_MD_SELECT_OTHER = 1176;
inline constexpr int IDC_MD_FILTER1 = 1177;
inline constexpr int IDC_MD_FILTER2 = 1178;
inline constexpr int IDC_MD_GROUPS_FRAME = 1179;
inline constexpr int IDC_MD_FILTERS_FRAME = 1180;
inline constexpr int IDC_MD_VIEW_3 = 1181;            // the four view buttons: views 3, 0, 1, 2
inline constexpr int IDC_MD_VIEW_0 = 1182;
inline constexpr int IDC_MD_VIEW_1 = 1183;
inline constexpr int IDC_MD_VIEW_2 = 1184;
inline constexpr int IDC_MD_LOAD_STANDARDS = 1185;
inline constexpr int IDC_MD_CLASH = 1292;
inline constexpr int IDC_MD_REAPPLY = 1293;
inline constexpr int IDC_MD_OPEN_VALUES = 1299;
inline constexpr int IDC_MD_SAVE_VALUES = 1302;
inline constexpr int IDC_MT_GRID = 1001;              // the general page's grid frame
inline constexpr int IDC_MT_ASSEMBLY = 1091;
inline constexpr int IDC_MT_DIAMETER = 1092;
inline constexpr int IDC_MT_ASSEMBLY_LABEL = 1093;
inline constexpr int IDC_MT_DIAMETER_LABEL = 1094;
inline constexpr int IDC_MT_ADVANCED = 1114;          // both pages: the bolt / profile advanced dialog
inline constexpr int IDC_MP_SEGMENTS = 1210;
inline constexpr int IDC_MP_FRAME = 1211;
inline constexpr int IDC_MP_GROUP = 1212;
inline constexpr int IDC_MP_PROFILE = 1213;
inline constexpr int IDC_MP_PLANE_LABEL = 1214;
inline constexpr int IDC_MP_PLANE = 1215;
inline constexpr int IDC_MP_ROTATION_LABEL = 1216;
inline constexpr int IDC_MP_OFFSET_LABEL = 1218;
inline constexpr int IDC_MP_OFFSET = 1219;
inline constexpr int IDC_MP_SECTION_LABEL = 1220;
inline constexpr int IDC_MP_SECTION = 1221;
inline constexpr int IDC_MP_SECTION_PICK = 1222;
inline constexpr int IDC_MP_PLANE_PICK = 1223;
inline constexpr int IDC_MP_ROTATION = 1316;
inline constexpr int IDI_MD_VIEW_3 = 218;             // the macro dialog's icons
inline constexpr int IDI_MD_VIEW_0 = 220;
inline constexpr int IDI_MD_VIEW_2 = 221;
inline constexpr int IDI_MD_VIEW_1 = 222;
inline constexpr int IDI_MD_OPEN = 232;
inline constexpr int IDI_MD_SAVE = 233;
inline constexpr int IDI_MD_CLASH = 237;
inline constexpr int IDI_MD_STANDARDS = 259;

// ---- The advanced profile dialog (220) and the segmented profile dialog (221)
inline constexpr int IDD_MACRO_PROF_SEGM = 221;       // CDlgMacroProfSegm
inline constexpr int IDC_PA_MULTI = 3401;
inline constexpr int IDC_PA_GROUP_LABEL = 3402;
inline constexpr int IDC_PA_GROUP = 3403;
inline constexpr int IDC_PA_SECTION_LABEL = 3404;
inline constexpr int IDC_PA_SECTION = 3405;
inline constexpr int IDC_PA_SECTION_PICK = 3406;
inline constexpr int IDC_PA_SECTION2_LABEL = 3407;
inline constexpr int IDC_PA_SECTION2 = 3408;
inline constexpr int IDC_PA_SECTION2_PICK = 3409;
inline constexpr int IDC_PA_MORPH1_LABEL = 3410;
inline constexpr int IDC_PA_MORPH1 = 3411;
inline constexpr int IDC_PA_MORPH2_LABEL = 3412;
inline constexpr int IDC_PA_MORPH2 = 3413;
inline constexpr int IDC_PA_OFFSET_GROUP = 3414;
inline constexpr int IDC_PA_OFFSET_TYPE = 3415;
inline constexpr int IDC_PA_CHOOSE_POINT = 3416;
inline constexpr int IDC_PA_X_LABEL = 3417;
inline constexpr int IDC_PA_X = 3418;
inline constexpr int IDC_PA_Y_LABEL = 3419;
inline constexpr int IDC_PA_Y = 3420;
inline constexpr int IDC_PA_PICTURE = 3421;
inline constexpr int IDC_PA_ZOOM = 3422;
inline constexpr int IDC_PA_INSERT_1 = 3431;          // ... IDC_PA_INSERT_1 + 8: the nine insertion points
inline constexpr int IDC_PA_ROTATION_GROUP = 3440;
inline constexpr int IDC_PA_ROT_0 = 3441;             // 0, 90, 180, 270, mixed, custom
inline constexpr int IDC_PA_ROT_90 = 3442;
inline constexpr int IDC_PA_ROT_180 = 3443;
inline constexpr int IDC_PA_ROT_270 = 3444;
inline constexpr int IDC_PA_ROT_MIXED = 3445;
inline constexpr int IDC_PA_ROT_CUSTOM = 3446;
inline constexpr int IDC_PA_ROT_ANGLE = 3447;
inline constexpr int IDC_PA_PLANE_GROUP = 3450;
inline constexpr int IDC_PA_PLANE_WCS = 3451;         // WCS, own system (462), coordinate system (1019),
inline constexpr int IDC_PA_PLANE_OWN = 3452;         // mixed, picked plane (1018)
inline constexpr int IDC_PA_PLANE_CS = 3453;
inline constexpr int IDC_PA_PLANE_MIXED = 3454;
inline constexpr int IDC_PA_PLANE_PICKED = 3455;
inline constexpr int IDC_PA_AXIS = 3456;
inline constexpr int IDC_PA_COORDSYS = 3457;
inline constexpr int IDC_PA_PLANE_PICK = 3458;
inline constexpr int IDC_PA_ORIENTATION = 3460;
inline constexpr int IDC_PA_TRISTATE = 3461;
inline constexpr int IDC_PA_ON_SEGMENT = 3462;
inline constexpr int IDC_PA_SEGMENT_LABEL = 3463;
inline constexpr int IDC_PA_SEGMENT = 3464;
inline constexpr int IDC_PS_SELECTOR_LABEL = 3470;
inline constexpr int IDC_PS_SELECTOR = 3471;
inline constexpr int IDC_PS_GROUP = 3472;
inline constexpr int IDC_PS_NAME_LABEL = 3473;
inline constexpr int IDC_PS_NAME = 3474;
inline constexpr int IDC_PS_CLEARANCE_LABEL = 3475;
inline constexpr int IDC_PS_CLEARANCE = 3476;
inline constexpr int IDC_PS_BREAK = 3477;
inline constexpr int IDC_PS_GRID = 3478;
inline constexpr int IDC_PS_ADD = 3479;
inline constexpr int IDC_PS_DELETE = 3480;
inline constexpr int IDC_PS_PICK = 3481;
// ---- The pattern, array and cut dialogs
inline constexpr int IDD_MACRO_PATTERN = 222;         // CDlgMacroPattern
// Pattern dialog: each direction's controls, the second direction's at the first's id + kPatternSecondOffset.
inline constexpr int kPatternSecondOffset = 20;
inline constexpr int IDC_PT_OFFSET_LABEL = 4001;
inline constexpr int IDC_PT_OFFSET = 4002;
inline constexpr int IDC_PT_DIRECTION = 4003;
inline constexpr int IDC_PT_TEXT1 = 4004;
inline constexpr int IDC_PT_TEXT2_LABEL = 4005;
inline constexpr int IDC_PT_TEXT2 = 4006;
inline constexpr int IDC_PT_ON = 4007;
inline constexpr int IDC_PT_GRID = 4008;
inline constexpr int IDC_PT_FRAME = 4009;
inline constexpr int IDC_PT_1051 = 4050;
inline constexpr int IDC_PT_ALTERNATION_1 = 4051;     // .. 4055
// Array dialog.
inline constexpr int IDC_AR_NAME_LABEL = 4101;
inline constexpr int IDC_AR_NAME = 4102;
inline constexpr int IDC_AR_KIND_LABEL = 4103;
inline constexpr int IDC_AR_KIND = 4104;
inline constexpr int IDC_AR_DIM_LABEL_1 = 4105;       // .. 4107
inline constexpr int IDC_AR_DIM_1 = 4108;             // .. 4110
inline constexpr int IDC_AR_KIND_TEXT_LABEL = 4111;
inline constexpr int IDC_AR_KIND_TEXT = 4112;
inline constexpr int IDC_AR_VALUE_LABEL_1 = 4113;     // .. 4118
inline constexpr int IDC_AR_VALUE_1 = 4119;           // .. 4124
inline constexpr int IDC_AR_FLAG_1 = 4125;            // .. 4126
inline constexpr int IDC_AR_ENTRIES_FRAME = 4127;
inline constexpr int IDC_AR_ENTRIES = 4128;
inline constexpr int IDC_AR_ENTRY_ACTION = 4129;
// Cut dialog.
inline constexpr int IDC_CU_TYPE = 4201;
inline constexpr int IDC_CU_NAME_LABEL = 4202;
inline constexpr int IDC_CU_NAME = 4203;
inline constexpr int IDC_CU_SIDE_1 = 4204;            // .. 4206
inline constexpr int IDC_CU_VALUE_LABEL = 4207;
inline constexpr int IDC_CU_VALUE = 4208;
inline constexpr int IDC_CU_OPTION_LABEL = 4209;
inline constexpr int IDC_CU_OPTION = 4210;
inline constexpr int IDC_CU_CHECK_1 = 4211;           // .. 4213
inline constexpr int IDC_CU_OFFSETS = 4214;
inline constexpr int IDC_CU_THIS_MACRO = 4215;
inline constexpr int IDC_CU_OTHER_MACRO = 4216;
inline constexpr int IDC_CU_SELECT = 4217;
inline constexpr int IDC_CU_MODULE_LABEL = 4218;
inline constexpr int IDC_CU_MODULE = 4219;
// ---- The advanced bolt dialog (CDlgMacroBoltAdv)
inline constexpr int IDD_MACRO_BOLT_ADV = 8140;
inline constexpr int IDC_BA_ASSEMBLY_LABEL = 1401;
inline constexpr int IDC_BA_ASSEMBLY = 1402;
inline constexpr int IDC_BA_DIAMETER_LABEL = 1403;
inline constexpr int IDC_BA_DIAMETER = 1404;
inline constexpr int IDC_BA_PENETRATION_LABEL = 1405;
inline constexpr int IDC_BA_PENETRATION = 1406;
inline constexpr int IDC_BA_ADDED_LABEL = 1407;
inline constexpr int IDC_BA_ADDED = 1408;
inline constexpr int IDC_BA_TOLERANCE_LABEL = 1409;
inline constexpr int IDC_BA_TOLERANCE = 1410;
inline constexpr int IDC_BA_FLAG1 = 1411;             // the four bolt flags, in order
inline constexpr int IDC_BA_FLAG2 = 1412;
inline constexpr int IDC_BA_FLAG3 = 1413;
inline constexpr int IDC_BA_FLAG4 = 1414;
inline constexpr int IDC_BA_EXTRA = 1415;
inline constexpr int IDC_BA_EXTRA_TEXT = 1416;
inline constexpr int IDC_BA_HOLES_FRAME = 1417;
inline constexpr int IDC_BA_HOLES = 1418;             // the holes grid's frame
inline constexpr int IDC_BA_SLOTS_FRAME = 1419;
inline constexpr int IDC_BA_SLOT_LIST = 1420;
inline constexpr int IDC_BA_SLOT_ACTIVE = 1421;
inline constexpr int IDC_BA_RADIUS_LABEL = 1422;
inline constexpr int IDC_BA_RADIUS = 1423;
inline constexpr int IDC_BA_LENGTH_LABEL = 1424;
inline constexpr int IDC_BA_LENGTH = 1425;
inline constexpr int IDC_BA_ANGLE_LABEL = 1426;
inline constexpr int IDC_BA_ANGLE = 1427;
inline constexpr int IDC_BA_FOURTH_LABEL = 1428;
inline constexpr int IDC_BA_FOURTH = 1429;
inline constexpr int IDC_BA_POSITION_LABEL = 1430;
inline constexpr int IDC_BA_POSITION = 1431;
inline constexpr int IDC_BA_NUT1 = 1432;              // the five nut and washer boxes, in order
inline constexpr int IDC_BA_NUT2 = 1433;
inline constexpr int IDC_BA_WASHER1 = 1434;
inline constexpr int IDC_BA_WASHER2 = 1435;
inline constexpr int IDC_BA_WASHERS = 1436;
inline constexpr int IDC_BA_NUT1_LABEL = 1437;        // their labels, in the same order
inline constexpr int IDC_BA_NUT2_LABEL = 1438;
inline constexpr int IDC_BA_WASHER1_LABEL = 1439;
inline constexpr int IDC_BA_WASHER2_LABEL = 1440;
inline constexpr int IDC_BA_WASHERS_LABEL = 1441;
inline constexpr int IDC_BA_PICTURE = 1442;
inline constexpr int IDC_BA_NUTS_FRAME = 1443;
