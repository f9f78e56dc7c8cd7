#pragma once
// The host's image list control: a thumbnail per picture file over the list view, each labelled, and the
// name of the chosen one. A picture that cannot be read keeps its place with an empty thumbnail, so the
// list always matches the files offered.
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"
#include "ui/ListCtrl.h"

class CImageListCtrl : public ui::ListCtrl {
public:
    static constexpr ui::Size kThumbnailSize{96, 96};

    // Takes the place of the dialog's list view `id`; false when there is none.
    bool attach(ui::Window& dialog, int id);
    // Replaces the items: one per file, shown with its label, known by its name (labels and names in the
    // order of the files; a missing label shows the name).
    void setImages(const Ork_StringArray& files, const Ork_StringArray& names, const Ork_StringArray& labels);
    // The name of the chosen item; empty while none is chosen.
    Ork_String getSelectionName() const;

private:
    Ork_StringArray m_names;
};
