#pragma once
// Makes a module's own resources current while it shows its dialogs, inside a host whose current resource
// module is the host's, and restores the previous ones afterwards.
//
// SetDefaultResource() returns true only when it changed the current module; the caller then owes one
// RestoreOriginalResource(). A nested call (this module's resources already current) returns false and
// owes nothing, so guards nest. The modules replaced are kept on a stack, so even unbalanced nesting
// restores in the right order.
#include <vector>

namespace ui {
class ResourceModule;
}

class KvTempResourceOverride {
public:
    KvTempResourceOverride() = default;
    virtual ~KvTempResourceOverride() = default;

    // Remembers the module's resources (its entry in the resource chain); null forgets them.
    void SaveDefaultResource(ui::ResourceModule* module) { module_ = module; }
    ui::ResourceModule* defaultResource() const { return module_; }

    bool SetDefaultResource();
    // Restores the module that the matching SetDefaultResource replaced; nothing when none is owed.
    void RestoreOriginalResource();

private:
    ui::ResourceModule* module_ = nullptr;
    std::vector<ui::ResourceModule*> replaced_;
};
