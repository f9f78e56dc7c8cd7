#pragma once
// One named point of a DSTV point file: how the point is found on a plate (by the extent of a geometry, on
// one of its sides, or by an intersection), which plates it concerns and whether and how a hole is drilled
// there. What each value means for the DSTV output is the host's own; the point editor only moves them.
#include "nuvo/Ork_String.h"

class Ork_DstvPointInfo {
public:
    // A new point: found by the geometry's extent on sides 0 and 2, 50 from the plate's edge, no hole.
    Ork_DstvPointInfo() = default;
    explicit Ork_DstvPointInfo(const Ork_String& name) : m_name(name) {}
    virtual ~Ork_DstvPointInfo() = default;
    Ork_DstvPointInfo(const Ork_DstvPointInfo&) = default;
    Ork_DstvPointInfo& operator=(const Ork_DstvPointInfo&) = default;
    bool operator==(const Ork_DstvPointInfo& other) const;

    const Ork_String& name() const { return m_name; }
    void setName(const Ork_String& name) { m_name = name; }

    bool selectGeomExtent() const { return m_selectGeomExtent; }
    int sideSelection1() const { return m_side1; }
    int sideSelection2() const { return m_side2; }
    void setSelectGeomExtent(bool select, int side1, int side2);

    bool selectIntersGeom() const { return m_selectIntersGeom; }
    bool selectIntersMid() const { return m_selectIntersMid; }
    int intersStartDir() const { return m_startDir; }
    void setSelectIntersGeom(bool select, bool middle, int startDir);

    int viewPlateSelection() const { return m_viewPlate; }
    int markPlateSelection() const { return m_markPlate; }
    double minPlateSideDist() const { return m_minDist; }
    void setPlateSelection(int viewPlate, int markPlate, double minDist);

    bool drillFullHole() const { return m_fullHole; }
    bool radiusThicknessBased() const { return m_thicknessBased; }
    double drillRadius() const { return m_diameter; }
    void setDrillFullHole(bool fullHole, bool thicknessBased, double diameter);

private:
    Ork_String m_name;
    bool m_selectGeomExtent = true;
    int m_side1 = 0;
    int m_side2 = 2;
    bool m_selectIntersGeom = false;
    bool m_selectIntersMid = true;
    int m_startDir = 0;
    int m_viewPlate = 0;
    int m_markPlate = 0;
    double m_minDist = 50;
    bool m_fullHole = false;
    bool m_thicknessBased = false;
    double m_diameter = 16;  // the hole's diameter, whatever the accessor's name says
};
