#include "os/paths.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

// Forgets drive mappings a test made, so tests stay independent.
struct DriveGuard {
    ~DriveGuard() { os::clearDriveFolders(); }
};

} // namespace

TEST(PathSyntax, BothSeparatorsSplitAndRepeatsCountAsOne) {
    EXPECT_EQ(os::splitPath(u"a\\b/c\\\\d//e"), (std::vector<std::u16string>{u"a", u"b", u"c", u"d", u"e"}));
    EXPECT_EQ(os::splitPath(u"C:\\lib\\x.kvs"), (std::vector<std::u16string>{u"lib", u"x.kvs"}));
    EXPECT_EQ(os::fileNameOf(u"C:\\lib/Data\\x.txt"), u"x.txt");
    EXPECT_EQ(os::folderOf(u"C:\\lib/Data\\x.txt"), u"C:\\lib/Data\\");
    EXPECT_EQ(os::fileNameOf(u"C:x.txt"), u"x.txt");
    EXPECT_EQ(os::folderOf(u"x.txt"), u"");
    EXPECT_EQ(os::joinPath(u"C:\\lib\\", u"x"), u"C:\\lib\\x");
    EXPECT_EQ(os::joinPath(u"C:\\lib", u"\\x"), u"C:\\lib\\x");
    EXPECT_EQ(os::joinPath(u"C:", u"x"), u"C:x");
}

TEST(PathSyntax, AbsoluteWithRootUncPrefixOrDriveLetter) {
    EXPECT_TRUE(os::isAbsolutePath(u"/usr"));
    EXPECT_TRUE(os::isAbsolutePath(u"\\lib"));
    EXPECT_TRUE(os::isAbsolutePath(u"\\\\server\\share"));
    EXPECT_TRUE(os::isAbsolutePath(u"C:\\lib"));
    EXPECT_TRUE(os::isAbsolutePath(u"d:lib"));
    EXPECT_FALSE(os::isAbsolutePath(u"lib\\x"));
    EXPECT_FALSE(os::isAbsolutePath(u"1:\\lib"));
    EXPECT_FALSE(os::isAbsolutePath(u""));
}

TEST(PathResolution, DriveLetterMapsToItsConfiguredFolderOnly) {
    DriveGuard guard;
    TempFolder tmp;
    tmp.put("lib/Data/table.txt");
    EXPECT_FALSE(os::resolvePath(u"C:\\lib\\Data\\table.txt")); // no mapping: unresolvable
    os::setDriveFolder(u'c', tmp.path());
    EXPECT_EQ(os::resolvePath(u"C:\\lib\\Data\\table.txt"), tmp.path() / "lib/Data/table.txt");
    EXPECT_EQ(os::resolvePath(u"c:/lib/Data/table.txt"), tmp.path() / "lib/Data/table.txt");
    EXPECT_FALSE(os::resolvePath(u"D:\\lib"));
    os::setDriveFolder(u'C', {});
    EXPECT_FALSE(os::resolvePath(u"C:\\lib"));
}

TEST(PathResolution, DotDotNeverLeavesADrive) {
    DriveGuard guard;
    TempFolder tmp;
    tmp.put("lib/a.txt");
    os::setDriveFolder(u'C', tmp.path() / "lib/");
    EXPECT_EQ(os::resolvePath(u"C:\\..\\..\\a.txt"), tmp.path() / "lib/a.txt");
    EXPECT_EQ(os::resolvePath(u"C:\\x\\..\\a.txt"), tmp.path() / "lib/a.txt");
    EXPECT_EQ(os::resolvePath(u"C:\\"), tmp.path() / "lib");
}

TEST(PathResolution, RootedAndRelativePaths) {
    TempFolder tmp;
    tmp.put("a/b.txt");
    const std::u16string rooted = tmp.text(u"a\\b.txt"); // starts with "\" after conversion
    EXPECT_EQ(os::findExisting(rooted), tmp.path() / "a/b.txt");
    CurrentFolder here(tmp.path());
    EXPECT_EQ(os::findExisting(u"a\\b.txt"), fs::current_path() / "a/b.txt");
    EXPECT_EQ(os::findExisting(u".\\a\\..\\a/b.txt"), fs::current_path() / "a/b.txt");
    EXPECT_FALSE(os::resolvePath(u""));
}

TEST(PathResolution, FindsNamesWithoutCaseFolderByFolder) {
    TempFolder tmp;
    tmp.put("Connection Standards/Childs/EndPlate.kvs", "x");
    EXPECT_EQ(os::findExisting(tmp.text(u"CONNECTION STANDARDS\\childs\\endplate.KVS")),
              tmp.path() / "Connection Standards/Childs/EndPlate.kvs");
    // A missing tail keeps what was found and the rest as written, so a new file lands in the right folder.
    EXPECT_EQ(os::resolvePath(tmp.text(u"connection standards\\New\\File.txt")),
              tmp.path() / "Connection Standards/New/File.txt");
    EXPECT_FALSE(os::findExisting(tmp.text(u"connection standards\\New\\File.txt")));
}

TEST(PathResolution, ExactCaseWinsAndAmbiguousCaseFindsNothing) {
    TempFolder tmp;
    tmp.put("data.txt", "lower");
    tmp.put("DATA.txt", "upper");
    EXPECT_EQ(os::findExisting(tmp.text(u"DATA.txt")), tmp.path() / "DATA.txt");
    EXPECT_EQ(os::findExisting(tmp.text(u"data.txt")), tmp.path() / "data.txt");
    EXPECT_FALSE(os::findExisting(tmp.text(u"Data.txt")));
}

TEST(PathResolution, NonAsciiNamesFoldToo) {
    TempFolder tmp;
    tmp.put(os::toUtf8(u"\u00C9TUDE/\u0416.txt"), "x");
    EXPECT_TRUE(os::findExisting(tmp.text(u"\u00E9tude\\\u0436.TXT")));
}

TEST(PathResolution, EmbeddedNulNamesNothing) {
    const std::u16string withNul(u"a\0b", 3);
    EXPECT_FALSE(os::resolvePath(withNul));
}

TEST(Wildcard, StarAndQuestionMarkIgnoringCase) {
    EXPECT_TRUE(os::wildcardMatch(u"*.kvs", u"EndPlate.KVS"));
    EXPECT_TRUE(os::wildcardMatch(u"End?late.*", u"endplate.kvs"));
    EXPECT_TRUE(os::wildcardMatch(u"*", u""));
    EXPECT_TRUE(os::wildcardMatch(u"a*b*c", u"aXXbYYbZc"));
    EXPECT_FALSE(os::wildcardMatch(u"a*b*c", u"aXXbYY"));
    EXPECT_FALSE(os::wildcardMatch(u"?", u""));
    EXPECT_FALSE(os::wildcardMatch(u"*.kvs", u"x.kvsx"));
    EXPECT_FALSE(os::wildcardMatch(u"x", u"xy"));
}

TEST(Wildcard, DotStarAlsoMatchesNamesWithoutADot) {
    EXPECT_TRUE(os::wildcardMatch(u"*.*", u"README"));
    EXPECT_TRUE(os::wildcardMatch(u"*.*", u"a.b.c"));
    EXPECT_TRUE(os::wildcardMatch(u"table.*", u"TABLE"));
    EXPECT_FALSE(os::wildcardMatch(u"table.*", u"tables"));
}

TEST(Wildcard, ManyStarsOnALongNameEndWithoutExponentialBacktracking) {
    // Backtracking only to the last star keeps this linear-ish instead of exponential.
    const std::u16string name(5000, u'a');
    EXPECT_FALSE(os::wildcardMatch(u"*a*a*a*a*a*a*a*a*a*a*b", name));
}
