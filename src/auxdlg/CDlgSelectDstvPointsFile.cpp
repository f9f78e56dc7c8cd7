#include "auxdlg/CDlgSelectDstvPointsFile.h"

#include "auxdlg/CDlgEditDstvPoints.h"
#include "base/Ork_DlgPromptString.h"
#include "nuvo/dstv/DlgDstvPoints.h"
#include "nuvo/fileHelpers.h"
#include "nuvo/hostTexts.h"
#include "nuvo/textHelpers.h"
#include "resources/resourceIds.h"
#include "ui/Services.h"

namespace {

constexpr int kTitle = 863, kUseText = 861, kEditText = 862, kCloseText = 285;
constexpr int kOkText = 1, kCancelText = 2;
constexpr int kPromptCaption = 87, kPromptLabel = 864, kNewName = 171;
constexpr int kInUseCaption = 856, kInUse = 857, kChooseAnother = 858;
const char16_t kExtension[] = u".dat";

// A typed name must name a file inside the points folder, nothing above or beside it.
bool isPlainFileName(const Ork_String& name) {
    return !name.isEmpty() && !hasInvalidFileNameChars(name) && name != u"." && name != u".." &&
           !name.contains(u"..") && name.trimmed() == name && !name.endsWith(u".");
}

} // namespace

CDlgSelectDstvPointsFile::CDlgSelectDstvPointsFile(ui::Window* parent)
    : ui::Dialog(IDD_SELECT_DSTV_POINTS_FILE, parent) {}

bool CDlgSelectDstvPointsFile::onInitDialog() {
    ui::Dialog::onInitDialog();
    setWindowText(dialString(kTitle));
    setDlgItemText(IDC_DSTV_USE, dialString(kUseText));
    setDlgItemText(IDC_DSTV_EDIT, dialString(kEditText));
    setDlgItemText(ui::IDCANCEL, dialString(kCloseText));
    m_files.attach(*this, IDC_DSTV_FILES);
    refill(Ork_String());
    return true;
}

void CDlgSelectDstvPointsFile::refill(const Ork_String& select) {
    Ork_StringArray names;
    DlgDstvPoints::getAllDstvPointsFiles(names);
    const Ork_String standard = removeExtension(DlgDstvPoints::getStandardDstvPointsFile());
    AcArray<bool> checked;
    int selected = -1;
    for (int i = 0; i < names.length(); ++i) {
        checked.append(!standard.isEmpty() && names[i].equal(standard, true));
        if (selected < 0 && !select.isEmpty() && names[i].equal(select, true))
            selected = i;
    }
    m_files.setItems(names, checked, selected);
}

Ork_String CDlgSelectDstvPointsFile::chosenName() const {
    const int sel = m_files.getCurSel();
    return sel >= 0 ? Ork_String(m_files.getLBText(sel)) : Ork_String();
}

void CDlgSelectDstvPointsFile::tell(const Ork_String& text) {
    ui::messageBox(this, text, dialString(kTitle), ui::MB_OK | ui::MB_ICONEXCLAMATION);
}

void CDlgSelectDstvPointsFile::addFile() {
    Ork_DlgPromptString prompt(this);
    prompt.setCaption(dialString(kPromptCaption));
    prompt.setLabel(dialString(kPromptLabel));
    prompt.setText(dialString(kNewName));
    prompt.setButtonTexts(dialString(kOkText), dialString(kCancelText));
    if (prompt.doModal() != ui::IDOK || !prompt.accepted())
        return;
    const Ork_String name = prompt.text();
    if (!isPlainFileName(name)) {
        tell(u"<" + name + u"> cannot be the name of a point file: it may not hold \\ / : * ? \" < > |, \"..\" "
                           u"or blanks or a dot at its end.");
        return;
    }
    // The files are found without case, so writing "abc" would empty "ABC.dat".
    Ork_StringArray names;
    DlgDstvPoints::getAllDstvPointsFiles(names);
    const Ork_String folder = DlgDstvPoints::getDstvPointsFolder();
    if (names.contains(name, false) || ObjectExportFileExists(folder + name + kExtension)) {
        ui::messageBox(this, dialString(kInUse) + u".\n" + dialString(kChooseAnother) + u".", dialString(kInUseCaption),
                       ui::MB_OK | ui::MB_ICONEXCLAMATION);
        return;
    }
    const Ork_String previous = chosenName();
    if (!ObjectExportCreateDirectory(folder)) {
        tell(u"The folder " + folder + u" cannot be made.");
        return;
    }
    if (!DlgDstvPoints().writeToFile(folder + name + kExtension)) {
        tell(u"The file " + folder + name + kExtension + u" cannot be written.");
        return;
    }
    refill(previous);
}

void CDlgSelectDstvPointsFile::removeFile() {
    const Ork_String name = chosenName();
    if (name.isEmpty())
        return;
    const Ork_String path = DlgDstvPoints::getDstvPointsFolder() + name + kExtension;
    if (!deleteFile(path))
        tell(u"The file " + path + u" cannot be deleted.");
    refill(Ork_String());
}

void CDlgSelectDstvPointsFile::editFile() {
    const Ork_String name = chosenName();
    if (name.isEmpty())
        return;
    const Ork_String path = DlgDstvPoints::getDstvPointsFolder() + name + kExtension;
    DlgDstvPoints file;
    // An editor opened on nothing would write its empty list over the file on OK.
    if (!file.readFromFile(path)) {
        tell(u"The file " + path + u" cannot be read: " + file.lastError() + u".");
        return;
    }
    CDlgEditDstvPoints editor(this);
    editor.m_points = file.points;
    if (editor.doModal() != ui::IDOK)
        return;
    file.points = editor.m_points;
    if (!file.writeToFile(path))
        tell(u"The file " + path + u" cannot be written; it stays as it was.");
}

void CDlgSelectDstvPointsFile::takeIntoUse() {
    const Ork_String name = chosenName();
    if (name.isEmpty())
        return;
    if (!DlgDstvPoints::setStandardDstvPointsFile(name + kExtension))
        tell(u"The standard point file cannot be stored.");
    refill(name);
}

bool CDlgSelectDstvPointsFile::onCommand(int id, int code) {
    if (code != ui::BN_CLICKED || (id != IDC_DSTV_ADD && id != IDC_DSTV_REMOVE && id != IDC_DSTV_EDIT && id != IDC_DSTV_USE))
        return ui::Dialog::onCommand(id, code);
    switch (id) {
    case IDC_DSTV_ADD: addFile(); break;
    case IDC_DSTV_REMOVE: removeFile(); break;
    case IDC_DSTV_EDIT: editFile(); break;
    case IDC_DSTV_USE: takeIntoUse(); break;
    }
    return true;
}
