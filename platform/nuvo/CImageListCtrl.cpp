#include "nuvo/CImageListCtrl.h"

#include "os/files.h"
#include "ui/paint/Canvas.h"
#include "ui/paint/bmpFile.h"

#include <memory>
#include <span>
#include <vector>

namespace {

// A picture larger than this is no thumbnail; it is not read into memory.
constexpr std::uint64_t kMaxPictureBytes = 32 * 1024 * 1024;

ui::Image readPicture(const Ork_String& path) {
    std::string bytes;
    bool tooLarge = false;
    if (!os::readBytes(path, bytes, kMaxPictureBytes, tooLarge))
        return {};
    auto data = std::make_shared<std::vector<std::uint8_t>>(bytes.begin(), bytes.end());
    ui::Canvas canvas;
    std::u16string error;
    if (!ui::readBmp(std::span<const std::uint8_t>(data->data(), data->size()), canvas, error))
        return {};
    ui::Image image;
    image.bytes = data;
    image.size = ui::Size{canvas.width(), canvas.height()};
    return image;
}

} // namespace

bool CImageListCtrl::attach(ui::Window& dialog, int id) {
    ui::Window* existing = dialog.getDlgItem(id);
    return existing && existing->isClass(u"SysListView32") && dialog.subclassDlgItem(id, *this);
}

void CImageListCtrl::setImages(const Ork_StringArray& files, const Ork_StringArray& names, const Ork_StringArray& labels) {
    deleteAllItems();
    m_names.removeAll();
    std::vector<ui::Image> images;
    for (int i = 0; i < files.length(); ++i)
        images.push_back(readPicture(files[i]));
    setImageList(std::move(images), kThumbnailSize);
    for (int i = 0; i < files.length(); ++i) {
        const Ork_String name = i < names.length() ? names[i] : Ork_String();
        const Ork_String label = i < labels.length() && !labels[i].isEmpty() ? labels[i] : name;
        insertItem(-1, label, i);
        m_names.append(name);
    }
}

Ork_String CImageListCtrl::getSelectionName() const {
    const int chosen = getNextSelected();
    return chosen >= 0 && chosen < m_names.length() ? m_names[chosen] : Ork_String();
}
