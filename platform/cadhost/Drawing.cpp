#include "cadhost/Drawing.h"

#include "cadhost/HostLog.h"

#include <string>

namespace cadhost {
namespace {

EraseHandler& eraseHandler() {
    static EraseHandler handler;
    return handler;
}

UpdateHandler& updateHandler() {
    static UpdateHandler handler;
    return handler;
}

std::u16string numbers(const AcArray<int>& values) {
    std::u16string out;
    for (int i = 0; i < values.length(); ++i) {
        if (i)
            out += u' ';
        for (char c : std::to_string(values[i]))
            out += static_cast<char16_t>(c);
    }
    return out;
}

std::u16string idText(AcDbObjectId id) {
    std::u16string out;
    for (char c : std::to_string(id.asOldId()))
        out += static_cast<char16_t>(c);
    return out;
}

} // namespace

AcDbObjectId newObjectId() {
    static std::int64_t next = 0;
    return AcDbObjectId(++next);
}

EraseHandler setEraseHandler(EraseHandler handler) {
    EraseHandler old = std::move(eraseHandler());
    eraseHandler() = std::move(handler);
    return old;
}

UpdateHandler setUpdateHandler(UpdateHandler handler) {
    UpdateHandler old = std::move(updateHandler());
    updateHandler() = std::move(handler);
    return old;
}

} // namespace cadhost

AcDbTransaction::AcDbTransaction() {
    static long next = 0;
    serial_ = ++next;
}

ErrorStatus EraseObject(AcDbObjectId id) {
    cadhost::HostLog::record(u"EraseObject", {cadhost::idText(id)});
    if (id.isNull())
        return eInvalidInput;
    if (const auto& handler = cadhost::eraseHandler())
        return handler(id);
    return eOk;
}

bool UpdateModule(const std::u16string& group, MacroData* macro, const AcArray<int>& changed,
                  const AcArray<int>& unchanged) {
    cadhost::HostLog::record(u"UpdateModule", {group, cadhost::numbers(changed), cadhost::numbers(unchanged)});
    if (const auto& handler = cadhost::updateHandler())
        return handler(group, macro, changed, unchanged);
    return true;
}
