#pragma once
// The point editor of one DSTV point file: the points listed by name, one on show with its way of being
// found, its plates and its hole; "+" adds a point where the shown one stands, "-" removes the shown one.
// It works on its own list (m_points); the caller writes it back when the dialog ends with OK.
#include "nuvo/Ork_Array.h"
#include "nuvo/dstv/Ork_DstvPointInfo.h"
#include "ui/ComboBox.h"
#include "ui/Dialog.h"

class CDlgEditDstvPoints : public ui::Dialog {
public:
    explicit CDlgEditDstvPoints(ui::Window* parent = nullptr);

    Ork_Array<Ork_DstvPointInfo> m_points;
    // The point on show, -1 while there is none.
    int shown() const { return m_shown; }

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int code) override;
    void onOK() override;

private:
    void fillPointList();
    void showPoint(int index);
    void storePoint();
    void addPoint();
    void removePoint();
    void updateEnabling();
    // After the user changed one side list: the other leaves the changed one's kind.
    void separateSides(int changedId);
    ui::ComboBox* comboAt(int id) const;

    int m_shown = -1;
    // The numbers as shown, so a stored value is kept exactly unless its text was edited.
    Ork_String m_distanceShown;
    Ork_String m_diameterShown;
};
