#pragma once
// The DSTV point files dialog: lists the point files with the standard one checked; "+" makes a new empty
// file, "-" deletes the chosen one, Edit opens the point editor on it, and the chosen file can be taken into
// use as the standard one. Every action works on the file chosen in the list, and does nothing without one.
#include "nuvo/CCheckComboBox.h"
#include "ui/Dialog.h"

class CDlgSelectDstvPointsFile : public ui::Dialog {
public:
    explicit CDlgSelectDstvPointsFile(ui::Window* parent = nullptr);

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int code) override;

private:
    // Lists the files again; `select` is chosen when it is one of them (compared without case).
    void refill(const Ork_String& select);
    Ork_String chosenName() const;
    void addFile();
    void removeFile();
    void editFile();
    void takeIntoUse();
    void tell(const Ork_String& text);

    CCheckComboBox m_files;
};
