#include "nuvo/macro/profPlacementCalls.h"

#include "cadhost/HostLog.h"
#include "nuvo/crtNumbers.h"
#include "nuvo/hostTexts.h"
#include "ui/Services.h"

#include <iterator>
#include <string>

namespace {

using cadhost::HostLog;

// The offset types as the host numbers them; the dialog lists them in this order and adds the mixed text.
constexpr int kOffsetTypeTexts[] = {10490, 10491, 10492, 10493, 10494, 10495, 10496,
                                    10497, 10498, 10499, 10500, 10501, 10502};
constexpr int kOffsetTypeCount = static_cast<int>(std::size(kOffsetTypeTexts));
constexpr int kMixedText = 695;

std::u16string num(long long v) {
    std::u16string out;
    for (char c : std::to_string(v))
        out += static_cast<char16_t>(c);
    return out;
}

struct CoordSystems {
    Ork_StringArray names{Ork_String(u"UCS Front"), Ork_String(u"UCS Side")};
    AcArray<AcDbObjectId> ids{AcDbObjectId(301), AcDbObjectId(302)};
    long long nextId = 901;
};
CoordSystems& coordSystems() {
    static CoordSystems systems;
    return systems;
}

} // namespace

void getOffsetTypeStrings(Ork_StringArray& names) {
    HostLog::record(u"getOffsetTypeStrings");
    names = Ork_StringArray();
    for (int n : kOffsetTypeTexts)
        names.append(dialString(n));
    names.append(dialString(kMixedText));
}

int getDlgOffsetType(int profOffsetType, bool mixed) {
    if (mixed)
        return kOffsetTypeCount;
    return profOffsetType >= 0 && profOffsetType < kOffsetTypeCount ? profOffsetType : -1;
}

int getProfOffsetType(int dlgPosition) {
    return dlgPosition >= 0 && dlgPosition < kOffsetTypeCount ? dlgPosition : -1;
}

bool getAllCoordSys(Ork_StringArray& names, AcArray<AcDbObjectId>& ids, AcDbObjectId& defaultId) {
    HostLog::record(u"getAllCoordSys");
    const CoordSystems& systems = coordSystems();
    names = systems.names;
    ids = systems.ids;
    defaultId = systems.ids.isEmpty() ? AcDbObjectId() : systems.ids[0];
    return true;
}

bool createCoordSys(const Ork_String& name, AcDbObjectId& id) {
    CoordSystems& systems = coordSystems();
    id = AcDbObjectId(systems.nextId++);
    systems.names.append(name);
    systems.ids.append(id);
    HostLog::record(u"createCoordSys", {name, num(id.asOldId())});
    return true;
}

bool UserChooseSectionPoint(ui::Window* owner, const Ork_String& section, double rotation, double point[3]) {
    const Ork_String angle(rotation, 4);
    HostLog::record(u"UserChooseSectionPoint", {section, angle});
    const ui::PickResult r = ui::Services::pick({owner, u"sectionPoint", {section, angle}});
    if (!r.ok || r.values.size() < 2)
        return false;
    for (int i = 0; i < 3; ++i)
        point[i] = i < static_cast<int>(r.values.size()) ? _wtof(r.values[i].c_str()) : 0.0;
    return true;
}

namespace nuvo {

void setDrawingCoordSystems(const Ork_StringArray& names, const AcArray<AcDbObjectId>& ids) {
    CoordSystems& systems = coordSystems();
    systems.names = names;
    systems.ids = ids;
    // Names and ids go together: a longer list is cut to the shorter one.
    while (systems.names.length() > systems.ids.length())
        systems.names.removeAt(systems.names.length() - 1);
    while (systems.ids.length() > systems.names.length())
        systems.ids.removeAt(systems.ids.length() - 1);
}

void resetDrawingCoordSystems() { coordSystems() = CoordSystems(); }

} // namespace nuvo
