#pragma once
// One control of a designed page: its type, its rectangle as fractions of the page's picture, the text that
// names what it shows or binds to, and its extra texts. Travels through the host's macro records, so it is
// one of the module's exported classes.
#include "designer/Ork_ControlType.h"
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"
#include "SS/ssExport.h"

class Ork_PropertiesList;

namespace ui {
class Window;
class ComboBox;
class Button;
class Edit;
} // namespace ui

class SS_EXPORT Ork_DesignerControl {
public:
    Ork_ControlType type = ctLabel;
    bool readOnly = false;  // set from the bound macro value; not stored
    int resourceId = 0;     // the window identifier `append` gave; not stored
    int tabOrder = 0;       // 1-based keyboard position; 0 = none; not stored
    double topLeftX = 0;
    double topLeftY = 0;
    double bottomRightX = 0;
    double bottomRightY = 0;
    Ork_String contents;
    Ork_String extra;
    Ork_String flexGroup;
    Ork_String flexPart2;
    Ork_String flexPart3;
    Ork_String flexPart4;
    Ork_String calcPart1;
    Ork_String calcPart2;
    Ork_String calcPart3;
    Ork_String calcPart4;
    Ork_StringArray comboItems;  // fixed items; when empty, the lines of the file `extra` names

    Ork_DesignerControl();
    Ork_DesignerControl(const Ork_DesignerControl& other);
    Ork_DesignerControl& operator=(const Ork_DesignerControl& other);
    virtual ~Ork_DesignerControl();

    // The keys of control number `index` of a design file. Reading fills what is there and leaves the rest,
    // the type first, so that the extra list is split by the type just read.
    void getFromPropList(const Ork_PropertiesList& list, int index);
    void setToPropList(Ork_PropertiesList& list, int index) const;

    // The extra texts as one ";"-separated list: the four flex parts (type 30), the four calculation parts
    // and `extra` (types 25 and 26), `extra` alone otherwise. Nothing is escaped, so a ";" inside a part of
    // a flex or calculation button cannot survive the split; in `extra` of any other type it stays.
    Ork_String getMergedExtComboList() const;
    bool setSplitExtComboList(const Ork_String& text);

    // The lines of the file `extra` names (a relative name is taken from the library folder); `items` is
    // untouched when there is no such file.
    void getComboItemsFromFile(Ork_StringArray& items) const;

    // The control's live window on `dialog`, found by `resourceId`; null when there is none.
    ui::Window* getCtrlPtr(const ui::Window* dialog, ui::Window*& window) const;
    ui::ComboBox* getComboPtr(const ui::Window* dialog) const;
    ui::Button* getButtonPtr(const ui::Window* dialog) const;
    ui::Edit* getEditPtr(const ui::Window* dialog) const;
};
