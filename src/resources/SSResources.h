#pragma once
// The module's own resources: every dialog template it shows and the bitmaps it owns, registered as one
// resource module in the window framework's chain when the library is attached.
namespace ui {
class ResourceModule;
}

void registerSSResources(ui::ResourceModule& module);
