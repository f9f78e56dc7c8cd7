#pragma once
// Small builders so the template files read as tables.
#include "ui/DialogTemplate.h"

#include <string>

namespace ui {
class ResourceModule;
}

namespace ssres {

// A top-level dialog with OK and Cancel at its bottom right: the frame every dialog template starts from.
ui::DialogTemplate okCancelDialog(int id, std::u16string caption, ui::Size size, bool resizable = false);

// Templates of the subsystems, each in the file of its subsystem.
void addFrameTemplates(ui::ResourceModule& module);
void addSheetTemplates(ui::ResourceModule& module);
void addDesignerTemplates(ui::ResourceModule& module);
void addMacroEditTemplates(ui::ResourceModule& module);
void addMacroDlgTemplates(ui::ResourceModule& module);
// The advanced and segmented profile dialogs (templatesProfAdv.cpp); they replace the macro dialog's stand-ins.
void addProfAdvTemplates(ui::ResourceModule& module);
// The pattern, array and cut dialogs (templatesMacroParts.cpp); registered after the macro dialog's.
void addMacroPartTemplates(ui::ResourceModule& module);
void addSeclibTemplates(ui::ResourceModule& module);
void addAuxDlgTemplates(ui::ResourceModule& module);
void addBitmaps(ui::ResourceModule& module);
// The designer's drawn icons (designerIcons.cpp). Registered after the section library's, which holds a
// plain icon under 223 too, so the drawn copy icon is the one both show.
void addDesignerIcons(ui::ResourceModule& module);

} // namespace ssres
