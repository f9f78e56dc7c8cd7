#pragma once
// Reading the argument records of the standards sheet functions and filling their result records.
//
// An argument is a number when it holds an integer or a double value, a text when it holds a readable
// text; a blank argument (no value) is neither. Texts lose one leading and one trailing double quote, as
// authors quote file names and keys inside formulas that the grid hands over as texts.
#include "grid/CustomFunction.h"
#include "nuvo/Ork_String.h"

namespace KvSSValueRecord {

// The state every function starts from: no value (status 2, type 0), which the grid shows as its error
// when the function then fails.
void setEmpty(SSValueRecord& record);

bool isBlank(const SSValueRecord& record);
bool readNumber(const SSValueRecord& record, double& value);
bool readText(const SSValueRecord& record, Ork_String& text);

void setNumber(SSValueRecord& record, double value);
// False (record left empty) when the grid's memory refuses the text.
bool setText(SSValueRecord& record, const Ork_String& text);

// `value` truncated toward zero and held to the int range, so 1e300 or -1e300 become the largest or
// smallest int instead of an undefined conversion. False for a value that is not a number.
bool truncateToInt(double value, int& result);

} // namespace KvSSValueRecord
