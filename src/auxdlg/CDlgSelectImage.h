#pragma once
// The image selection dialog: one thumbnail per offered picture, labelled with its name in the user's
// language; OK takes the chosen one's name and is refused while none is chosen. The dialog is resizable and
// reopens at the size it was left at.
#include "auxdlg/KvSelectImageDlgData.h"
#include "base/KvDlgLayout.h"
#include "base/KvRecordDlg.h"
#include "nuvo/CImageListCtrl.h"

class CDlgSelectImage : public KvRecordDlg<KvSelectImageDlgData> {
public:
    explicit CDlgSelectImage(ui::Window* parent = nullptr);

    static constexpr char16_t kSizeKey[] = u"DLG_SELECT_IMAGE";

protected:
    bool onInitDialog() override;
    void onOK() override;
    void onSize(unsigned type, int cx, int cy) override;
    void onDestroy() override;

private:
    CImageListCtrl m_images;
    KvDlgLayout m_layout;
};
