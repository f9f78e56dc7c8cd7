#include "nuvo/KvTempResourceOverride.h"

#include "ui/Resources.h"

bool KvTempResourceOverride::SetDefaultResource() {
    if (!module_ || ui::Resources::current() == module_)
        return false;
    replaced_.push_back(ui::Resources::current());
    ui::Resources::setCurrent(module_);
    return true;
}

void KvTempResourceOverride::RestoreOriginalResource() {
    if (replaced_.empty())
        return;
    ui::Resources::setCurrent(replaced_.back());
    replaced_.pop_back();
}
