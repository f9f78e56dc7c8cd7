#pragma once
// The twelve sheet functions the standards engine adds to the grid's own: data-table and section lookups,
// standard sizes within tolerances, and small helpers for texts and lists.
#include "grid/CustomFunction.h"

namespace ui {
class Window;
}

// Registers every function with the grid window, under its name and with its argument counts; a function
// registered before is replaced. False as soon as the grid refuses one.
bool registerStandardsFunctions(ui::Window* grid);

// The callbacks, each the sheet function of its name. Every one first empties its result and succeeds only
// when it produced one; a failure is the grid's error value in the calling cell.
namespace KvSSFunctions {

int roundTo(SSValueRecord* result, SSValueRecord* args, std::int16_t count);
int getCell(SSValueRecord* result, SSValueRecord* args, std::int16_t count);
int getProfCell(SSValueRecord* result, SSValueRecord* args, std::int16_t count);
int sectionSize(SSValueRecord* result, SSValueRecord* args, std::int16_t count);
int getSysName(SSValueRecord* result, SSValueRecord* args, std::int16_t count);
int stdWidthWithTolerance(SSValueRecord* result, SSValueRecord* args, std::int16_t count);
int stdThicknessWithTolerance(SSValueRecord* result, SSValueRecord* args, std::int16_t count);
int stdSizeWithTolerance(SSValueRecord* result, SSValueRecord* args, std::int16_t count);
int getArrayItem(SSValueRecord* result, SSValueRecord* args, std::int16_t count);
int toNumber(SSValueRecord* result, SSValueRecord* args, std::int16_t count);
int isNull(SSValueRecord* result, SSValueRecord* args, std::int16_t count);
int isPositive(SSValueRecord* result, SSValueRecord* args, std::int16_t count);

} // namespace KvSSFunctions
