#include "base/KvResourceGuard.h"

#include "nuvo/KvTempResourceOverride.h"

KvTempResourceOverride& ssResourceOverride() {
    static KvTempResourceOverride resourceOverride;
    return resourceOverride;
}

KvResourceGuard::KvResourceGuard() : m_switched(ssResourceOverride().SetDefaultResource()) {}

KvResourceGuard::~KvResourceGuard() {
    if (m_switched)
        ssResourceOverride().RestoreOriginalResource();
}
