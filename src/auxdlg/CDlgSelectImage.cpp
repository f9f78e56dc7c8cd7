#include "auxdlg/CDlgSelectImage.h"

#include "nuvo/MacroLangs.h"
#include "nuvo/dlgSize.h"
#include "nuvo/hostTexts.h"
#include "nuvo/textHelpers.h"
#include "resources/resourceIds.h"

namespace {

constexpr int kOkText = 1, kCancelText = 2;

} // namespace

CDlgSelectImage::CDlgSelectImage(ui::Window* parent) : KvRecordDlg<KvSelectImageDlgData>(IDD_SELECT_IMAGE, parent) {}

bool CDlgSelectImage::onInitDialog() {
    ui::Dialog::onInitDialog();
    // Attached first: the layout keeps the windows it records, and attaching replaces the list's.
    m_images.attach(*this, IDC_SELECT_IMAGE_LIST);
    // The list grows with the window; OK and Cancel stay in its bottom right corner.
    m_layout.record(*this);
    m_layout.setFlags(IDC_SELECT_IMAGE_LIST, KvDlgLayout::kStretch, KvDlgLayout::kStretch);
    for (int id : {static_cast<int>(ui::IDOK), static_cast<int>(ui::IDCANCEL)})
        m_layout.setFlags(id, KvDlgLayout::kFollow, KvDlgLayout::kFollow);
    setWindowText(m_data.title);
    setDlgItemText(ui::IDOK, dialString(kOkText));
    setDlgItemText(ui::IDCANCEL, dialString(kCancelText));
    // Images are known by their names, as the library's image boxes keep them; the label is the translation.
    Ork_StringArray names, labels;
    for (const Ork_String& file : m_data.imageFiles) {
        const Ork_String name = removeExtension(getFileName(file));
        names.append(name);
        labels.append(gMacroLangs.GetString(Ork_String(), name));
    }
    m_images.setImages(m_data.imageFiles, names, labels);
    ChangeDlgSize(this, kSizeKey);
    return true;
}

void CDlgSelectImage::onOK() {
    const Ork_String chosen = m_images.getSelectionName();
    if (chosen.isEmpty())
        return;  // nothing chosen: the dialog stays open
    m_data.selection = chosen;
    endDialog(ui::IDOK);
}

void CDlgSelectImage::onSize(unsigned type, int cx, int cy) {
    ui::Dialog::onSize(type, cx, cy);
    m_layout.resize(cx, cy);
}

void CDlgSelectImage::onDestroy() {
    WriteDlgSize(this, kSizeKey);
    ui::Dialog::onDestroy();
}
