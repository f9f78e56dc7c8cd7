#pragma once
// The dialog designer: a user draws a designed page over its picture — adds controls, drags and resizes them,
// sets each one's type, contents and extra list — and saves it as a file pair in the design folder.
//
// The page lies on the window itself, from the client area's top-left corner; the tools and the property
// boxes stand in a column at the right and follow the window's right edge when it is resized, while the
// page's controls stay on their picture.
#include "designer/Ork_DlgDesignerData.h"
#include "nuvo/CButtonST.h"
#include "nuvo/CResizer.h"
#include "nuvo/Ork_String.h"
#include "ui/Dialog.h"

#include <array>

class CDlgDesigner : public ui::Dialog {
public:
    explicit CDlgDesigner(ui::Window* parent = nullptr);

    // The key under which the window's size is kept between runs.
    static constexpr const char16_t* kSizeKey = u"DLG_DLGDESIGNER";

    Ork_DlgDesignerData page;
    Ork_String file;        // the design file to open; empty for a new page
    bool modified = false;

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int code) override;
    void onOK() override;
    // The close box and the (hidden) Cancel: the save question first.
    void onCancel() override;
    void onDestroy() override;
    void onLButtonDown(unsigned flags, ui::Point point) override;
    bool onSetCursor(ui::Window* window, unsigned hit, unsigned message) override;
    void onSize(unsigned type, int cx, int cy) override;
    void onGetMinMaxInfo(ui::MinMaxInfo& info) override;
    // Escape never reaches the dialog manager: the designer does not close on it.
    bool preTranslateMessage(const ui::Msg& msg) override;

private:
    void setTitle();
    void setUpButtons();
    void setUpResizer();
    // Asks whether to save a modified page; true when the caller may go on (saved, or not wanted).
    bool saveQuestion();
    bool saveAs();
    bool save(const Ork_String& path);
    // Reads a design into the page; an unreadable one is reported and leaves the page as it was.
    bool load(const Ork_String& path);
    void openDesign();
    void loadPicture();
    void warn(const Ork_String& message);

    std::array<CButtonST, 8> m_iconButtons;
    CResizer m_resizer;
    ui::Size m_minSize{50, 50};
};
