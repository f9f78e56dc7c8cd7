#pragma once
// A modal dialog that works on its own copy of a caller's record, and the rule by which the exported entry
// points run one: the record is copied in, the dialog runs with this module's resources current, and only
// when it ends with OK is the dialog's copy copied back; Cancel leaves the caller's record untouched.
#include "base/KvResourceGuard.h"
#include "ui/Dialog.h"

template <class Record>
class KvRecordDlg : public ui::Dialog {
public:
    explicit KvRecordDlg(int templateId, ui::Window* parent = nullptr) : ui::Dialog(templateId, parent) {}

    Record m_data;
};

// Runs a dialog of class Dlg (default-constructible, with a member m_data) on `record` by the modal rule.
template <class Dlg, class Record>
bool runModalOnRecord(Record& record) {
    KvResourceGuard guard;
    Dlg dialog;
    dialog.m_data = record;
    if (dialog.doModal() != ui::IDOK)
        return false;
    record = dialog.m_data;
    return true;
}
