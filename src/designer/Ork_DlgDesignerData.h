#pragma once
// A designed page: controls laid over a background picture, stored as a file pair below the library's
// "Dialog Templates\Dialog Design\" folder (the control list NAME.txt, the picture NAME.bmp) and placed on a
// live dialog by the designer window and the macro dialog. One of the module's exported classes.
//
// Rectangles are fractions of the picture's size. A page without a picture converts as if its size were 1,
// so its fractions are pixels and no conversion ever divides by zero.
#include "designer/Ork_DesignerControl.h"
#include "nuvo/Ork_Array.h"
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"
#include "SS/ssExport.h"
#include "ui/Window.h"
#include "ui/geometry.h"
#include "ui/paint/Canvas.h"

#include <cstdint>

#include <vector>

class CControlRect;
class CControlTracker;
class Ork_PropertiesList;

namespace ui {
class Window;
struct Msg;
} // namespace ui

// What a Tab key did on a page placed on a live dialog (handleTabKey).
enum Ork_TabMsgHandle : std::int32_t {
    tmHandled = 0,        // the focus moved to another control of the page
    tmNotHandled = 1,     // not a Tab for this page; the caller handles it
    tmLeaveForward = 2,   // Tab on the last control: the caller moves on to the next area
    tmLeaveBackward = 3,  // Shift+Tab on the first control: the caller moves back to the previous area
};

class SS_EXPORT Ork_DlgDesignerData {
public:
    // The identifiers macro pages and the designer give their controls: at most 100 windows per page.
    static constexpr int kFirstCtrlId = 33000;
    static constexpr int kLastCtrlId = 33099;
    // What a design file may be: larger files and longer lists are refused rather than read.
    static constexpr std::uint64_t kMaxFileBytes = 4u * 1024u * 1024u;
    static constexpr int kMaxControls = 10000;

    bool initialized = false;
    bool updatingProps = false;
    ui::Window* dialog = nullptr;
    ui::Image flexIcon;  // shown on flex buttons; loaded on first use
    ui::Canvas image;  // white turned black, drawn over `mask`
    ui::Canvas mask;   // white where the picture is transparent
    int imageWidth = 0;
    int imageHeight = 0;
    int firstId = 0;
    int lastId = 0;
    bool designMode = false;
    int typeComboId = 0;
    int contentsLabelId = 0;
    int contentsEditId = 0;
    int extraLabelId = 0;
    int extraEditId = 0;
    std::vector<CControlRect*> drawnCtrls;  // the live windows, one per control after a redraw; owned
    CControlTracker* tracker = nullptr;      // the selection; only in design mode; owned
    Ork_String name;  // relative to the design folder, without extension ("Bracing\Gusset")
    Ork_Array<Ork_DesignerControl> controls;

    Ork_DlgDesignerData();
    // Windows and pictures belong to one page: a copy is a fresh, empty page and assignment changes nothing.
    Ork_DlgDesignerData(const Ork_DlgDesignerData& other);
    Ork_DlgDesignerData& operator=(const Ork_DlgDesignerData& other);
    virtual ~Ork_DlgDesignerData();

    // The library's design folder, ending in "\".
    static Ork_String getDesignerRootFolder();
    // Every design below the folder by name, sorted (sub-folders included).
    static void findModuleImages(Ork_StringArray& names);
    // `path` with "/" and "\" as one separator and "." and ".." applied; false when ".." climbs above the
    // root of an absolute path.
    static bool normalisePath(const Ork_String& path, Ork_String& normalised);

    int getNrControls() const { return controls.length(); }
    const Ork_DesignerControl* getControl(int index) const { return controls.get(index); }
    Ork_DesignerControl* getControlWrite(int index) { return controls.get(index); }
    Ork_DesignerControl* getControlFromRes(int resourceId);
    void removeControl(int index);
    // The picture's size once the page is placed on a dialog; 0 and 0 before.
    void getImageSize(int& width, int& height) const;
    // The contents of every cell edit (type 2), in list order.
    void getAllCtrlNames(Ork_StringArray& names) const;
    ui::Window* getDlgPtr() const { return initialized ? dialog : nullptr; }

    double pixelsToFactor(bool horizontal, double pixels) const;
    double factorToPixels(bool horizontal, double factor) const;
    double getTopLeftX(const Ork_DesignerControl& c) const { return factorToPixels(true, c.topLeftX); }
    double getTopLeftY(const Ork_DesignerControl& c) const { return factorToPixels(false, c.topLeftY); }
    double getBottomRightX(const Ork_DesignerControl& c) const { return factorToPixels(true, c.bottomRightX); }
    double getBottomRightY(const Ork_DesignerControl& c) const { return factorToPixels(false, c.bottomRightY); }
    void setTopLeftX(Ork_DesignerControl& c, double px) const { c.topLeftX = pixelsToFactor(true, px); }
    void setTopLeftY(Ork_DesignerControl& c, double px) const { c.topLeftY = pixelsToFactor(false, px); }
    void setBottomRightX(Ork_DesignerControl& c, double px) const { c.bottomRightX = pixelsToFactor(true, px); }
    void setBottomRightY(Ork_DesignerControl& c, double px) const { c.bottomRightY = pixelsToFactor(false, px); }
    double getWidth(const Ork_DesignerControl& c) const { return getBottomRightX(c) - getTopLeftX(c); }
    double getHeight(const Ork_DesignerControl& c) const { return getBottomRightY(c) - getTopLeftY(c); }
    // The right edge moves; the left stays.
    void setWidth(Ork_DesignerControl& c, double px) const { setBottomRightX(c, getTopLeftX(c) + px); }
    // The top edge moves; the bottom stays (aligning bottoms relies on it).
    void setHeight(Ork_DesignerControl& c, double px) const { setTopLeftY(c, getBottomRightY(c) - px); }

    // Appends a copy with the smallest free identifier from firstId to lastId (0 when all are used) and
    // returns that identifier.
    int append(const Ork_DesignerControl& control);
    // A 30 by 18 pixel control a fifth of the picture in from its top-left corner, with host text 171.
    bool addNewControl(Ork_ControlType type);
    // Loads the picture and makes its mask (pure white transparent). A missing file keeps the old picture;
    // a file that cannot be loaded leaves the page without one. True when a picture is attached.
    bool attachBitmap(const Ork_String& path);

    // Reads the design file `path` (below the design folder), and with `withPicture` its picture (without
    // one the page has none). False, and the page unchanged, when the path is outside the folder or the file
    // cannot be read, is malformed, is larger than 4 MB or declares more than 10 000 controls.
    bool readFromFile(const Ork_String& path, bool withPicture);
    // Writes the page as the design `path` (below the design folder) with the picture copied beside it.
    // False, with the old pair and `name` as they were, when the path is outside the folder or a write fails.
    bool writeToFile(const Ork_String& path);

    // The control list as a design file's keys. Reading replaces the controls (fresh identifiers) and refuses
    // a list that declares more than 10 000, leaving the page as it was; a missing or negative count is 0.
    bool readControls(const Ork_PropertiesList& list);
    void writeControls(Ork_PropertiesList& list) const;

    // The rectangle in the page's client pixels, each edge rounded to the nearest pixel; a product that is not
    // finite or lies beyond window coordinates is clamped (NaN gives 0).
    static constexpr int kMaxCoordinate = 32767;
    ui::Rect pixelRect(const Ork_DesignerControl& c) const;

    // The keyboard order of a macro page: every control that is not read-only, a label or a group box is
    // numbered row by row, top to bottom and left to right within a row; every other control gets 0.
    void sortAllControls();
    bool findCtrlFromResource(int resourceId, int& index) const;
    // The first cell edit or cell combo box (types 2 and 3) whose contents is `contentsName`.
    bool findEditCtrlWithContents(const Ork_String& contentsName, int& index) const;
    bool isTypeBoltCount(int resourceId) const;
    // Every control's rectangle (fractions) on the host's command line.
    void printPositions() const;

    // Rectangles back from the live windows on the page's dialog.
    bool getSizeFromControl(int index);
    void getSizeFromAllControls();

    // ---- On a live dialog
    // The macro dialog's font scale (its OK button's height / 20); run-mode sizing reads it.
    static double dialogScale;

    // Places the page on `dialog`; false only for a null dialog. In run mode the windows are live inputs.
    bool initialize(ui::Window* dialog, int firstId, int lastId, int typeComboId, int contentsLabelId,
                    int contentsEditId, int extraLabelId, int extraEditId, bool designMode);
    // Rebuilds one window per control, in list order (run mode numbers the keyboard order first).
    void redrawAllControls();
    // Destroys every window the page made (those its dialog already destroyed are only let go).
    void removeAllDrawnCtrls();

    // A control's value as text: a check box "0", "1" or the mixed-state text, a cut combo box its index,
    // any other control its window's text.
    bool getCtrlValue(int id, Ork_String& value) const;
    bool setCtrlValue(int id, const Ork_String& value);
    // Enables or disables the window of a cell edit or cell combo box (types 2 and 3).
    bool setCtrlReadOnly(int id, bool readOnly);
    bool isADynControl(int id) const;
    bool getDynControlType(int id, Ork_ControlType& type) const;
    // `id` receives the focus window's identifier; true when it is one of the page's controls.
    bool getFocusedDynControl(int& id) const;
    // Walks the keyboard order on Tab and Shift+Tab. A control whose window is disabled or hidden is passed
    // over, so a control made read-only since the last redraw is never landed on.
    bool handleTabKey(const ui::Msg& key, Ork_TabMsgHandle& result);
    // Focuses the first (tab order 1) or the last control of the keyboard order.
    bool setFocusToCtrl(bool first);

    // Draws the page's background into `dc`, the dialog's client area: the picture at (0, 0) through its
    // mask, so the dialog's own background shows where the picture is white (in design mode the button face
    // is laid first). Always 0.
    int OnEraseBkgnd(ui::Canvas& dc) const;
    // The same for a client area at `client` on a picture of the whole dialog.
    void drawBackground(ui::Canvas& dc, const ui::Rect& client) const;

    // ---- In the designer (design mode): the selection tracker takes the mouse and paints the selection
    void OnPaint(ui::Canvas& dc) const;
    void OnLButtonDown(unsigned flags, ui::Point point);
    bool OnSetCursor(unsigned hit, unsigned message) const;

    // The index of the only selected control; -1 without a tracker, unless exactly one is selected, or when
    // no control has its identifier.
    int getCurSel() const;
    // Duplicates the selected controls 20 pixels right and down and selects the copies.
    void copyCurCtrls();
    // Deletes the selected controls with their windows; true when there is a tracker.
    bool removeCurControls();
    // Asks for a width (true) or height in pixels and gives it to every selected control.
    void changeCtrlSize(bool horizontal);
    // One control's width (its right edge moves) or height (its bottom edge moves).
    void changeCtrlSize(int index, bool horizontal, double pixels);
    // Aligns the bottoms of the selected controls on the leftmost one's, each keeping its height.
    bool outlineCurCtrls();
    // Of exactly two selected controls, puts the right one against the right edge of the leftmost, at its
    // height, keeping its own width.
    bool stickRightCurCtrls();

    // The designer's property boxes: the type box, the contents box and the extra box with their labels.
    void updatePropsOfCurSel();
    void updateProps(int index);
    void readProps(int index);
    // The user changed a property box: the current control takes the boxes' values.
    void propsOfCurSelUpdated();

    // ---- Flex buttons: type-30 controls grouped by `flexGroup`, each standing for the entry `contents`
    // The buttons of a group, and those of them with a third part. An empty group name has none.
    bool getFlexBtnsInGroup(const Ork_String& group, Ork_Array<int>& all, Ork_Array<int>& withPart3) const;
    void getFlexBtnsGroups(Ork_StringArray& groups) const;
    bool findFlexButton(const Ork_String& group, const Ork_String& entry, int& index) const;
    bool getAllFlexVarsOfGroup(const Ork_String& group, Ork_StringArray& names) const;
    bool getFlexBtnGroupName(int id, Ork_String& group, Ork_String& entry) const;
    // A button's check state, 0, 1 or 2; writing 2 unchecks it.
    bool getSetFlexBtnStatus(bool set, int index, int& status);
    bool getFlexBtnStatus(int index, int& status);
    bool setFlexBtnStatus(const Ork_String& group, const Ork_String& entry, int status);
    bool hideAllFlexBtns(const Ork_String& group);

protected:
    bool drawControl(Ork_DesignerControl& control);
    bool removeDrawnCtrlOnly(int id);
    bool findDrawnCtrlFromResource(int id, int& index, CControlRect*& rect) const;
    bool FillDesCombo(ui::Window* dlg, const Ork_DesignerControl& control);
    bool containsEditableCtrls() const;
    bool findCtrlWithTabOrder(int order, int& index) const;
    bool setFocusToCtrl(int index);
    bool setBtnIcon(const Ork_DesignerControl& control, const ui::Image& icon);
    bool getSetComboValue(bool set, const Ork_DesignerControl* control, Ork_String& value) const;
    bool getComboValue(const Ork_DesignerControl* control, Ork_String& value) const;
    bool setComboValue(const Ork_DesignerControl* control, const Ork_String& value) const;
    bool getSetCheckValue(bool set, const Ork_DesignerControl* control, Ork_String& value) const;
    void selectCtrls(const std::vector<int>& ids);
    // The index of the control with the smallest left edge among the identifiers; the earlier wins a tie.
    bool findMostLeftCtrl(const std::vector<int>& ids, int& index) const;
    bool getCheckValue(const Ork_DesignerControl* control, Ork_String& value) const;
    bool setCheckValue(const Ork_DesignerControl* control, const Ork_String& value) const;

    // True when `path` lies below the design folder; `name` is then its name there.
    static bool getNameFromFile(const Ork_String& path, Ork_String& name);

    // Takes the row of the top remaining control off `remaining` and numbers it from `counter` on. Always
    // takes at least that control, so the ordering ends whatever the rectangles hold (NaN, inverted, > 1).
    void sortNextRow(Ork_Array<int>& remaining, int& counter);

private:
    void releaseDialog();
    static int freeId(const Ork_Array<Ork_DesignerControl>& list, int first, int last);
};

// The library's designs by name, sorted.
inline void getModuleImages(Ork_StringArray& names) { Ork_DlgDesignerData::findModuleImages(names); }
