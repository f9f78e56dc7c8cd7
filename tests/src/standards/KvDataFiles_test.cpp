// The readers behind the standards sheet functions, on lines in memory, and the search for a data file.
#include "src/standards/standardsFixture.h"

#include "standards/KvDataFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace KvDataFiles;

namespace {

Ork_StringArray lines(std::initializer_list<const char16_t*> texts) {
    Ork_StringArray out;
    for (const char16_t* t : texts)
        out.append(t);
    return out;
}

// ---------------------------------------------------------------- data tables

TEST(DataTable, DropsCommentsAndTheLinesTheyLeaveEmpty) {
    const auto rows = parseDataTable(lines({u"// head", u"a\t1", u"", u"   // indented", u"b\t2 // note", u"//"}));
    ASSERT_EQ(rows.length(), 2);     // the indented comment leaves nothing either
    EXPECT_EQ(rows[0][0], u"a");
    EXPECT_EQ(rows[1][1], u"2");     // blanks that only led to the comment are no part of the value
}

TEST(DataTable, SplitsAtEveryTabKeepingEmptyColumns) {
    const auto rows = parseDataTable(lines({u"k\t\tthird", u"k2\t"}));
    ASSERT_EQ(rows.length(), 2);
    ASSERT_EQ(rows[0].length(), 3);
    EXPECT_EQ(rows[0][1], u"");
    EXPECT_EQ(rows[0][2], u"third");
    ASSERT_EQ(rows[1].length(), 2);
}

TEST(DataTable, ValuesKeepTheirBlanksWhereNoCommentFollows) {
    const auto rows = parseDataTable(lines({u"k\t a b \t", u"   ", u"k2\tv\t// tab before the note"}));
    ASSERT_EQ(rows.length(), 3);
    EXPECT_EQ(rows[0][1], u" a b ");
    EXPECT_EQ(rows[1][0], u"   ");
    ASSERT_EQ(rows[2].length(), 3);   // only blanks are dropped before a note, tabs still separate columns
    EXPECT_EQ(rows[2][1], u"v");
}

TEST(DataTable, LookupTakesTheFirstRowWithTheKey) {
    const auto rows = parseDataTable(lines({u"k\tfirst", u"k\tsecond"}));
    Ork_String value;
    ASSERT_TRUE(lookupDataTable(rows, u"k", false, value));
    EXPECT_EQ(value, u"first");
}

TEST(DataTable, LookupFailsWithoutASecondColumnEvenWhenALaterRowHasOne) {
    const auto rows = parseDataTable(lines({u"k", u"k\tlater"}));
    Ork_String value = u"untouched";
    EXPECT_FALSE(lookupDataTable(rows, u"k", false, value));
    EXPECT_EQ(value, u"untouched");
}

TEST(DataTable, LookupComparesExactly) {
    const auto rows = parseDataTable(lines({u"Key\tv", u"200.000000\tw"}));
    Ork_String value;
    EXPECT_FALSE(lookupDataTable(rows, u"key", false, value));
    EXPECT_FALSE(lookupDataTable(rows, u"200", false, value));
    EXPECT_FALSE(lookupDataTable(rows, u"Key ", false, value));
}

TEST(DataTable, KeysAreJoinedWithSemicolons) {
    EXPECT_EQ(joinKeys(lines({u"A", u"3.000000"})), u"A;3.000000");
    EXPECT_EQ(joinKeys(lines({u"only"})), u"only");
    EXPECT_EQ(joinKeys(Ork_StringArray()), u"");
}

TEST(DataTable, SectionNamesAreTranslatedOnlyWhenAsked) {
    TempLibrary library;
    const auto rows = parseDataTable(lines({u"IPE 200\tuser", u"IPE-200\tsystem"}));
    Ork_String value;
    ASSERT_TRUE(lookupDataTable(rows, u"IPE-200", true, value));
    EXPECT_EQ(value, u"user");
    ASSERT_TRUE(lookupDataTable(rows, u"IPE-200", false, value));
    EXPECT_EQ(value, u"system");
}

// ---------------------------------------------------------------- standard-size lists

TEST(StdSizeList, SplitsAtTheFirstLowerCaseX) {
    const auto sizes = parseStdSizes(lines({u"100x10", u"12 x 3.5", u"200", u"100X10", u"1x2x3"}));
    ASSERT_EQ(sizes.size(), 5u);
    EXPECT_EQ(sizes[0].first, 100);
    EXPECT_EQ(sizes[0].second, 10);
    EXPECT_EQ(sizes[1].first, 12);
    EXPECT_EQ(sizes[1].second, 3.5);
    EXPECT_EQ(sizes[2].first, 200);
    EXPECT_EQ(sizes[2].second, 0);
    EXPECT_EQ(sizes[3].first, 100);   // an upper-case X separates nothing
    EXPECT_EQ(sizes[3].second, 0);
    EXPECT_EQ(sizes[4].first, 1);
    EXPECT_EQ(sizes[4].second, 2);
}

TEST(StdSizeList, CommentsAndBlankLinesGiveNoSize) {
    const auto sizes = parseStdSizes(
        lines({u"/* sizes", u"   12 and more */", u"10 /* inline */", u"", u"  ", u"\t// only a note", u"16 // mm"}));
    ASSERT_EQ(sizes.size(), 2u);
    EXPECT_EQ(sizes[0].first, 10);
    EXPECT_EQ(sizes[1].first, 16);
}

TEST(StdSizeList, AnUnclosedBlockCommentRunsToTheEnd) {
    const auto sizes = parseStdSizes(lines({u"10", u"/* no end", u"12"}));
    ASSERT_EQ(sizes.size(), 1u);
    EXPECT_EQ(sizes[0].first, 10);
}

TEST(StdSizeList, TextThatIsNoNumberReadsAsZero) {
    const auto sizes = parseStdSizes(lines({u"abc", u"x5"}));
    ASSERT_EQ(sizes.size(), 2u);
    EXPECT_EQ(sizes[0].first, 0);
    EXPECT_EQ(sizes[1].first, 0);
    EXPECT_EQ(sizes[1].second, 5);
}

// ---------------------------------------------------------------- finding a data file

class DataFileSearch : public ::testing::Test {
protected:
    void write(const std::filesystem::path& folder, const std::string& name) {
        std::filesystem::create_directories(folder);
        std::ofstream(folder / name) << "k\tv\n";
    }
    Ork_String modulePath(const std::filesystem::path& p) { return Ork_String::fromUtf8(p.string()); }
    TempLibrary library;
};

TEST_F(DataFileSearch, TriesDataThenStandardsThenTheLibraryFolder) {
    const auto data = library.standards() / "Data";
    write(data, "d.txt");
    write(library.standards(), "d.txt");
    write(library.native(), "d.txt");
    Ork_String path;
    ASSERT_TRUE(resolveDataFile(u"d.txt", path));
    EXPECT_TRUE(path.endsWith(u"Connection Standards\\Data\\d.txt")) << path.utf8();
    std::filesystem::remove(data / "d.txt");
    ASSERT_TRUE(resolveDataFile(u"d.txt", path));
    EXPECT_TRUE(path.endsWith(u"Connection Standards\\d.txt")) << path.utf8();
    std::filesystem::remove(library.standards() / "d.txt");
    ASSERT_TRUE(resolveDataFile(u"d.txt", path));
    EXPECT_EQ(path, Ork_Settings::libDir() + u"d.txt");
}

TEST_F(DataFileSearch, TakesAnExistingNameAsItIs) {
    write(library.native() / "other", "d.txt");
    write(library.standards() / "Data", "d.txt");
    const Ork_String own = modulePath(library.native() / "other" / "d.txt");
    Ork_String path;
    ASSERT_TRUE(resolveDataFile(own, path));
    EXPECT_EQ(path, own);
}

TEST_F(DataFileSearch, FailsWhenNoCandidateExists) {
    Ork_String path = u"stale";
    EXPECT_FALSE(resolveDataFile(u"nowhere.txt", path));
    EXPECT_EQ(path, u"");
}

TEST_F(DataFileSearch, AnEmptyNameIsNoFolder) {
    Ork_String path;
    EXPECT_FALSE(resolveDataFile(u"", path));
}

TEST_F(DataFileSearch, AWildcardNameResolvesToTheFileItMatches) {
    write(library.standards() / "Data", "bolts-m20.txt");
    Ork_String path;
    ASSERT_TRUE(resolveDataFile(u"bolts-*.txt", path));
    EXPECT_TRUE(path.endsWith(u"bolts-m20.txt")) << path.utf8();
    Ork_Array<Ork_StringArray> rows;
    EXPECT_TRUE(readDataTable(path, rows));
}

TEST_F(DataFileSearch, ReadingAFolderOrAnEmptyFileFails) {
    write(library.standards() / "Data", "empty.txt");
    std::ofstream(library.standards() / "Data" / "empty.txt", std::ios::trunc).flush();
    Ork_Array<Ork_StringArray> rows;
    EXPECT_FALSE(readDataTable(Ork_Settings::libDir() + u"Connection Standards\\Data\\empty.txt", rows));
    EXPECT_FALSE(readDataTable(Ork_Settings::libDir() + u"Connection Standards", rows));
    EXPECT_TRUE(readStdSizes(Ork_Settings::libDir() + u"Connection Standards").empty());
}

} // namespace
