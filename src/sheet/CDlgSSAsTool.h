#pragma once
// A hidden window with one grid, in which a sheet is built off screen (the bill output builds its sheet here),
// and its holder, which makes the window on first need and destroys it with itself.
#include "spread/Ork_Spread.h"
#include "ui/Dialog.h"

#include <memory>

class CDlgSSAsTool : public ui::Dialog {
public:
    explicit CDlgSSAsTool(ui::Window* parent = nullptr);
    ~CDlgSSAsTool() override;

    Ork_Spread m_grid;

protected:
    bool onInitDialog() override;
};

class DlgSSAsTool {
public:
    DlgSSAsTool();
    ~DlgSSAsTool();
    DlgSSAsTool(const DlgSSAsTool&) = delete;
    DlgSSAsTool& operator=(const DlgSSAsTool&) = delete;

    // Makes the window once: modeless, hidden, owned by the CAD main window, which gets the focus back.
    // False when the window cannot be made.
    bool ensureCreated();
    // The window's grid; none before the window exists or when its grid could not be made.
    Ork_Spread* get() const;
    CDlgSSAsTool* dialog() const { return m_dialog.get(); }

private:
    bool m_created = false;
    std::unique_ptr<CDlgSSAsTool> m_dialog;
};
