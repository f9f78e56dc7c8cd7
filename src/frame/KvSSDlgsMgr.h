#pragma once
// The pool of hidden standards windows. Every standards evaluation takes a free window for its whole run
// and gives it back, so a child spreadsheet called during an evaluation gets a window of its own; the pool
// grows to the deepest nesting ever reached and reuses its windows afterwards.
//
// The window list and the in-use flags are parallel arrays: flag i belongs to window i. A copy of a pool
// shares the window pointers; only the process-wide pool gSSDlgsMgr destroys its windows when it goes (a
// pool made for a test owns nothing until it calls destroyAll).
#include "cadhost/AcArray.h"
#include "cadhost/ErrorStatus.h"
#include "SS/ssExport.h"

class CDlgSSStandards;

class SS_EXPORT KvSSDlgsMgr {
public:
    KvSSDlgsMgr();
    KvSSDlgsMgr(const KvSSDlgsMgr& other);
    KvSSDlgsMgr& operator=(const KvSSDlgsMgr& other);
    virtual ~KvSSDlgsMgr();

    // A free window, marked in use; a new hidden window from template 253 when none is free. Null when a
    // window cannot be created.
    CDlgSSStandards* getDlg();
    // eOk and the window is free again; eInvalidInput when it is not in the pool.
    ErrorStatus releaseDlg(CDlgSSStandards* dialog);
    // Destroys every window, last first, and empties the pool.
    void destroyAll();

    int count() const { return m_dlgs.length(); }
    bool isInUse(int index) const { return index >= 0 && index < m_inUse.length() && m_inUse[index]; }

private:
    // Destroys the window at that index and removes it and its flag; eInvalidInput for an index outside the
    // pool or an empty entry.
    ErrorStatus destroyDlg(int index);
    static void reserveStep(AcArray<CDlgSSStandards*>& dlgs, AcArray<bool>& flags);

    AcArray<CDlgSSStandards*> m_dlgs;
    AcArray<bool> m_inUse;
};

extern SS_EXPORT KvSSDlgsMgr gSSDlgsMgr;
