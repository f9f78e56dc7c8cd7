#include "nuvo/dstv/Ork_DstvPointInfo.h"

bool Ork_DstvPointInfo::operator==(const Ork_DstvPointInfo& o) const {
    return m_name == o.m_name && m_selectGeomExtent == o.m_selectGeomExtent && m_side1 == o.m_side1 &&
           m_side2 == o.m_side2 && m_selectIntersGeom == o.m_selectIntersGeom &&
           m_selectIntersMid == o.m_selectIntersMid && m_startDir == o.m_startDir && m_viewPlate == o.m_viewPlate &&
           m_markPlate == o.m_markPlate && m_minDist == o.m_minDist && m_fullHole == o.m_fullHole &&
           m_thicknessBased == o.m_thicknessBased && m_diameter == o.m_diameter;
}

void Ork_DstvPointInfo::setSelectGeomExtent(bool select, int side1, int side2) {
    m_selectGeomExtent = select;
    m_side1 = side1;
    m_side2 = side2;
}

void Ork_DstvPointInfo::setSelectIntersGeom(bool select, bool middle, int startDir) {
    m_selectIntersGeom = select;
    m_selectIntersMid = middle;
    m_startDir = startDir;
}

void Ork_DstvPointInfo::setPlateSelection(int viewPlate, int markPlate, double minDist) {
    m_viewPlate = viewPlate;
    m_markPlate = markPlate;
    m_minDist = minDist;
}

void Ork_DstvPointInfo::setDrillFullHole(bool fullHole, bool thicknessBased, double diameter) {
    m_fullHole = fullHole;
    m_thicknessBased = thicknessBased;
    m_diameter = diameter;
}
