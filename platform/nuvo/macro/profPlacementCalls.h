#pragma once
// The host's calls behind the advanced profile dialog: the offset types of a profile placement, the drawing's
// coordinate systems and the pick of a point on a section. Each is recorded in cadhost::HostLog; picks are ui
// pick requests (kind "sectionPoint", answered with x, y and z).
#include "cadhost/AcArray.h"
#include "cadhost/AcDbObjectId.h"
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"

namespace ui {
class Window;
}

// The offset type names by dialog position: 0 a free offset, 1 and 2 the centres of gravity and shear, 3 to 12
// the nine points of the section's box, and last the mixed-values text (695).
void getOffsetTypeStrings(Ork_StringArray& names);
// The dialog position of a profile's offset type; `mixed` gives the mixed position. -1 for a type outside
// the list.
int getDlgOffsetType(int profOffsetType, bool mixed);
// The profile's offset type of a dialog position: the mixed position and positions outside the list give -1.
int getProfOffsetType(int dlgPosition);

// The drawing's coordinate systems (names and ids, in the same order) and the one new profiles lie in.
bool getAllCoordSys(Ork_StringArray& names, AcArray<AcDbObjectId>& ids, AcDbObjectId& defaultId);
// Makes a new coordinate system in the drawing (named `name`); its id. False when the drawing refuses.
bool createCoordSys(const Ork_String& name, AcDbObjectId& id);
// Lets the user pick a point on the section drawn at `rotation` (radians); false when nothing was picked.
bool UserChooseSectionPoint(ui::Window* owner, const Ork_String& section, double rotation, double point[3]);

namespace nuvo {
// The coordinate systems the drawing holds (tests and the ss command set them); the default is the first.
void setDrawingCoordSystems(const Ork_StringArray& names, const AcArray<AcDbObjectId>& ids);
void resetDrawingCoordSystems();
} // namespace nuvo
