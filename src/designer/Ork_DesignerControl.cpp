#include "designer/Ork_DesignerControl.h"

#include "nuvo/Ork_PropertiesList.h"
#include "nuvo/Ork_Settings.h"
#include "nuvo/fileHelpers.h"
#include "nuvo/textHelpers.h"
#include "os/paths.h"
#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Window.h"

namespace {

Ork_String key(const char16_t* base, int index) { return Ork_String(base) + Ork_String(index); }

const Ork_String& piece(const Ork_StringArray& pieces, int i) {
    static const Ork_String kNone;
    return i < pieces.length() ? pieces[i] : kNone;
}

} // namespace

Ork_DesignerControl::Ork_DesignerControl() = default;
Ork_DesignerControl::Ork_DesignerControl(const Ork_DesignerControl& other) = default;
Ork_DesignerControl& Ork_DesignerControl::operator=(const Ork_DesignerControl& other) = default;
Ork_DesignerControl::~Ork_DesignerControl() = default;

void Ork_DesignerControl::getFromPropList(const Ork_PropertiesList& list, int index) {
    int readType = type;
    if (list.get(key(u"type", index), readType))
        type = static_cast<Ork_ControlType>(readType);
    list.get(key(u"topLeftX", index), topLeftX);
    list.get(key(u"topLeftY", index), topLeftY);
    list.get(key(u"bottomRightX", index), bottomRightX);
    list.get(key(u"bottomRightY", index), bottomRightY);
    list.get(key(u"contents", index), contents);
    Ork_String merged;
    if (list.get(key(u"comboList", index), merged))
        setSplitExtComboList(merged);
}

void Ork_DesignerControl::setToPropList(Ork_PropertiesList& list, int index) const {
    list.set(key(u"type", index), static_cast<int>(type));
    list.set(key(u"topLeftX", index), topLeftX);
    list.set(key(u"topLeftY", index), topLeftY);
    list.set(key(u"bottomRightX", index), bottomRightX);
    list.set(key(u"bottomRightY", index), bottomRightY);
    list.set(key(u"contents", index), contents);
    list.set(key(u"comboList", index), getMergedExtComboList());
}

Ork_String Ork_DesignerControl::getMergedExtComboList() const {
    if (type == ctFlexButton)
        return flexGroup + u';' + flexPart2 + u';' + flexPart3 + u';' + flexPart4;
    if (type == ctCalcButtonFactor || type == ctCalcButtonCell)
        return calcPart1 + u';' + calcPart2 + u';' + calcPart3 + u';' + calcPart4 + u';' + extra;
    return extra;
}

bool Ork_DesignerControl::setSplitExtComboList(const Ork_String& text) {
    if (type == ctFlexButton) {
        const Ork_StringArray pieces = strToArr(text, u';');
        flexGroup = piece(pieces, 0);
        flexPart2 = piece(pieces, 1);
        flexPart3 = piece(pieces, 2);
        flexPart4 = piece(pieces, 3);
    } else if (type == ctCalcButtonFactor || type == ctCalcButtonCell) {
        const Ork_StringArray pieces = strToArr(text, u';');
        calcPart1 = piece(pieces, 0);
        calcPart2 = piece(pieces, 1);
        calcPart3 = piece(pieces, 2);
        calcPart4 = piece(pieces, 3);
        extra = piece(pieces, 4);
    } else {
        extra = text;
    }
    return true;
}

void Ork_DesignerControl::getComboItemsFromFile(Ork_StringArray& items) const {
    if (extra.isEmpty())
        return;
    // Item files live with the library, so a design carries a name that works on every machine.
    const Ork_String path = os::isAbsolutePath(extra) ? extra : Ork_Settings::libDir() + extra;
    if (!ObjectExportFileExists(path))
        return;
    Ork_StringArray lines;
    if (ObjectExportReadFile(path, lines))
        items = lines;
}

ui::Window* Ork_DesignerControl::getCtrlPtr(const ui::Window* dialog, ui::Window*& window) const {
    window = dialog && resourceId != 0 ? dialog->getDlgItem(resourceId) : nullptr;
    return window;
}

ui::ComboBox* Ork_DesignerControl::getComboPtr(const ui::Window* dialog) const {
    if (type != ctCellCombo && type != ctProfileCombo && type != ctOffsetTypeCombo && type != ctProfileRotationCombo)
        return nullptr;
    ui::Window* window = nullptr;
    return dynamic_cast<ui::ComboBox*>(getCtrlPtr(dialog, window));
}

ui::Button* Ork_DesignerControl::getButtonPtr(const ui::Window* dialog) const {
    if (controlClassOf(type) != Ork_ControlClass::Button)
        return nullptr;
    ui::Window* window = nullptr;
    return dynamic_cast<ui::Button*>(getCtrlPtr(dialog, window));
}

ui::Edit* Ork_DesignerControl::getEditPtr(const ui::Window* dialog) const {
    if (controlClassOf(type) != Ork_ControlClass::Edit)
        return nullptr;
    ui::Window* window = nullptr;
    return dynamic_cast<ui::Edit*>(getCtrlPtr(dialog, window));
}
