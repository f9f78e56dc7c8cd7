// The image selection dialog through its real window: thumbnails labelled in the user's language, OK
// refused without a selection, the chosen name (untranslated, without folder and extension), an unreadable
// picture, no pictures at all, and the size kept under "DLG_SELECT_IMAGE".
#include "auxDlgTestSupport.h"

#include "SS/SSExports.h"
#include "auxdlg/KvSelectImageDlgData.h"
#include "nuvo/CImageListCtrl.h"
#include "nuvo/MacroLangs.h"
#include "nuvo/DlgSizeStore.h"
#include "resources/resourceIds.h"
#include "ui/Dialog.h"
#include "ui/paint/bmpFile.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

class SelectImage : public auxtest::AuxDlgTest {
protected:
    void SetUp() override {
        AuxDlgTest::SetUp();
        std::u16string error;
        ASSERT_TRUE(ui::writeBmpFile(m_library.path() / "Gusset.bmp", ui::Canvas(40, 30, ui::colors::black), error));
        ASSERT_TRUE(ui::writeBmpFile(m_library.path() / "EndPlate.bmp", ui::Canvas(20, 20), error));
        m_library.put("Broken.bmp", "not a bitmap");
        m_data.title = u"Choose a picture";
        m_data.imageFiles = {m_library.text(u"Gusset.bmp"), m_library.text(u"EndPlate.bmp"),
                             m_library.text(u"Broken.bmp")};
    }
    bool run(const std::function<void(ui::Dialog&, CImageListCtrl&)>& drive) {
        ui::Script script;
        script.onModal(IDD_SELECT_IMAGE, [&](ui::Dialog& d) {
            drive(d, *d.getDlgItemAs<CImageListCtrl>(IDC_SELECT_IMAGE_LIST));
            if (!d.isEnded())
                m_robot.click(d, ui::IDCANCEL);
        });
        return StartDlgSelectImage(m_data);
    }
    KvSelectImageDlgData m_data;
};

TEST_F(SelectImage, ShowsAThumbnailPerPictureLabelledInTheUsersLanguage) {
    gMacroLangs.setTranslation(gMacroLangs.GetCurLanguage(), u"Gusset", u"Knotenblech");
    run([&](ui::Dialog& d, CImageListCtrl& list) {
        EXPECT_EQ(d.getWindowText(), u"Choose a picture");
        EXPECT_EQ(d.getDlgItemText(ui::IDOK), u"OK");
        ASSERT_EQ(list.getItemCount(), 3);
        EXPECT_EQ(list.getItemText(0), u"Knotenblech");
        EXPECT_EQ(list.getItemText(1), u"EndPlate");
        EXPECT_EQ(list.getItemText(2), u"Broken");
        ASSERT_EQ(list.imageList().size(), 3u);
        EXPECT_FALSE(list.imageList()[0].isNull());
        EXPECT_EQ(list.imageList()[0].size, (ui::Size{40, 30}));
        EXPECT_TRUE(list.imageList()[2].isNull());  // unreadable: an empty thumbnail in its place
    });
    gMacroLangs.setTranslation(gMacroLangs.GetCurLanguage(), u"Gusset", u"Gusset");
}

TEST_F(SelectImage, OkWithoutASelectionStaysOpen) {
    m_data.selection = u"before";
    EXPECT_FALSE(run([&](ui::Dialog& d, CImageListCtrl&) {
        m_robot.click(d, ui::IDOK);
        EXPECT_FALSE(d.isEnded());
    }));
    EXPECT_EQ(m_data.selection, u"before");
}

TEST_F(SelectImage, TheClickedPictureIsChosenByItsUntranslatedName) {
    gMacroLangs.setTranslation(gMacroLangs.GetCurLanguage(), u"Gusset", u"Knotenblech");
    ASSERT_TRUE(run([&](ui::Dialog& d, CImageListCtrl& list) {
        m_robot.choose(list, 0);
        m_robot.click(d, ui::IDOK);
    }));
    EXPECT_EQ(m_data.selection, u"Gusset");
    gMacroLangs.setTranslation(gMacroLangs.GetCurLanguage(), u"Gusset", u"Gusset");
}

TEST_F(SelectImage, WithoutPicturesTheListIsEmptyAndOnlyCancelEnds) {
    m_data.imageFiles = {};
    EXPECT_FALSE(run([&](ui::Dialog& d, CImageListCtrl& list) {
        EXPECT_EQ(list.getItemCount(), 0);
        m_robot.click(d, ui::IDOK);
        EXPECT_FALSE(d.isEnded());
        m_robot.click(d, ui::IDCANCEL);
    }));
}

TEST_F(SelectImage, RestoresAndStoresItsSizeUnderItsKey) {
    run([&](ui::Dialog& d, CImageListCtrl& list) {
        const ui::Rect before = list.getWindowRect();
        m_robot.resize(d, d.getWindowRect().width() + 100, d.getWindowRect().height() + 50);
        EXPECT_EQ(list.getWindowRect().width(), before.width() + 100);  // the list grows with the window
        EXPECT_EQ(d.getDlgItem(ui::IDOK)->getWindowRect().width(), 75);
    });
    int width = 0, height = 0;
    ASSERT_TRUE(DlgSizeStore::instance().get(u"DLG_SELECT_IMAGE", width, height));
    run([&](ui::Dialog& d, CImageListCtrl&) {
        EXPECT_EQ(d.getWindowRect().width(), width);
        EXPECT_EQ(d.getWindowRect().height(), height);
    });
}

} // namespace
