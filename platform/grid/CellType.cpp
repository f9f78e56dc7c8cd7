#include "grid/CellType.h"

namespace grid {

int CellType::typeCode() const {
    switch (kind) {
    case CellKind::General: return 0;
    case CellKind::Edit: return 1;
    case CellKind::StaticText: return 5;
    case CellKind::Button: return 7;
    case CellKind::ComboBox: return 8;
    case CellKind::Picture: return 9;
    case CellKind::Integer: return 10;
    case CellKind::PictureFile: return 11;
    case CellKind::CheckBox: return 12;
    case CellKind::Number: return 14;
    }
    return 0;
}

} // namespace grid
