#include "nuvo/records/Ork_ListOutputCallback.h"

Ork_ListOutputCallback::Ork_ListOutputCallback() = default;
Ork_ListOutputCallback::Ork_ListOutputCallback(const Ork_ListOutputCallback&) = default;
Ork_ListOutputCallback& Ork_ListOutputCallback::operator=(const Ork_ListOutputCallback&) = default;
Ork_ListOutputCallback::~Ork_ListOutputCallback() = default;

ErrorStatus Ork_ListOutputCallback::onStartFeed() { return eOk; }
ErrorStatus Ork_ListOutputCallback::onEndFeed() { return eOk; }
ErrorStatus Ork_ListOutputCallback::onNewPage() { return eOk; }
ErrorStatus Ork_ListOutputCallback::onAddRow(const Ork_StringArray&) { return eOk; }
ErrorStatus Ork_ListOutputCallback::onAddSubTotals(const Ork_StringArray&, const Ork_StringArray&, bool, int) {
    return eOk;
}
ErrorStatus Ork_ListOutputCallback::onAddSeperation() { return eOk; }
