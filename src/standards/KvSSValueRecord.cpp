#include "standards/KvSSValueRecord.h"

#include "nuvo/globalStr.h"

#include <cmath>
#include <limits>

namespace KvSSValueRecord {

void setEmpty(SSValueRecord& record) {
    record = SSValueRecord{};
    record.status = SSStatusNoValue;
    record.type = SSTypeLong;
}

bool isBlank(const SSValueRecord& record) { return record.status == SSStatusNoValue; }

bool readNumber(const SSValueRecord& record, double& value) {
    if (record.status != SSStatusValid)
        return false;
    switch (record.type) {
    case SSTypeLong: value = record.lValue; return true;
    case SSTypeDouble: value = record.dValue; return true;
    default: return false;
    }
}

bool readText(const SSValueRecord& record, Ork_String& text) {
    if (record.status != SSStatusValid || record.type != SSTypeString)
        return false;
    Ork_String read;
    if (!getGlobalStr(record.hValue, read))
        return false;
    if (!read.isEmpty() && read.front() == u'"')
        read.erase(0, 1);
    if (!read.isEmpty() && read.back() == u'"')
        read.pop_back();
    text = std::move(read);
    return true;
}

void setNumber(SSValueRecord& record, double value) {
    record = SSValueRecord{};
    record.status = SSStatusValid;
    record.type = SSTypeDouble;
    record.dValue = value;
}

bool setText(SSValueRecord& record, const Ork_String& text) {
    grid::MemHandle handle = 0;
    if (!setGlobalStr(handle, text))
        return false;
    record = SSValueRecord{};
    record.status = SSStatusValid;
    record.type = SSTypeString;
    record.hValue = handle;
    return true;
}

bool truncateToInt(double value, int& result) {
    if (std::isnan(value))
        return false;
    const double t = std::trunc(value);
    if (t <= static_cast<double>(std::numeric_limits<int>::min()))
        result = std::numeric_limits<int>::min();
    else if (t >= static_cast<double>(std::numeric_limits<int>::max()))
        result = std::numeric_limits<int>::max();
    else
        result = static_cast<int>(t);
    return true;
}

} // namespace KvSSValueRecord
