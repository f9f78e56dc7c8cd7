#pragma once
// The scope in which an entry point shows its dialogs: this module's resources (templates, bitmaps, icons)
// are current from construction to destruction, on every way out, exceptions included. Guards nest: an
// entry point called from inside another (a child spreadsheet's evaluation) opens a second one, which
// neither switches nor restores.
class KvTempResourceOverride;

class KvResourceGuard {
public:
    KvResourceGuard();
    ~KvResourceGuard();
    KvResourceGuard(const KvResourceGuard&) = delete;
    KvResourceGuard& operator=(const KvResourceGuard&) = delete;

private:
    bool m_switched;
};

// The process-wide override that remembers this module's resources (set at attach).
KvTempResourceOverride& ssResourceOverride();
