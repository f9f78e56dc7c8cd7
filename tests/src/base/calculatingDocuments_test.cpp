// The documents being calculated, and when two paths name the same one.
#include "base/calculatingDocuments.h"

#include "os/paths.h"
#include "os/utf16.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class SameDocument : public ::testing::Test {
protected:
    void SetUp() override {
        m_folder = fs::temp_directory_path() / ("ss-calculating-" + std::to_string(::getpid()));
        fs::create_directories(m_folder / "Sheets" / "sub");
        std::ofstream(m_folder / "Sheets" / "Table.sss") << "a";
    }
    void TearDown() override {
        os::setDriveFolder(u'x', {});
        std::error_code ec;
        fs::remove_all(m_folder, ec);
    }
    std::string key(const std::string& below) const {
        return calculatingDocuments::documentKey(os::toUtf16((m_folder / below).string()));
    }

    fs::path m_folder;
};

TEST_F(SameDocument, EverySpellingOfOneFileGivesOneKey) {
    const std::string table = key("Sheets/Table.sss");
    ASSERT_FALSE(table.empty());
    EXPECT_EQ(key("sheets/TABLE.SSS"), table);             // the one case-insensitive match in each folder
    EXPECT_EQ(key("Sheets/sub/../Table.sss"), table);
    EXPECT_EQ(key("Sheets//./Table.sss"), table);
    std::u16string windowsStyle = os::toUtf16((m_folder / "SHEETS" / "table.sss").string());
    for (char16_t& c : windowsStyle)
        if (c == u'/')
            c = u'\\';
    EXPECT_EQ(calculatingDocuments::documentKey(windowsStyle), table);
    os::setDriveFolder(u'x', m_folder);
    EXPECT_EQ(calculatingDocuments::documentKey(u"X:\\Sheets\\Table.sss"), table);
}

TEST_F(SameDocument, LinksAreFollowedToTheFileTheyName) {
    fs::create_symlink("Table.sss", m_folder / "Sheets" / "Alias.sss");
    fs::create_directory_symlink("Sheets", m_folder / "Linked");
    EXPECT_EQ(key("Sheets/Alias.sss"), key("Sheets/Table.sss"));
    EXPECT_EQ(key("linked/alias.SSS"), key("Sheets/Table.sss"));
}

TEST_F(SameDocument, FilesThatDifferOnlyInCaseAreTwoDocuments) {
    // The name with its exact case is that file: a second file whose name differs only in case is another
    // document, although a case-insensitive comparison of the two paths would call them equal.
    std::ofstream(m_folder / "Sheets" / "TABLE.SSS") << "b";
    EXPECT_NE(key("Sheets/TABLE.SSS"), key("Sheets/Table.sss"));
    EXPECT_TRUE(key("Sheets/table.sss").empty());          // two matches, neither exact: no such document
    std::ofstream(m_folder / "Sheets" / "Other.sss") << "c";
    EXPECT_NE(key("Sheets/Other.sss"), key("Sheets/Table.sss"));
}

TEST_F(SameDocument, APathThatNamesNoFileIsNoDocument) {
    EXPECT_TRUE(key("Sheets/missing.sss").empty());
    EXPECT_TRUE(key("Nowhere/Table.sss").empty());
    EXPECT_TRUE(calculatingDocuments::documentKey(u"").empty());
    EXPECT_TRUE(calculatingDocuments::documentKey(u"Q:\\Sheets\\Table.sss").empty());   // an unmapped drive
}

TEST(CalculatingDocuments, AHolderCountsUntilItLeavesAndIsReadWhenAsked) {
    std::string outer = "/lib/outer.kvs", inner = "/lib/inner.kvs";
    calculatingDocuments::enter(outer);
    calculatingDocuments::enter(inner);
    EXPECT_EQ(calculatingDocuments::documents(), (std::vector<std::string>{outer, inner}));
    EXPECT_TRUE(calculatingDocuments::isCalculating("/lib/inner.kvs"));
    EXPECT_FALSE(calculatingDocuments::isCalculating("/lib/inner.kvs", &inner));
    EXPECT_FALSE(calculatingDocuments::isCalculating("/lib/other.kvs"));

    inner = "/lib/other.kvs";             // its holder loaded another document
    EXPECT_TRUE(calculatingDocuments::isCalculating("/lib/other.kvs"));
    EXPECT_FALSE(calculatingDocuments::isCalculating("/lib/inner.kvs"));

    std::string none;
    calculatingDocuments::enter(none);
    EXPECT_FALSE(calculatingDocuments::isCalculating(""));   // no document is never being calculated
    calculatingDocuments::leave(none);
    calculatingDocuments::leave(outer);   // out of order
    EXPECT_EQ(calculatingDocuments::documents(), (std::vector<std::string>{inner}));
    calculatingDocuments::leave(inner);
    calculatingDocuments::leave(inner);   // once more changes nothing
    EXPECT_TRUE(calculatingDocuments::documents().empty());
}

TEST(CalculatingDocuments, EachEnterWantsItsOwnLeave) {
    // Two holders may share one key string (two windows that hold no document): one leaving keeps the other.
    const std::string shared = "/lib/table.sss";
    calculatingDocuments::enter(shared);
    calculatingDocuments::enter(shared);
    calculatingDocuments::leave(shared);
    EXPECT_TRUE(calculatingDocuments::isCalculating(shared));
    calculatingDocuments::leave(shared);
    EXPECT_FALSE(calculatingDocuments::isCalculating(shared));
}

} // namespace
