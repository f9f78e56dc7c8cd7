#include "designer/Ork_DlgDesignerData.h"

#include "designer/CControlRect.h"
#include "designer/CControlTracker.h"

#include "nuvo/Ork_PropertiesList.h"
#include "nuvo/Ork_Settings.h"
#include "nuvo/fileHelpers.h"
#include "nuvo/hostTexts.h"
#include "nuvo/textHelpers.h"
#include "os/files.h"
#include "os/paths.h"
#include "ui/Window.h"
#include "ui/paint/bmpFile.h"
#include "ui/paint/masks.h"

#include <cmath>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <system_error>
#include <vector>

namespace {

bool isDriveAt(const Ork_String& path) {
    return path.size() >= 2 && path[1] == u':' &&
           ((path[0] >= u'a' && path[0] <= u'z') || (path[0] >= u'A' && path[0] <= u'Z'));
}

// The picture of a design: the text file's path with the extension "bmp".
Ork_String picturePath(const Ork_String& textPath) { return changeExtension(textPath, u"bmp"); }

bool sameFile(const Ork_String& a, const Ork_String& b) {
    const auto na = os::findExisting(a);
    const auto nb = os::findExisting(b);
    if (!na || !nb)
        return false;
    std::error_code ec;
    return std::filesystem::equivalent(*na, *nb, ec) && !ec;
}

} // namespace

Ork_DlgDesignerData::Ork_DlgDesignerData() = default;
Ork_DlgDesignerData::Ork_DlgDesignerData(const Ork_DlgDesignerData& /*other*/) {}
Ork_DlgDesignerData& Ork_DlgDesignerData::operator=(const Ork_DlgDesignerData& /*other*/) { return *this; }
Ork_DlgDesignerData::~Ork_DlgDesignerData() {
    removeAllDrawnCtrls();
    delete tracker;
    tracker = nullptr;
    releaseDialog();
}

Ork_String Ork_DlgDesignerData::getDesignerRootFolder() {
    return Ork_Settings::libDir() + u"Dialog Templates\\Dialog Design\\";
}

bool Ork_DlgDesignerData::normalisePath(const Ork_String& path, Ork_String& normalised) {
    Ork_String prefix;
    std::size_t pos = 0;
    if (isDriveAt(path)) {
        prefix = path.left(2);
        pos = 2;
    }
    const bool absolute = pos < path.size() && os::isSeparator(path[pos]);
    if (absolute)
        prefix += u'\\';
    std::vector<Ork_String> names;
    for (const std::u16string& n : os::splitPath(std::u16string_view(path).substr(pos))) {
        if (n == u".")
            continue;
        if (n == u"..") {
            if (!names.empty() && names.back() != u"..")
                names.pop_back();
            else if (absolute || !prefix.isEmpty())
                return false;
            else
                names.emplace_back(n);
            continue;
        }
        names.emplace_back(n);
    }
    Ork_String out = prefix;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0)
            out += u'\\';
        out += names[i];
    }
    normalised = out;
    return true;
}

bool Ork_DlgDesignerData::getNameFromFile(const Ork_String& path, Ork_String& name) {
    Ork_String file;
    Ork_String root;
    if (!normalisePath(path, file) || !normalisePath(getDesignerRootFolder(), root))
        return false;
    root += u'\\';
    if (!file.startsWith(root, false) || file.len() == root.len())
        return false;
    name = removeExtension(file.mid(root.len()));
    return !name.isEmpty();
}

void Ork_DlgDesignerData::findModuleImages(Ork_StringArray& names) {
    names.removeAll();
    Ork_StringArray paths;
    ObjectExportFindFilesRecursive(getDesignerRootFolder(), u"*.txt", paths);
    for (const Ork_String& path : paths) {
        Ork_String designName;
        if (getNameFromFile(path, designName))
            names.append(designName);
    }
    sortArray(names);
}

Ork_DesignerControl* Ork_DlgDesignerData::getControlFromRes(int resourceId) {
    for (Ork_DesignerControl& c : controls)
        if (c.resourceId == resourceId)
            return &c;
    return nullptr;
}

void Ork_DlgDesignerData::removeControl(int index) {
    if (index >= 0 && index < controls.length())
        controls.removeAt(index);
}

void Ork_DlgDesignerData::getImageSize(int& width, int& height) const {
    width = initialized ? imageWidth : 0;
    height = initialized ? imageHeight : 0;
}

void Ork_DlgDesignerData::getAllCtrlNames(Ork_StringArray& names) const {
    names.removeAll();
    for (const Ork_DesignerControl& c : controls)
        if (c.type == ctCellEdit)
            names.append(c.contents);
}

double Ork_DlgDesignerData::pixelsToFactor(bool horizontal, double pixels) const {
    const int size = horizontal ? imageWidth : imageHeight;
    return pixels / (size > 0 ? size : 1);
}

double Ork_DlgDesignerData::factorToPixels(bool horizontal, double factor) const {
    const int size = horizontal ? imageWidth : imageHeight;
    return factor * (size > 0 ? size : 1);
}

int Ork_DlgDesignerData::freeId(const Ork_Array<Ork_DesignerControl>& list, int first, int last) {
    std::set<int> used;
    for (const Ork_DesignerControl& c : list)
        used.insert(c.resourceId);
    // Ends after at most one more step than there are controls, also for a range reaching INT_MAX.
    for (long long v = first; v <= last; ++v)
        if (!used.count(static_cast<int>(v)))
            return static_cast<int>(v);
    return 0;
}

int Ork_DlgDesignerData::append(const Ork_DesignerControl& control) {
    const int id = freeId(controls, firstId, lastId);
    Ork_DesignerControl copy(control);
    copy.resourceId = id;
    controls.append(std::move(copy));
    return id;
}

bool Ork_DlgDesignerData::addNewControl(Ork_ControlType type) {
    Ork_DesignerControl c;
    c.type = type;
    c.contents = dialString(171);
    c.topLeftX = 0.2;
    c.topLeftY = 0.2;
    c.bottomRightX = 0.2 + pixelsToFactor(true, 30);
    c.bottomRightY = 0.2 + pixelsToFactor(false, 18);
    append(c);
    drawControl(controls[controls.length() - 1]);   // nothing before the page is on a dialog
    return true;
}

bool Ork_DlgDesignerData::attachBitmap(const Ork_String& path) {
    const auto native = os::findExisting(path);
    if (!native || !os::fileExists(path))
        return false;
    imageWidth = 0;
    imageHeight = 0;
    image = ui::Canvas();
    mask = ui::Canvas();
    ui::Canvas loaded;
    std::u16string error;
    if (!ui::readBmpFile(*native, loaded, error) || loaded.empty())
        return false;
    mask = ui::makeMask(loaded, ui::colors::white);
    ui::replaceColor(loaded, ui::colors::white, ui::colors::black);
    image = std::move(loaded);
    imageWidth = image.width();
    imageHeight = image.height();
    return true;
}

bool Ork_DlgDesignerData::readFromFile(const Ork_String& path, bool withPicture) {
    Ork_String newName;
    if (!getNameFromFile(path, newName) || !os::fileExists(path))
        return false;
    std::string bytes;
    bool tooLarge = false;
    if (!os::readBytes(path, bytes, kMaxFileBytes, tooLarge) || tooLarge)
        return false;
    Ork_PropertiesList list;
    if (!list.fromText(bytes))
        return false;
    if (!readControls(list))
        return false;
    name = newName;
    if (withPicture && !attachBitmap(picturePath(path))) {
        imageWidth = 0;
        imageHeight = 0;
        image = ui::Canvas();
        mask = ui::Canvas();
    }
    return true;
}

bool Ork_DlgDesignerData::readControls(const Ork_PropertiesList& list) {
    int count = 0;
    list.get(u"nrOfControls", count);
    if (count > kMaxControls)
        return false;
    // Built apart and swapped in, so a refused list leaves the page as it was.
    Ork_Array<Ork_DesignerControl> read;
    for (int i = 0; i < count; ++i) {
        Ork_DesignerControl c;
        c.getFromPropList(list, i);
        // A fresh list takes the identifiers in order, as `append` would give them one by one.
        const long long id = static_cast<long long>(firstId) + i;
        c.resourceId = id <= lastId ? static_cast<int>(id) : 0;
        read.append(std::move(c));
    }
    controls = std::move(read);
    return true;
}

void Ork_DlgDesignerData::writeControls(Ork_PropertiesList& list) const {
    list.set(u"nrOfControls", controls.length());
    for (int i = 0; i < controls.length(); ++i)
        controls[i].setToPropList(list, i);
}

bool Ork_DlgDesignerData::writeToFile(const Ork_String& path) {
    Ork_String newName;
    Ork_String target;
    if (!getNameFromFile(path, newName) || !normalisePath(path, target))
        return false;
    // The picture travels with the design; the one already at the target is kept in memory so that a failed
    // write of the control list can put it back and leave the old pair whole.
    const Ork_String targetPicture = picturePath(target);
    const Ork_String sourcePicture = getDesignerRootFolder() + name + u".bmp";
    const bool copyPicture = !name.isEmpty() && os::fileExists(sourcePicture) && !sameFile(sourcePicture, targetPicture);
    std::string oldPicture;
    const bool hadPicture = copyPicture && os::fileExists(targetPicture) && os::readBytes(targetPicture, oldPicture);
    if (copyPicture && os::fileExists(targetPicture) && !hadPicture)
        return false;
    // A design may go into a new sub-folder of the design folder.
    if (!os::createFolder(os::folderOf(target)))
        return false;
    if (copyPicture && !os::copyFile(sourcePicture, targetPicture))
        return false;

    getSizeFromAllControls();
    Ork_PropertiesList list;
    writeControls(list);
    if (!list.writeToFile(target)) {
        if (copyPicture) {
            if (hadPicture)
                os::writeBytes(targetPicture, oldPicture);
            else
                os::deleteFile(targetPicture);
        }
        return false;
    }
    name = newName;
    return true;
}

bool Ork_DlgDesignerData::getSizeFromControl(int index) {
    ui::Window* dlg = getDlgPtr();
    if (!dlg || drawnCtrls.size() != static_cast<std::size_t>(controls.length()) || !controls.get(index))
        return false;
    const ui::Window* window = drawnCtrls[static_cast<std::size_t>(index)]->window();
    if (!window)
        return false;
    const ui::Rect r = window->getRectInParent();
    Ork_DesignerControl& w = controls[index];
    w.topLeftX = pixelsToFactor(true, r.left);
    w.topLeftY = pixelsToFactor(false, r.top);
    w.bottomRightX = pixelsToFactor(true, r.right);
    w.bottomRightY = pixelsToFactor(false, r.bottom);
    return true;
}

void Ork_DlgDesignerData::getSizeFromAllControls() {
    for (int i = 0; i < controls.length(); ++i)
        getSizeFromControl(i);
}
