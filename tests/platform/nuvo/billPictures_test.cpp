// The host's picture maker for bill lines: a BMP of the line, its progress window, and its injected failures.
#include "support/TempFolder.h"

#include "cadhost/Drawing.h"
#include "nuvo/records/Ork_Bill.h"
#include "nuvo/records/billPictures.h"
#include "os/files.h"
#include "ui/paint/bmpFile.h"

#include <gtest/gtest.h>

namespace {

class BillPictures : public ::testing::Test {
protected:
    void SetUp() override {
        nuvo::resetBmpDialog();
        m_bill.pictureFolder = m_folder.folder();
    }
    ui::Canvas read(const Ork_String& file) {
        ui::Canvas image;
        std::u16string error;
        EXPECT_TRUE(ui::readBmpFile(m_folder.path() / std::filesystem::path(file.utf8()).filename(), image, error));
        return image;
    }
    bool make(const Ork_StringArray& texts, Ork_String& file, int& number) {
        return createImage(texts, file, number, 0, 0, true, true, &m_bill, &m_transaction);
    }

    TempFolder m_folder;
    Ork_Bill m_bill;
    AcDbTransaction m_transaction;
};

} // namespace

TEST_F(BillPictures, WritesAPictureOfTheLineAsHighAsTheBillAsks) {
    m_bill.pictureHeight = 40;
    Ork_String shortFile, longFile;
    int number = -1;
    ASSERT_TRUE(make({u"P1"}, shortFile, number));
    EXPECT_EQ(number, 0);
    ASSERT_TRUE(make({u"Plate 10x200", u"4", u"S235"}, longFile, number));
    EXPECT_EQ(number, 1);
    EXPECT_NE(shortFile, longFile);
    EXPECT_TRUE(os::fileExists(longFile));
    const ui::Canvas small = read(shortFile), wide = read(longFile);
    EXPECT_EQ(small.height(), 40);
    EXPECT_GT(wide.width(), small.width()) << "the line's texts are drawn";
}

TEST_F(BillPictures, KeepsThePictureWithinBounds) {
    m_bill.pictureHeight = 100000;
    Ork_String file;
    int number = 0;
    ASSERT_TRUE(make({Ork_String(std::u16string(5000, u'x'))}, file, number));
    const ui::Canvas image = read(file);
    EXPECT_EQ(image.height(), 512);
    EXPECT_EQ(image.width(), 1024);
}

TEST_F(BillPictures, NeedsABillAndATransaction) {
    Ork_String file = u"stale";
    int number = 3;
    EXPECT_FALSE(createImage({u"a"}, file, number, 0, 0, true, true, nullptr, &m_transaction));
    EXPECT_EQ(file, u"");
    EXPECT_FALSE(createImage({u"a"}, file, number, 0, 0, true, true, &m_bill, nullptr));
    EXPECT_EQ(number, 3);
}

TEST_F(BillPictures, InjectedFailuresAfterSomeSuccesses) {
    Ork_String file;
    int number = 0;
    {
        nuvo::CreateImageFailure failure(1);
        EXPECT_TRUE(make({u"a"}, file, number));
        EXPECT_FALSE(make({u"b"}, file, number));
        EXPECT_EQ(file, u"");
    }
    EXPECT_TRUE(make({u"c"}, file, number));
}

TEST_F(BillPictures, AFailureMayLeaveAFileThatIsNoPicture) {
    Ork_String file;
    int number = 0;
    nuvo::CreateImageFailure failure(0, nuvo::CreateImageFailure::Mode::NotAPicture);
    ASSERT_TRUE(make({u"a"}, file, number));
    ui::Canvas image;
    std::u16string error;
    EXPECT_FALSE(ui::readBmpFile(m_folder.path() / std::filesystem::path(file.utf8()).filename(), image, error));
}

TEST_F(BillPictures, TheProgressWindowCountsThePicturesOfItsRun) {
    EXPECT_TRUE(initBMPDialog(25));
    Ork_String file;
    int number = 0;
    make({u"a"}, file, number);
    make({u"b"}, file, number);
    EXPECT_TRUE(nuvo::bmpDialogState().open);
    EXPECT_EQ(nuvo::bmpDialogState().start, 25);
    EXPECT_EQ(nuvo::bmpDialogState().pictures, 2);
    closeBMPDialog();
    EXPECT_FALSE(nuvo::bmpDialogState().open);
}
