#include "dstvJson.h"
#include "shownPath.h"

#include "nuvo/dstv/DlgDstvPoints.h"
#include "nuvo/textHelpers.h"

namespace sscmd {

Json dstvFilesJson() {
    Ork_StringArray names;
    DlgDstvPoints::getAllDstvPointsFiles(names);
    return {{"folder", textJson(DlgDstvPoints::getDstvPointsFolder())},
            {"files", textsJson(names)},
            {"standard", textJson(DlgDstvPoints::getStandardDstvPointsFile())}};
}

Json dstvPointsJson(const Ork_Array<Ork_DstvPointInfo>& points) {
    Json out = Json::array();
    for (int i = 0; i < points.length(); ++i) {
        const Ork_DstvPointInfo& p = points[i];
        out.push_back({{"name", textJson(p.name())},
                       {"selectGeomExtent", p.selectGeomExtent()},
                       {"sideSelection1", p.sideSelection1()},
                       {"sideSelection2", p.sideSelection2()},
                       {"selectIntersGeom", p.selectIntersGeom()},
                       {"selectIntersMid", p.selectIntersMid()},
                       {"intersStartDir", p.intersStartDir()},
                       {"viewPlateSelection", p.viewPlateSelection()},
                       {"markPlateSelection", p.markPlateSelection()},
                       {"minPlateSideDist", p.minPlateSideDist()},
                       {"drillFullHole", p.drillFullHole()},
                       {"radiusThicknessBased", p.radiusThicknessBased()},
                       {"drillRadius", p.drillRadius()}});
    }
    return out;
}

void printDstvFiles(std::FILE* out) {
    Ork_StringArray names;
    DlgDstvPoints::getAllDstvPointsFiles(names);
    const Ork_String standard = removeExtension(DlgDstvPoints::getStandardDstvPointsFile());
    std::fprintf(out, "%s:\n", shownPath(DlgDstvPoints::getDstvPointsFolder()).c_str());
    if (names.isEmpty())
        std::fprintf(out, "  (no point files)\n");
    for (const Ork_String& name : names)
        std::fprintf(out, "%s %s\n", name.equal(standard, true) ? "*" : " ", name.utf8().c_str());
}

void printDstvPoints(const Ork_Array<Ork_DstvPointInfo>& points, std::FILE* out) {
    const Ork_StringArray sides = DlgDstvPoints::sideTexts();
    const Ork_StringArray directions = DlgDstvPoints::startDirectionTexts();
    const auto entry = [](const Ork_StringArray& list, int i) {
        return i >= 0 && i < list.length() ? list[i].utf8() : "#" + std::to_string(i);
    };
    if (points.isEmpty())
        std::fprintf(out, "(no points)\n");
    for (int i = 0; i < points.length(); ++i) {
        const Ork_DstvPointInfo& p = points[i];
        std::fprintf(out, "%d  %s\n", i, p.name().utf8().c_str());
        if (p.selectGeomExtent())
            std::fprintf(out, "   by the geometry's extent: sides %s and %s\n", entry(sides, p.sideSelection1()).c_str(),
                         entry(sides, p.sideSelection2()).c_str());
        if (p.selectIntersGeom())
            std::fprintf(out, "   by an intersection%s, starting %s\n", p.selectIntersMid() ? " (middle)" : "",
                         entry(directions, p.intersStartDir()).c_str());
        std::fprintf(out, "   view plate %d, mark plate %d, at least %s from the plate edge\n", p.viewPlateSelection(),
                     p.markPlateSelection(), Ork_String(p.minPlateSideDist(), 3).utf8().c_str());
        if (p.drillFullHole())
            std::fprintf(out, "   full hole, diameter %s%s\n", Ork_String(p.drillRadius(), 3).utf8().c_str(),
                         p.radiusThicknessBased() ? " added to the plate thickness" : "");
    }
}

} // namespace sscmd
