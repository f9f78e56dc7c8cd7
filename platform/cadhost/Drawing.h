#pragma once
// The drawing side of the host as the module's dialogs reach it: object ids, transactions, and the calls
// that would change a drawing. There is no drawing here: every call is recorded (HostLog) with its
// arguments, and a handler may be installed (by the macro model, or a test) to act on the request.
#include "cadhost/AcArray.h"
#include "cadhost/AcDbObjectId.h"
#include "cadhost/ErrorStatus.h"

#include <functional>
#include <string>

class MacroData;   // the host macro library's dialog-side macro record

// A database transaction: the scope in which macro objects are opened. Only its identity matters here.
class AcDbTransaction {
public:
    AcDbTransaction();
    long serial() const { return serial_; }

private:
    long serial_;
};

// Erases a drawing object. eInvalidInput for the null id.
ErrorStatus EraseObject(AcDbObjectId id);

// Applies the changed values of one module group of a macro to the drawing. `changed` and `unchanged` are
// the host's change codes. Returns whether the drawing was updated (false when nothing handles updates).
bool UpdateModule(const std::u16string& group, MacroData* macro, const AcArray<int>& changed,
                  const AcArray<int>& unchanged);

namespace cadhost {

// A new, never used object id.
AcDbObjectId newObjectId();

using EraseHandler = std::function<ErrorStatus(AcDbObjectId)>;
using UpdateHandler =
    std::function<bool(const std::u16string&, MacroData*, const AcArray<int>&, const AcArray<int>&)>;

// Install what acts on the requests (returning the previous handler); without one, erasing succeeds for
// any non-null id and updating reports true.
EraseHandler setEraseHandler(EraseHandler handler);
UpdateHandler setUpdateHandler(UpdateHandler handler);

} // namespace cadhost
